#include "form/layout.h"

namespace korvex::form {

void apply_layout(InputForm& form, calc::LayoutMode mode) {
    const bool direct = mode == calc::LayoutMode::directLoads;
    form.state.layoutMode = mode;
    form.snowPanel.visible = !direct;
    form.windPanel.visible = !direct;
    form.directLoadPanel.visible = direct;
    form.otherLoadPanel.top = direct ? 72 : 284;
    form.otherLoadPanel.height = direct ? 95 : 85;
    form.height = direct ? 375 : 575;
    form.spanPanel.top = direct ? 176 : 376;
    form.commandPanel.top = direct ? 268 : 468;
}

} // namespace korvex::form
