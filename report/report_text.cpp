#include "report/report_text.h"

#include "common/number_text.h"

namespace korvex::report {

std::string repeat_character(std::string_view character, int count) {
    std::string text;
    if (count <= 0) return text;
    text.reserve(character.size() * static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) text += character;
    return text;
}

std::string fixed_trimmed(double value, int width, int decimals) {
    return common::trim(common::format_fixed(value, width, decimals));
}

} // namespace korvex::report
