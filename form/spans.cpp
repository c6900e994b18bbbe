#include "form/spans.h"

#include <algorithm>

#include "common/number_parse.h"

namespace korvex::form {

std::string span_picture_name(int span_count, calc::CantileverMode cantilever_mode) {
    static constexpr const char* kSuffix[4] = {"", "Left", "Right", "Both"};
    const int n = std::clamp(span_count, 1, 4);
    return "spanPicture" + std::to_string(n) + kSuffix[calc::code(cantilever_mode)];
}

Edit& span_edit(InputForm& form, int span) {
    Edit* const edits[4] = {&form.span1Edit, &form.span2Edit, &form.span3Edit, &form.span4Edit};
    return *edits[std::clamp(span, 1, 4) - 1];
}

const Edit& span_edit(const InputForm& form, int span) {
    return span_edit(const_cast<InputForm&>(form), span);
}

void update_spans(InputForm& form) {
    WindowState& state = form.state;
    const int n = std::clamp(form.spanCountSpin.value, 1, 4);
    const calc::CantileverMode c =
        calc::from_code<calc::CantileverMode>(form.cantileverBox.itemIndex)
            .value_or(calc::CantileverMode::none);
    state.spanCount = n;
    state.cantileverMode = c;
    state.spanPicture = span_picture_name(n, c);
    form.cantileverLengthEdit.visible = calc::has_left_cantilever(c);
    form.rightCantileverLengthEdit.visible = calc::has_right_cantilever(c);

    // The spin edit moves one step at a time, so one edit is shown or hidden per
    // change; the loops only matter for a caller that jumps. A hidden edit keeps
    // its text, and showing it again copies the edit before it afresh.
    const int previous = std::clamp(state.previousSpanCount, 1, 4);
    if (n > previous) {
        for (int span = previous + 1; span <= n; ++span) {
            span_edit(form, span).visible = true;
            span_edit(form, span).text = span_edit(form, span - 1).text;
        }
        focus(form, span_edit(form, n).name);
    } else {
        for (int span = n + 1; span <= 4; ++span) span_edit(form, span).visible = false;
        if (n < 4) focus(form, span_edit(form, n).name);
    }
    state.previousSpanCount = n;
}

std::optional<FormMessage> check_cantilever_exit(InputForm& form) {
    const auto value = common::parse_int(form.cantileverLengthEdit.text);
    if (!value) {
        form.cantileverLengthEdit.text = "200";
        focus(form, form.cantileverLengthEdit.name);
        return FormMessage{kCantileverNotANumber, form.cantileverLengthEdit.name};
    }
    if (*value > 1000) {
        form.cantileverLengthEdit.text = "1000";
        focus(form, form.cantileverLengthEdit.name);
        return FormMessage{kCantileverAboveMaximum, form.cantileverLengthEdit.name};
    }
    return std::nullopt;
}

} // namespace korvex::form
