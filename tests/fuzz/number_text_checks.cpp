#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "common/number_text.h"
#include "common/rounding.h"
#include "tests/fuzz/fuzz_checks.h"

namespace korvex::fuzz {

namespace {

template <typename T> T take(std::string_view& bytes) {
    T value{};
    const std::size_t n = std::min(sizeof value, bytes.size());
    std::memcpy(&value, bytes.data(), n);
    bytes.remove_prefix(n);
    return value;
}

bool only_of(const std::string& text, std::string_view allowed) {
    return text.find_first_not_of(allowed) == std::string::npos;
}

// A report figure: optional padding, sign, grouped digits, a point and fraction.
bool is_report_figure(const std::string& text) {
    const auto start = text.find_first_not_of(' ');
    if (start == std::string::npos) return false;
    std::string_view rest(text);
    rest.remove_prefix(start);
    if (rest.starts_with('-')) rest.remove_prefix(1);
    if (rest.empty() || !std::isdigit(static_cast<unsigned char>(rest[0]))) return false;
    const auto dot = rest.find('.');
    return only_of(std::string(rest.substr(0, dot)), "0123456789,") &&
           (dot == std::string_view::npos ||
            only_of(std::string(rest.substr(dot + 1)), "0123456789"));
}

} // namespace

Faults check_number_text(std::string_view bytes) {
    Faults faults;
    const auto value = take<double>(bytes);
    const auto width = take<int>(bytes);
    const auto decimals = take<int>(bytes);
    const auto count = take<long long>(bytes);
    const std::string call = "(" + common::shortest_decimal(value) + ", " + std::to_string(width) +
                             ", " + std::to_string(decimals) + ")";

    const std::string fixed = common::format_fixed(value, width, decimals);
    if (!is_report_figure(fixed)) faults.push_back("format_fixed" + call + " = \"" + fixed + "\"");
    // Padding never runs past the widest field a page asks for; the digits of the
    // largest double are about 400 characters.
    if (fixed.size() > 512) faults.push_back("format_fixed" + call + " is too long");
    if (std::isfinite(value) && std::fabs(value) < 1e7 && decimals >= 0 && decimals <= 7) {
        // The figure truncates toward zero: it never exceeds the value in magnitude
        // by more than the binary noise the rounding rule reads as the decimal
        // step above, kDecimalNoise of the scaled value (at least of one step).
        // (Past seven places and fifteen digits the picture rounds, as it is meant to.)
        std::string digits;
        for (char c : fixed)
            if (c != ' ' && c != ',') digits += c;
        const double read = std::strtod(digits.c_str(), nullptr);
        const double step = 1.0 / common::power_of_ten(decimals);
        const double scaled = std::fabs(value) / step;
        const double noise = common::kDecimalNoise * std::max(1.0, scaled) * step;
        if (std::fabs(read) > (std::fabs(value) + noise) * (1 + 1e-12) + 1e-300)
            faults.push_back("format_fixed" + call + " = \"" + fixed + "\" exceeds the value");
    }

    const std::string counted = common::format_count(count, width);
    const auto first = counted.find_first_not_of(' ');
    if (first == std::string::npos || !only_of(counted.substr(first), "-0123456789,") ||
        counted.size() > 512)
        faults.push_back("format_count(" + std::to_string(count) + ", " + std::to_string(width) +
                         ") = \"" + counted + "\"");

    const std::string grouped = common::format_grouped(value, decimals, width % 2 == 0);
    if (std::isfinite(value) && !only_of(grouped, "-0123456789,."))
        faults.push_back("format_grouped" + call + " = \"" + grouped + "\"");
    const std::string shortest = common::shortest_decimal(value);
    if (std::isfinite(value) && !only_of(shortest, "-0123456789.E"))
        faults.push_back("shortest_decimal" + call + " = \"" + shortest + "\"");
    return faults;
}

} // namespace korvex::fuzz
