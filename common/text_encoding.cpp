#include "common/text_encoding.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace korvex::common {

namespace {

std::optional<std::string> convert(std::string_view input, const char* from, const char* to) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string output;
    output.resize(input.size() * 2 + 16);
    char* in = const_cast<char*>(input.data());
    std::size_t in_left = input.size();
    std::size_t out_pos = 0;
    bool ok = true;
    while (in_left > 0) {
        char* out = output.data() + out_pos;
        std::size_t out_left = output.size() - out_pos;
        const std::size_t r = iconv(cd, &in, &in_left, &out, &out_left);
        out_pos = output.size() - out_left;
        if (r == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) {
                output.resize(output.size() * 2);
                continue;
            }
            ok = false; // EILSEQ or EINVAL: an invalid or incomplete sequence
            break;
        }
    }
    iconv_close(cd);
    if (!ok) return std::nullopt;
    output.resize(out_pos);
    return output;
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
    return convert(utf8, "UTF-8", "CP932");
}

std::optional<std::string> cp932_to_utf8(std::string_view bytes) {
    return convert(bytes, "CP932", "UTF-8");
}

std::optional<std::string> decode_file_text(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        const std::string_view body = bytes.substr(3);
        // Validate by a round trip through iconv.
        if (!convert(body, "UTF-8", "UTF-8")) return std::nullopt;
        return std::string(body);
    }
    if (bytes.starts_with("\xFF\xFE")) return convert(bytes.substr(2), "UTF-16LE", "UTF-8");
    if (bytes.starts_with("\xFE\xFF")) return convert(bytes.substr(2), "UTF-16BE", "UTF-8");
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
