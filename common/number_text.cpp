#include "common/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/rounding.h"

namespace korvex::common {

namespace {

std::string printf_double(const char* format, int precision, double value) {
    char buffer[512];
    const int n = std::snprintf(buffer, sizeof buffer, format, precision, value);
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < sizeof buffer) return std::string(buffer, n);
    std::string big(static_cast<std::size_t>(n) + 1, '\0');
    std::snprintf(big.data(), big.size(), format, precision, value);
    big.resize(static_cast<std::size_t>(n));
    return big;
}

void strip_fraction_zeros(std::string& text) {
    const auto dot = text.find('.');
    if (dot == std::string::npos) return;
    auto end = text.find_last_not_of('0');
    if (end == dot) --end;
    text.erase(end + 1);
}

// Digits before the decimal point of |value| (at least 1).
int integer_digits(double magnitude) {
    if (magnitude < 1.0) return 1;
    return static_cast<int>(std::floor(std::log10(magnitude))) + 1;
}

} // namespace

std::string shortest_decimal(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    if (value == 0.0) return "0";
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e-5 && magnitude < 1e15) {
        // Fixed notation with 15 significant digits, trailing zeros removed.
        const int digits = integer_digits(magnitude);
        int decimals = 15 - digits;
        if (magnitude < 1.0) {
            // Leading zeros after the point do not count as significant digits.
            decimals = 15 + static_cast<int>(-std::floor(std::log10(magnitude))) - 1;
        }
        std::string text = printf_double("%.*f", std::max(decimals, 0), value);
        strip_fraction_zeros(text);
        if (text == "-0") text = "0";
        return text;
    }
    // Scientific form "d.dddE+x" without exponent padding.
    std::string text = printf_double("%.*E", 14, value);
    const auto e = text.find('E');
    std::string mantissa = text.substr(0, e);
    strip_fraction_zeros(mantissa);
    int exponent = std::stoi(text.substr(e + 1));
    return mantissa + "E" + std::to_string(exponent);
}

std::string group_thousands(const std::string& integer_text) {
    std::string sign;
    std::string digits = integer_text;
    if (!digits.empty() && digits[0] == '-') {
        sign = "-";
        digits.erase(0, 1);
    }
    std::string grouped;
    const int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) grouped += ',';
        grouped += digits[static_cast<std::size_t>(i)];
    }
    return sign + grouped;
}

std::string format_fixed(double value, int width, int decimals) {
    decimals = std::clamp(decimals, 0, 9);
    double v = trunc_toward_zero(value, decimals);
    if (!std::isfinite(v)) v = 0.0;

    std::string text;
    if (v == 0.0) {
        text = "0.0";
    } else if (v > -1.0 && v < 0.0) {
        text = shortest_decimal(v);
        if (text.find('E') != std::string::npos) {
            // Below 1E-5 the shortest form turns scientific, which the point and
            // zeros added below would make into no number at all.
            text = printf_double("%.*f", decimals, v);
            strip_fraction_zeros(text);
        }
    } else {
        // Picture "###,###,###,###.#######": at most seven fraction digits within
        // fifteen significant ones, no trailing zeros, no leading integer zero.
        const double magnitude = std::fabs(v);
        const int fraction = std::clamp(15 - integer_digits(magnitude), 0, 7);
        std::string plain = printf_double("%.*f", fraction, v);
        strip_fraction_zeros(plain);
        const auto dot = plain.find('.');
        std::string integer_part = plain.substr(0, dot);
        const std::string fraction_part = dot == std::string::npos ? "" : plain.substr(dot);
        if (integer_part == "0")
            integer_part.clear();
        else if (integer_part == "-0")
            integer_part = "-";
        text = group_thousands(integer_part) + fraction_part;
    }
    if (decimals != 0 && text.find('.') == std::string::npos) text += ".0";
    if (!text.empty() && text[0] == '.') text.insert(0, "0");
    if (decimals != 0) {
        const auto dot = text.find('.');
        const int have = static_cast<int>(text.size() - dot - 1);
        if (have < decimals) text.append(static_cast<std::size_t>(decimals - have), '0');
    }
    const auto dot = text.find('.');
    const int integer_width = static_cast<int>(dot == std::string::npos ? text.size() : dot);
    const int wanted = std::clamp(width, 0, kWidestField) - decimals - 1;
    if (integer_width < wanted)
        text.insert(0, static_cast<std::size_t>(wanted - integer_width), ' ');
    return text;
}

std::string format_count(long long value, int width) {
    const std::string plain = value == 0 ? "0" : group_thousands(std::to_string(value));
    std::string text = plain;
    width = std::clamp(width, 0, kWidestField);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    if (plain.size() == 1)
        text.insert(0, 2, ' ');
    else if (plain.size() == 2)
        text.insert(0, 1, ' ');
    return text;
}

std::string format_grouped(double value, int max_decimals, bool integer_zero) {
    if (!std::isfinite(value)) return shortest_decimal(value);
    max_decimals = std::clamp(max_decimals, 0, 9);
    const double magnitude = std::fabs(value);
    // Rounded from the decimal text of the value, so 12.345 (a binary hair below)
    // still reads 12.35 as the figure it stands for.
    const std::string plain = magnitude >= 1e-5 && magnitude < 1e15
                                  ? shortest_decimal(magnitude)
                                  : printf_double("%.*f", max_decimals, magnitude);
    const auto dot = plain.find('.');
    std::string integer_part = plain.substr(0, dot);
    std::string fraction = dot == std::string::npos ? "" : plain.substr(dot + 1);
    const auto kept = static_cast<std::size_t>(max_decimals);
    if (fraction.size() > kept) {
        const bool up = fraction[kept] >= '5';
        fraction.resize(kept);
        if (up) {
            std::string all = integer_part + fraction;
            auto i = all.size();
            while (i > 0 && all[i - 1] == '9') all[--i] = '0';
            if (i == 0)
                all.insert(0, 1, '1');
            else
                ++all[i - 1];
            integer_part = all.substr(0, all.size() - kept);
            fraction = all.substr(all.size() - kept);
        }
    }
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    if (integer_part == "0" && fraction.empty()) return "0";

    std::string text = group_thousands(integer_part);
    if (!fraction.empty()) {
        if (integer_part == "0" && !integer_zero) text.clear();
        text += "." + fraction;
    }
    return value < 0 ? "-" + text : text;
}

std::string trim(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
    return text.substr(begin, end - begin);
}

std::string hex_colour(std::uint32_t rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFF));
    return text;
}

} // namespace korvex::common
