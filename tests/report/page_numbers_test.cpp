#include <gtest/gtest.h>

#include "report/page_numbers.h"
#include "tests/support/canvas.h"

namespace korvex::report {
namespace {

struct TextCase {
    const char* start;
    PageNumberFormat format;
    int sheet;
    const char* expected;
};

TEST(PageNumberText, CountsFromTheStartNumberInEitherFormat) {
    const TextCase cases[] = {
        {"1", report::PageNumberFormat::plain, 1, "1"},
        {"1", report::PageNumberFormat::plain, 3, "3"},
        {"5", report::PageNumberFormat::dashed, 1, "-5-"},
        {"5", report::PageNumberFormat::dashed, 2, "-6-"},
        {"9999", report::PageNumberFormat::plain, 2, "10000"},
        // A start number that is no number at all counts from 1.
        {"", report::PageNumberFormat::dashed, 1, "-1-"},
        {"x3", report::PageNumberFormat::plain, 2, "2"},
        {"3x", report::PageNumberFormat::plain, 1, "1"},
    };
    for (const auto& c : cases) {
        PrintSettings settings;
        settings.startNumber = c.start;
        settings.numberFormat = c.format;
        EXPECT_EQ(page_number_text(settings, c.sheet), c.expected)
            << '"' << c.start << "\" format " << static_cast<int>(c.format) << " sheet " << c.sheet;
    }
}

TEST(PrintSettings, StartsWithNoSubjectAndNoPageNumbers) {
    const PrintSettings settings;
    EXPECT_EQ(settings.subject, "件名を入力");
    EXPECT_EQ(settings.pageNumberPosition, report::PageNumberPosition::none);
    EXPECT_EQ(settings.startNumber, "1");
    EXPECT_EQ(settings.numberFormat, report::PageNumberFormat::plain);
}

struct PlaceCase {
    int code;
    std::size_t bytes;
    int fontSize;
    std::optional<Point> expected;
};

TEST(PageNumberPosition, PlacesEveryCodeOnAnA4SheetAt600Dpi) {
    // S = 23.622 px/mm on a 4961 x 7016 px sheet. The centre and right columns
    // truncate once at the end: truncating n x S and 12 x S apiece would move
    // them a pixel to the right.
    // Codes that name no position stay unknown when read back.
    for (int code : {5, 13, 23, 1, -10}) EXPECT_FALSE(page_number_position_from_code(code)) << code;
    const PlaceCase cases[] = {
        {0, 1, 10, std::nullopt},       {10, 2, 10, Point{118, 141}},
        {11, 2, 10, Point{2456, 141}},  {12, 2, 10, Point{4630, 141}},
        {20, 2, 10, Point{118, 6827}},  {21, 2, 10, Point{2456, 6827}},
        {22, 2, 10, Point{4630, 6827}}, {21, 3, 10, Point{2445, 6827}},
        {22, 3, 8, Point{4606, 6864}}, // the bottom line follows the font size
    };
    for (const auto& c : cases) {
        const PageNumberFrame frame{600 / 25.4, 4961, 7016, c.fontSize};
        EXPECT_EQ(page_number_position(*page_number_position_from_code(c.code), c.bytes, frame),
                  c.expected)
            << "code " << c.code << ", " << c.bytes << " bytes, " << c.fontSize << " pt";
    }
}

} // namespace
} // namespace korvex::report
