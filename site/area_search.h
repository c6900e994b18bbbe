#pragma once

// Finding an area by part of its name or of its reading, across every
// prefecture: the area box's search.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "site/site_tables.h"

namespace korvex::site {

// How many matches the area box offers at once.
inline constexpr std::size_t kAreaSearchLimit = 40;

struct AreaMatch {
    std::size_t prefectureIndex = 0; // into kPrefectureNames
    std::string prefectureName;
    std::string areaName;
    std::string reading; // hiragana, as the address table gives it
};

// The areas whose name or reading holds `text`; katakana is read as hiragana on
// both sides, so "サッポロ", "さっぽろ" and "札幌" all find 札幌市. Matches
// that begin with the text come first, each group in prefecture and table
// order; an area is listed once, and at most `limit` are returned.
std::vector<AreaMatch> find_areas(const SiteTables& tables, std::string_view text,
                                  std::size_t limit);

// Full-width katakana turned into hiragana; every other character kept.
std::string to_hiragana(std::string_view utf8);

} // namespace korvex::site
