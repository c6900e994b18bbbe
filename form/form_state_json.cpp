#include "form/form_state_json.h"

#include <cstdint>
#include <string>
#include <type_traits>

#include "common/number_text.h"
#include "form/change_tracking.h"
#include "form/control_index.h"
#include "form/hints.h"

namespace korvex::form {

namespace {

using common::JsonArray;
using common::JsonObject;

std::string colour_text(const Rgb& c) {
    return common::hex_colour(static_cast<std::uint32_t>((c.red << 16) | (c.green << 8) | c.blue));
}

JsonObject with_hint(JsonObject object, const std::string& hint) {
    object.emplace_back("hint", hint_short(hint));
    object.emplace_back("hintLong", hint_long(hint));
    return object;
}

JsonObject control_json(const Edit& c) {
    return with_hint(
        {{"kind", "edit"}, {"text", c.text}, {"enabled", c.enabled}, {"visible", c.visible}},
        c.hint);
}

JsonObject control_json(const SpinEdit& c) {
    return with_hint({{"kind", "spin"},
                      {"value", c.value},
                      {"min", c.minValue},
                      {"max", c.maxValue},
                      {"step", c.increment},
                      {"enabled", c.enabled},
                      {"visible", c.visible}},
                     c.hint);
}

JsonObject control_json(const ComboBox& c) {
    JsonArray items;
    for (const std::string& item : c.items) items.emplace_back(item);
    return with_hint({{"kind", "combo"},
                      {"items", std::move(items)},
                      {"index", c.itemIndex},
                      {"enabled", c.enabled},
                      {"visible", c.visible}},
                     c.hint);
}

JsonObject control_json(const RadioButton& c) {
    return with_hint({{"kind", "radio"},
                      {"caption", c.caption},
                      {"checked", c.checked},
                      {"enabled", c.enabled},
                      {"colour", colour_text(c.fontColour)},
                      {"bold", c.fontBold}},
                     c.hint);
}

JsonObject control_json(const CheckBox& c) {
    return with_hint(
        {{"kind", "check"}, {"caption", c.caption}, {"checked", c.checked}, {"enabled", c.enabled}},
        c.hint);
}

JsonObject control_json(const Label& c) {
    return with_hint(
        {{"kind", "display"}, {"caption", c.caption}, {"colour", colour_text(c.fontColour)}},
        c.hint);
}

JsonObject control_json(const GroupBox& c) {
    return {{"kind", "group"}, {"caption", c.caption}, {"visible", c.visible}};
}

JsonObject control_json(const Button& c) {
    return with_hint({{"kind", "button"}, {"caption", c.caption}, {"enabled", c.enabled}}, c.hint);
}

JsonObject control_json(const Panel& c) {
    return {{"kind", "panel"}, {"top", c.top}, {"height", c.height}, {"visible", c.visible}};
}

JsonObject control_json(const Image& c) {
    return {{"kind", "picture"}, {"file", c.pictureFile}};
}

} // namespace

JsonObject form_state_json(Session& session) {
    InputForm& form = session.form;
    JsonObject controls;
    for (const ControlRef& control : all_controls(form))
        controls.emplace_back(control_name(control),
                              std::visit([](const auto* c) { return control_json(*c); }, control));
    return {{"caption", window_caption(session)},    {"height", form.height},
            {"activeControl", form.activeControl},   {"status", form.statusBar.caption},
            {"spanPicture", form.state.spanPicture}, {"unsaved", has_unsaved_changes(session)},
            {"controls", std::move(controls)}};
}

} // namespace korvex::form
