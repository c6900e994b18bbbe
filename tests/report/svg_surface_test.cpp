#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/report_canvas.h"
#include "report/report_fonts.h"
#include "report/svg_surface.h"

namespace korvex::report {
namespace {

struct Asked {
    std::string family;
    int pixels = 0;
    bool bold = false;
    std::string text;
};

// Half the font's pixel size per byte, ascent 0.8 and descent 0.2 of it.
TextMeasurer fake_measurer(std::vector<Asked>& asked) {
    return [&asked](const std::string& family, int pixels, bool bold, std::string_view text) {
        asked.push_back({family, pixels, bold, std::string(text)});
        return TextMetrics{text.size() * pixels * 0.5, pixels * 0.8, pixels * 0.2};
    };
}

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

// The report's font names become the IPA fonts at the desktop's whole pixel
// sizes; the text stands on its baseline, the ascent below the top it is placed
// at; the pen moves by the measured advance.
TEST(SvgSurface, TextsAreMeasuredAndPlacedAsTheDesktopPlacesThem) {
    std::vector<Asked> asked;
    SvgSurface surface(SvgGeometry{}, fake_measurer(asked));
    surface.set_font({kProportionalFont, 10, true});
    surface.text_out(100, 200, "a<b&\"c\"");
    EXPECT_EQ(surface.pen_position(), (Point{391, 200})) << "7 bytes of 41.5 px, rounded";
    surface.set_font({kFixedPitchFont, 9});
    surface.text_out(0, 0, "荷重");

    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.front().family, "IPAPGothic");
    EXPECT_EQ(asked.front().pixels, report_font_pixel_size(10, 600));
    EXPECT_EQ(asked.front().pixels, 83);
    EXPECT_TRUE(asked.front().bold);
    EXPECT_EQ(asked.back().family, "IPAGothic");

    const std::string page = surface.pages().at(0);
    EXPECT_NE(page.find("<text x=\"100\" y=\"266.4\" font-family=\"IPAPGothic\" font-size=\"83\" "
                        "font-weight=\"bold\" xml:space=\"preserve\">a&lt;b&amp;&quot;c&quot;"
                        "</text>"),
              std::string::npos)
        << page;
    EXPECT_NE(page.find(">荷重</text>"), std::string::npos);
}

// Each sheet is a document of its own, A4 at 600 dpi; lines keep their pen.
TEST(SvgSurface, EverySheetIsAnA4DocumentWithItsOwnMarks) {
    std::vector<Asked> asked;
    SvgSurface surface(SvgGeometry{}, fake_measurer(asked));
    surface.move_to(10, 10);
    surface.line_to(110, 10);
    surface.set_pen_style(PenStyle::dashDot);
    surface.line_to(110, 60);
    surface.new_page();
    surface.rectangle({5, 5, 50, 40});
    surface.arc({0, 0, 100, 50}, {100, 25}, {0, 25});

    const std::vector<std::string> pages = surface.pages();
    ASSERT_EQ(pages.size(), 2u);
    for (const std::string& page : pages) {
        EXPECT_EQ(page.rfind("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 4961 7016\" "
                             "width=\"210mm\" height=\"297mm\">",
                             0),
                  0u);
        EXPECT_EQ(count(page, "</svg>"), 1u);
    }
    EXPECT_EQ(count(pages[0], "<line "), 2u);
    EXPECT_EQ(count(pages[0], "stroke-dasharray"), 1u);
    EXPECT_EQ(count(pages[1], "<line "), 0u);
    EXPECT_NE(pages[1].find("<rect x=\"5\" y=\"5\" width=\"45\" height=\"35\" fill=\"none\""),
              std::string::npos);
    // Half the ellipse, counterclockwise on the page from the right end over the
    // top to the left end.
    EXPECT_NE(pages[1].find("<path d=\"M 100 25 A 50 25 0 0 0 0 25\""), std::string::npos)
        << pages[1];
}

} // namespace
} // namespace korvex::report
