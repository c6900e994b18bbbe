#include "common/json.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>

namespace korvex::common {

namespace {

// The shortest digits that read back to |value|, and the exponent of the first.
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits shortest_digits(double magnitude) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    const std::string text(buffer, result.ptr);
    const auto e = text.find('e');
    Digits d;
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.') d.digits += text[i];
    d.exponent = std::stoi(text.substr(e + 1));
    return d;
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
