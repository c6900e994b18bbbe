#include "common/text_encoding.h"

#include <algorithm>
#include <cstdint>

// kCp932Single, kCp932Pairs and kCp932Encode, generated when the program is built.
#include "cp932_table.inc"

namespace korvex::common {

namespace {

void append_utf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The code points of a UTF-8 text; nullopt for anything that is not strict
// UTF-8 (overlong forms, surrogates, beyond U+10FFFF, cut sequences).
std::optional<std::u32string> decode_utf8(std::string_view utf8) {
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b0 = static_cast<unsigned char>(utf8[i]);
        int length = 0;
        char32_t cp = 0;
        char32_t minimum = 0;
        if (b0 < 0x80) {
            length = 1;
            cp = b0;
        } else if ((b0 & 0xE0) == 0xC0) {
            length = 2;
            cp = b0 & 0x1F;
            minimum = 0x80;
        } else if ((b0 & 0xF0) == 0xE0) {
            length = 3;
            cp = b0 & 0x0F;
            minimum = 0x800;
        } else if ((b0 & 0xF8) == 0xF0) {
            length = 4;
            cp = b0 & 0x07;
            minimum = 0x10000;
        } else {
            return std::nullopt;
        }
        if (i + static_cast<std::size_t>(length) > utf8.size()) return std::nullopt;
        for (int k = 1; k < length; ++k) {
            const auto b = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
            if ((b & 0xC0) != 0x80) return std::nullopt;
            cp = (cp << 6) | (b & 0x3F);
        }
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
        out += cp;
        i += static_cast<std::size_t>(length);
    }
    return out;
}

std::optional<std::string> utf16_to_utf8(std::string_view bytes, bool little_endian) {
    if (bytes.size() % 2 != 0) return std::nullopt;
    const auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(little_endian ? a | (b << 8) : (a << 8) | b);
    };
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        char32_t cp = unit(i);
        if (cp >= 0xDC00 && cp <= 0xDFFF) return std::nullopt;
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            if (i + 4 > bytes.size()) return std::nullopt;
            const char32_t low = unit(i + 2);
            if (low < 0xDC00 || low > 0xDFFF) return std::nullopt;
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        append_utf8(out, cp);
    }
    return out;
}

bool is_lead_byte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Length of the UTF-8 sequence that starts with `lead`, 1 for a stray byte.
std::size_t sequence_length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

} // namespace

std::size_t cp932_byte_length(std::string_view utf8) {
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t len = std::min(sequence_length(lead), utf8.size() - i);
        if (len == 1) {
            bytes += 1;
        } else {
            // Half-width katakana U+FF61..U+FF9F (EF BD A1 .. EF BE 9F) are single bytes.
            const auto b1 = static_cast<unsigned char>(utf8[i + 1]);
            const auto b2 = len > 2 ? static_cast<unsigned char>(utf8[i + 2]) : 0;
            const bool half_kana = len == 3 && lead == 0xEF &&
                                   ((b1 == 0xBD && b2 >= 0xA1) || (b1 == 0xBE && b2 <= 0x9F));
            bytes += half_kana ? 1 : 2;
        }
        i += len;
    }
    return bytes;
}

std::optional<std::string> utf8_to_cp932(std::string_view utf8) {
    const auto code_points = decode_utf8(utf8);
    if (!code_points) return std::nullopt;
    std::string out;
    for (const char32_t cp : *code_points) {
        if (cp == 0) {
            out += '\0';
            continue;
        }
        const auto* end = std::end(kCp932Encode);
        const auto* found = std::lower_bound(
            std::begin(kCp932Encode), end, cp,
            [](const Cp932Encoding& e, char32_t value) { return e.codePoint < value; });
        if (found == end || found->codePoint != cp) return std::nullopt;
        if (found->bytes > 0xFF) out += static_cast<char>(found->bytes >> 8);
        out += static_cast<char>(found->bytes & 0xFF);
    }
    return out;
}

std::optional<std::string> cp932_to_utf8(std::string_view bytes) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
        } else if (is_lead_byte(b)) {
            if (i + 1 >= bytes.size()) return std::nullopt;
            const auto trail = static_cast<unsigned char>(bytes[++i]);
            if (trail < 0x40 || trail > 0xFC) return std::nullopt;
            const char16_t cp = kCp932Pairs[b - 0x81][trail - 0x40];
            if (cp == 0) return std::nullopt;
            append_utf8(out, cp);
        } else {
            const char16_t cp = kCp932Single[b];
            if (cp == 0) return std::nullopt;
            append_utf8(out, cp);
        }
    }
    return out;
}

std::optional<std::string> decode_file_text(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        const std::string_view body = bytes.substr(3);
        if (!decode_utf8(body)) return std::nullopt;
        return std::string(body);
    }
    if (bytes.starts_with("\xFF\xFE")) return utf16_to_utf8(bytes.substr(2), true);
    if (bytes.starts_with("\xFE\xFF")) return utf16_to_utf8(bytes.substr(2), false);
    return cp932_to_utf8(bytes);
}

std::vector<std::string> split_lines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

} // namespace korvex::common
