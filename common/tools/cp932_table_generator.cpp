// Writes the code page 932 table the program converts with, taken from the
// system's own converter (iconv's "CP932") when the program is built. Both the
// desktop and the browser edition compile this one table, so a file converts to
// the same bytes in either; the browser's C library knows no code page 932.
//
//     cp932_table_generator OUTPUT.inc

#include <iconv.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string convert(iconv_t cd, const std::string& input) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string output(16, '\0');
    char* in = const_cast<char*>(input.data());
    std::size_t in_left = input.size();
    char* out = output.data();
    std::size_t out_left = output.size();
    if (iconv(cd, &in, &in_left, &out, &out_left) == static_cast<std::size_t>(-1) || in_left != 0)
        return {};
    output.resize(output.size() - out_left);
    return output;
}

// The single code point of a UTF-8 text, or -1.
long decode_utf8(const std::string& s) {
    if (s.empty()) return -1;
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    if (s.size() == 1 && b(0) < 0x80) return b(0);
    if (s.size() == 2) return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
    if (s.size() == 3) return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
    return -1;
}

std::string encode_utf8(long cp) {
    std::string s;
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return s;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: cp932_table_generator OUTPUT.inc\n");
        return 2;
    }
    iconv_t to_utf8 = iconv_open("UTF-8", "CP932");
    iconv_t to_cp932 = iconv_open("CP932", "UTF-8");
    if (to_utf8 == reinterpret_cast<iconv_t>(-1) || to_cp932 == reinterpret_cast<iconv_t>(-1)) {
        std::fprintf(stderr, "cp932_table_generator: this system's iconv has no CP932\n");
        return 1;
    }

    // Decoding: one code point per single byte and per lead/trail pair (0 = none;
    // the byte 0x00 itself decodes through the ASCII rule).
    std::vector<long> single(256, 0);
    for (int b = 1; b < 256; ++b) {
        const long cp = decode_utf8(convert(to_utf8, std::string(1, static_cast<char>(b))));
        single[static_cast<std::size_t>(b)] = cp < 0 ? 0 : cp;
    }
    std::vector<long> pairs(256 * 256, 0);
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            const long cp = decode_utf8(convert(to_utf8, bytes));
            pairs[static_cast<std::size_t>(lead * 256 + trail)] = cp < 0 ? 0 : cp;
        }
    }

    // Encoding: the bytes the converter chooses for every code point it can write
    // (where several byte pairs decode to one character, the one it writes).
    std::vector<std::pair<long, unsigned>> encode;
    for (long cp = 1; cp <= 0xFFFF; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        const std::string bytes = convert(to_cp932, encode_utf8(cp));
        if (bytes.empty() || bytes.size() > 2) continue;
        unsigned value = static_cast<unsigned char>(bytes[0]);
        if (bytes.size() == 2) value = value * 256 + static_cast<unsigned char>(bytes[1]);
        encode.emplace_back(cp, value);
    }

    FILE* out = std::fopen(argv[1], "w");
    if (!out) {
        std::fprintf(stderr, "cp932_table_generator: cannot write %s\n", argv[1]);
        return 1;
    }
    std::fprintf(out, "// Generated from this system's iconv CP932 by cp932_table_generator.\n");
    std::fprintf(out, "inline constexpr char16_t kCp932Single[256] = {");
    for (int b = 0; b < 256; ++b)
        std::fprintf(out, "%s0x%04lX", b % 16 ? ", " : (b ? ",\n    " : "\n    "),
                     single[static_cast<std::size_t>(b)]);
    std::fprintf(out, "};\n");
    std::fprintf(out, "// Lead bytes 0x81..0xFC, trail bytes 0x40..0xFC.\n");
    std::fprintf(out, "inline constexpr char16_t kCp932Pairs[124][189] = {\n");
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        std::fprintf(out, "    {");
        for (int trail = 0x40; trail <= 0xFC; ++trail)
            std::fprintf(out, "%s0x%04lX", trail == 0x40 ? "" : ",",
                         pairs[static_cast<std::size_t>(lead * 256 + trail)]);
        std::fprintf(out, "},\n");
    }
    std::fprintf(out, "};\n");
    std::fprintf(out, "struct Cp932Encoding { char16_t codePoint; unsigned short bytes; };\n");
    std::fprintf(out, "inline constexpr Cp932Encoding kCp932Encode[%zu] = {\n", encode.size());
    for (std::size_t i = 0; i < encode.size(); ++i)
        std::fprintf(out, "%s{0x%04lX,0x%04X}", i % 8 ? "," : (i ? ",\n    " : "    "),
                     encode[i].first, encode[i].second);
    std::fprintf(out, "};\n");
    std::fclose(out);
    iconv_close(to_utf8);
    iconv_close(to_cp932);
    return 0;
}
