#pragma once

// A reader for the common subset of rich text (RTF) that the overview document
// uses: groups, paragraphs and line breaks, bold, italic, underline, font size,
// colours from the colour table, alignment, \'hh bytes in code page 932 (or 1252),
// \uN characters and ignorable destinations. Anything else is skipped, never fatal.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvex::persist {

struct RtfStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;      // \fs: font size in half points
    std::uint32_t colour = 0; // 0xRRGGBB; the colour table's "auto" is black
    bool operator==(const RtfStyle&) const = default;
};

struct RtfRun {
    std::string text; // UTF-8; "\n" for a line break inside the paragraph
    RtfStyle style;
};

enum class RtfAlignment { left, centre, right, justified };

struct RtfParagraph {
    std::vector<RtfRun> runs;
    RtfAlignment alignment = RtfAlignment::left;
};

struct RtfDocument {
    std::vector<RtfParagraph> paragraphs;
};

// nullopt when the bytes do not start as a rich-text document ("{\rtf").
std::optional<RtfDocument> read_rtf(std::string_view bytes);

} // namespace korvex::persist
