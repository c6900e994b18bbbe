#include "common/number_parse.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace korvex::common {

namespace {

std::string_view strip_blanks(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    return text;
}

} // namespace

std::optional<int> parse_int(std::string_view text) {
    text = strip_blanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<double> parse_decimal(std::string_view text) {
    text = strip_blanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    // Only plain decimal forms: no "inf", "nan" or hexadecimal floats.
    for (char c : text) {
        const bool allowed =
            (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
        if (!allowed) return std::nullopt;
    }
    double value = 0.0;
#if defined(__cpp_lib_to_chars)
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
#else
    // The browser's C++ library reads no floating-point numbers itself; its C
    // library rounds as correctly and always reads "." as the decimal point.
    const std::string copy(text);
    char* end = nullptr;
    value = std::strtod(copy.c_str(), &end);
    if (end != copy.c_str() + copy.size() || !std::isfinite(value)) return std::nullopt;
#endif
    return value;
}

} // namespace korvex::common
