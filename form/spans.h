#pragma once

// The span row: span count, cantilever, which span picture and which span edits
// are shown, and the check of the cantilever length when its edit is left.

#include <optional>
#include <string>

#include "form/input_form.h"

namespace korvex::form {

// "spanPicture2Left" for two spans with a left cantilever; "…Right", "…Both", or
// no suffix without one.
std::string span_picture_name(int span_count, calc::CantileverMode cantilever_mode);

// The span edit of span 1..4 (span1Edit..span4Edit).
Edit& span_edit(InputForm& form, int span);
const Edit& span_edit(const InputForm& form, int span);

// The change behaviour of spanCountSpin and of cantileverBox.
void update_spans(InputForm& form);

inline constexpr const char* kCantileverNotANumber =
    "『はね出し』部の値を入力して下さい。 \n計算可能な範囲(Min-Max) 200～1000";
inline constexpr const char* kCantileverAboveMaximum =
    "計算可能な『はね出し』部の最大値は、1000 mmです";

// Leaving cantileverLengthEdit: a text that is not an integer becomes "200", a value above
// 1000 becomes "1000", each with its message and the focus back on cantileverLengthEdit. The
// lower bound is the Calculate command's check.
std::optional<FormMessage> check_cantilever_exit(InputForm& form);

} // namespace korvex::form
