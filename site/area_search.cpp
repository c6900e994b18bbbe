#include "site/area_search.h"

#include <algorithm>
#include <set>
#include <utility>

#include "common/number_text.h"

namespace korvex::site {

namespace {

// Katakana ァ (U+30A1) to ヶ (U+30F6) lie 0x60 above their hiragana; ヵ and ヶ
// have the small hiragana ゕ and ゖ there.
constexpr char32_t kKatakanaFirst = 0x30A1;
constexpr char32_t kKatakanaLast = 0x30F6;
constexpr char32_t kKanaDistance = 0x60;

void append_utf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

std::string to_hiragana(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        // Only three-byte sequences can be katakana; everything else is copied.
        if ((lead & 0xF0) == 0xE0 && i + 2 < utf8.size()) {
            const char32_t code = ((lead & 0x0F) << 12) |
                                  ((static_cast<unsigned char>(utf8[i + 1]) & 0x3F) << 6) |
                                  (static_cast<unsigned char>(utf8[i + 2]) & 0x3F);
            if (code >= kKatakanaFirst && code <= kKatakanaLast) {
                append_utf8(out, code - kKanaDistance);
                i += 3;
                continue;
            }
        }
        out += utf8[i];
        ++i;
    }
    return out;
}

std::vector<AreaMatch> find_areas(const SiteTables& tables, std::string_view text,
                                  std::size_t limit) {
    const std::string wanted = to_hiragana(common::trim(std::string(text)));
    if (wanted.empty() || limit == 0) return {};
    std::vector<std::pair<bool, AreaMatch>> found; // (starts with the text, match)
    std::set<std::pair<std::size_t, std::string>> listed;
    for (const AddressRow& row : tables.addressRows) {
        if (!row.hasNumbers) continue;
        const auto prefecture = prefecture_index_of(row);
        if (!prefecture) continue;
        const std::string name = to_hiragana(row.area_name());
        const std::string reading = to_hiragana(row.fields[1]);
        const auto at_name = name.find(wanted);
        const auto at_reading = reading.find(wanted);
        if (at_name == std::string::npos && at_reading == std::string::npos) continue;
        if (!listed.insert({*prefecture, row.area_name()}).second) continue;
        found.push_back(
            {at_name == 0 || at_reading == 0, AreaMatch{*prefecture, kPrefectureNames[*prefecture],
                                                        row.area_name(), row.fields[1]}});
    }
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        if (a.first != b.first) return a.first;
        return a.second.prefectureIndex < b.second.prefectureIndex;
    });
    std::vector<AreaMatch> matches;
    for (auto& [starts, match] : found) {
        if (matches.size() == limit) break;
        matches.push_back(std::move(match));
    }
    return matches;
}

} // namespace korvex::site
