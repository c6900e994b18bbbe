#include "form/spans.h"

#include <algorithm>

#include "common/number_parse.h"

namespace korvex::form {

std::string span_picture_name(int spanCount, int cantileverMode) {
    static constexpr const char* kSuffix[4] = {"C0", "CL", "CR", "CLR"};
    const int n = std::clamp(spanCount, 1, 4);
    const int c = (cantileverMode >= 1 && cantileverMode <= 3) ? cantileverMode : 0;
    return "Image" + std::to_string(c * 4 + n) + "_S" + std::to_string(n) + "_" + kSuffix[c];
}

Edit& span_edit(InputForm& form, int span) {
    Edit* const edits[4] = {&form.Edit4, &form.Edit5, &form.Edit6, &form.Edit7};
    return *edits[std::clamp(span, 1, 4) - 1];
}

const Edit& span_edit(const InputForm& form, int span) {
    return span_edit(const_cast<InputForm&>(form), span);
}

void update_spans(InputForm& form) {
    WindowState& state = form.state;
    const int n = std::clamp(form.CSpinEdit6.value, 1, 4);
    const int c = form.ComboBox6.item_index;
    state.spanCount = n;
    state.cantileverMode = c;
    state.spanPicture = span_picture_name(n, c);
    form.Edit77.visible = c == 1 || c == 3;
    form.Edit88.visible = c == 2 || c == 3;

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
    const auto value = common::parse_int(form.Edit77.text);
    if (!value) {
        form.Edit77.text = "200";
        focus(form, form.Edit77.name);
        return FormMessage{kCantileverNotANumber, form.Edit77.name};
    }
    if (*value > 1000) {
        form.Edit77.text = "1000";
        focus(form, form.Edit77.name);
        return FormMessage{kCantileverAboveMaximum, form.Edit77.name};
    }
    return std::nullopt;
}

} // namespace korvex::form
