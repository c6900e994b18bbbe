#include "persist/rtf_reader.h"
#include "tests/fuzz/fuzz_checks.h"

namespace korvex::fuzz {

namespace {

// Well-formed UTF-8: shortest forms, no surrogate halves, nothing past U+10FFFF.
bool is_utf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t code = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            extra = 1;
            code = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            extra = 2;
            code = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            extra = 3;
            code = b & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(extra) >= text.size()) return false;
        for (int k = 1; k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((c & 0xC0) != 0x80) return false;
            code = code << 6 | (c & 0x3F);
        }
        const char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
        if (code < smallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

} // namespace

Faults check_rtf(std::string_view bytes) {
    Faults faults;
    const auto document = persist::read_rtf(bytes);
    if (!document) return faults;
    std::size_t total = 0;
    for (std::size_t p = 0; p < document->paragraphs.size(); ++p) {
        for (const persist::RtfRun& run : document->paragraphs[p].runs) {
            total += run.text.size();
            if (!is_utf8(run.text))
                faults.push_back("paragraph " + std::to_string(p) + ": run is no UTF-8");
            if (run.style.halfPoints <= 0 || run.style.halfPoints >= 4000)
                faults.push_back("paragraph " + std::to_string(p) + ": font size " +
                                 std::to_string(run.style.halfPoints));
            if (run.style.colour > 0xFFFFFF)
                faults.push_back("paragraph " + std::to_string(p) + ": colour out of range");
        }
    }
    // Every character of the text costs at least one byte of the document, and
    // none expands to more than three bytes of UTF-8.
    if (total > 3 * bytes.size())
        faults.push_back("text of " + std::to_string(total) + " bytes from a document of " +
                         std::to_string(bytes.size()));
    if (document->paragraphs.size() > bytes.size() + 1)
        faults.push_back(std::to_string(document->paragraphs.size()) + " paragraphs");
    return faults;
}

} // namespace korvex::fuzz
