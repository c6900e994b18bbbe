#include "site/comma_text.h"

namespace korvex::site {

namespace {

// A NUL ends the text, as it ends the line in the files these rules come from.
bool is_separator_blank(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 1 && u <= ' ';
}

} // namespace

std::vector<std::string> split_comma_text(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t p = 0;
    const auto at = [&](std::size_t i) { return i < line.size() ? line[i] : '\0'; };
    while (is_separator_blank(at(p))) ++p;
    while (at(p) != '\0') {
        std::string field;
        if (at(p) == '"') {
            ++p;
            while (at(p) != '\0') {
                if (at(p) == '"') {
                    if (at(p + 1) != '"') {
                        ++p;
                        break;
                    }
                    ++p; // a doubled quote stands for one
                }
                field += at(p++);
            }
        } else {
            const std::size_t start = p;
            while (at(p) != '\0' && !is_separator_blank(at(p)) && at(p) != ',') ++p;
            field.assign(line.substr(start, p - start));
        }
        fields.push_back(std::move(field));
        while (is_separator_blank(at(p))) ++p;
        if (at(p) == ',') {
            // A comma at the very end still closes an empty last field.
            if (at(p + 1) == '\0') fields.emplace_back();
            do ++p;
            while (is_separator_blank(at(p)));
        }
    }
    return fields;
}

} // namespace korvex::site
