#include "report/report_text.h"

namespace korvex::report {

std::string repeat_character(std::string_view character, int count) {
    std::string text;
    if (count <= 0) return text;
    text.reserve(character.size() * static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) text += character;
    return text;
}

} // namespace korvex::report
