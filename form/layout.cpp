#include "form/layout.h"

namespace korvex::form {

void apply_layout(InputForm& form, int mode) {
    const bool direct = mode == 1;
    form.state.layoutMode = direct ? 1 : 0;
    form.Panel4.visible = !direct;
    form.Panel6.visible = !direct;
    form.Panel9.visible = direct;
    form.Panel3.top = direct ? 72 : 284;
    form.Panel3.height = direct ? 95 : 85;
    form.height = direct ? 375 : 575;
    form.Panel8.top = direct ? 176 : 376;
    form.Panel12.top = direct ? 268 : 468;
}

} // namespace korvex::form
