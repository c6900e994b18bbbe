#include "common/json.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace korvex::common {

namespace {

// The shortest digits that read back to |value|, and the exponent of the first.
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits parse_exponent_text(const std::string& text) {
    const auto e = text.find('e');
    Digits d;
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.') d.digits += text[i];
    d.exponent = std::stoi(text.substr(e + 1));
    return d;
}

double read_back(const Digits& d) {
    const std::string text =
        d.digits.substr(0, 1) + "." + d.digits.substr(1) + "e" + std::to_string(d.exponent);
    return std::strtod(text.c_str(), nullptr);
}

// The same number of digits one unit higher or lower in the last place.
Digits step_last_digit(Digits d, int step) {
    std::string& digits = d.digits;
    int i = static_cast<int>(digits.size()) - 1;
    if (step > 0) {
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9')
            digits[static_cast<std::size_t>(i--)] = '0';
        if (i < 0) {
            digits.insert(0, 1, '1');
            digits.pop_back();
            ++d.exponent;
        } else {
            ++digits[static_cast<std::size_t>(i)];
        }
    } else {
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '0')
            digits[static_cast<std::size_t>(i--)] = '9';
        if (i < 0) return {}; // no smaller number with as many digits
        --digits[static_cast<std::size_t>(i)];
        if (digits[0] == '0') return {};
    }
    return d;
}

// The fewest significant digits that read back to `magnitude`, and of those the
// nearest. The C library rounds each precision correctly; next to a power of two
// the correctly rounded digits can miss the double while a neighbour in the last
// place hits it, so both neighbours are tried before a digit is added. (The
// browser's C++ library has no shortest form of its own.)
Digits shortest_digits(double magnitude) {
    char buffer[64];
    for (int precision = 1; precision <= 17; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, magnitude);
        const Digits rounded = parse_exponent_text(buffer);
        if (read_back(rounded) == magnitude) return rounded;
        for (int step : {1, -1}) {
            const Digits neighbour = step_last_digit(rounded, step);
            if (!neighbour.digits.empty() && read_back(neighbour) == magnitude) return neighbour;
        }
    }
    return parse_exponent_text(buffer);
}

std::string plain_form(const Digits& d) {
    const int n = static_cast<int>(d.digits.size());
    const int point = d.exponent + 1; // digits before the decimal point
    if (point <= 0) return "0." + std::string(static_cast<std::size_t>(-point), '0') + d.digits;
    if (point >= n) return d.digits + std::string(static_cast<std::size_t>(point - n), '0');
    return d.digits.substr(0, static_cast<std::size_t>(point)) + "." +
           d.digits.substr(static_cast<std::size_t>(point));
}

std::string exponent_form(const Digits& d) {
    std::string text = d.digits.substr(0, 1);
    if (d.digits.size() > 1) text += "." + d.digits.substr(1);
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "e%c%02d", d.exponent < 0 ? '-' : '+',
                  std::abs(d.exponent));
    return text + exponent;
}

void write_string(std::string& out, const std::string& text) {
    out += '"';
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (u < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", u);
                out += escape;
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

void write_value(std::string& out, const JsonValue& value, int depth);

void indent(std::string& out, int depth) {
    out.append(static_cast<std::size_t>(depth) * 4, ' ');
}

struct Writer {
    std::string& out;
    int depth;

    void operator()(std::nullptr_t) const { out += "null"; }
    void operator()(bool value) const { out += value ? "true" : "false"; }
    void operator()(double value) const { out += json_number_text(value); }
    void operator()(const std::string& value) const { write_string(out, value); }
    void operator()(const JsonArray& array) const {
        out += "[\n";
        for (std::size_t i = 0; i < array.size(); ++i) {
            indent(out, depth + 1);
            write_value(out, array[i], depth + 1);
            out += i + 1 < array.size() ? ",\n" : "\n";
        }
        indent(out, depth);
        out += ']';
    }
    void operator()(const JsonObject& object) const {
        std::map<std::string, const JsonValue*> sorted;
        for (const auto& [key, value] : object) sorted[key] = &value;
        out += "{\n";
        std::size_t i = 0;
        for (const auto& [key, value] : sorted) {
            indent(out, depth + 1);
            write_string(out, key);
            out += ": ";
            write_value(out, *value, depth + 1);
            out += ++i < sorted.size() ? ",\n" : "\n";
        }
        indent(out, depth);
        out += '}';
    }
};

void write_value(std::string& out, const JsonValue& value, int depth) {
    std::visit(Writer{out, depth}, value.get());
}

} // namespace

std::string json_number_text(double value) {
    if (!std::isfinite(value)) return "null";
    const double magnitude = std::fabs(value);
    const std::string sign = value < 0 && magnitude != 0.0 ? "-" : "";
    if (magnitude == std::floor(magnitude) && magnitude <= 9007199254740992.0) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.0f", magnitude);
        return sign + buffer;
    }
    const Digits d = shortest_digits(magnitude);
    std::string plain = plain_form(d);
    std::string exponent = exponent_form(d);
    return sign + (plain.size() <= exponent.size() ? plain : exponent);
}

std::string to_json_text(const JsonValue& document) {
    std::string out;
    write_value(out, document, 0);
    out += '\n';
    return out;
}

} // namespace korvex::common
