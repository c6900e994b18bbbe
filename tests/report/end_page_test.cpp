#include <gtest/gtest.h>

#include <algorithm>

#include "report/end_page.h"
#include "report/page_numbers.h"
#include "tests/support/canvas.h"

namespace korvex::report {
namespace {

using testing::CanvasFixture;

constexpr int kPaperPenY = 3000;
constexpr const char* kToday = "2024/05/01";

struct ScreenCase {
    int penY;
    double lineHeight;
    int pageBottom;
    int sectionRowMark;
    int sectionRow;
};

TEST(EndPageOnScreen, MovesTheSectionRowBelowThePenAndDrawsNothing) {
    // 500 px is 176 mm; the top offset (34 px) is taken off as millimetres.
    const ScreenCase cases[] = {
        {500, 5.0, 176, 162, 157},
        {500, 4.0, 176, 162, 154},
        {500, 4.5, 176, 162, 155}, // 142 + 13.5 truncates
        {1000, 5.0, 352, 338, 333},
    };
    for (const auto& c : cases) {
        CanvasFixture f(kScreenOutput, {{}, "/work/roof.kvxw", kToday});
        f.canvas.pageLineHeight = c.lineHeight;
        f.canvas.lineCount = 4;
        f.canvas.footerPending = 1;
        f.surface.text_out(20, c.penY, "《 計 算 結 果 》");
        const std::size_t drawn = f.surface.texts().size();

        end_page(f.canvas);
        SCOPED_TRACE(c.penY);
        EXPECT_EQ(f.canvas.penY, c.penY);
        EXPECT_EQ(f.canvas.pageBottom, c.pageBottom);
        EXPECT_EQ(f.canvas.sectionRowMark, c.sectionRowMark);
        EXPECT_EQ(f.canvas.sectionRow, c.sectionRow);
        EXPECT_EQ(f.canvas.lineCount, 7);
        EXPECT_EQ(f.surface.texts().size(), drawn);
        EXPECT_EQ(f.surface.page_count(), 1);
    }
}

// A printed page whose pen stands at kPaperPenY, with the given settings.
struct PaperPage : CanvasFixture {
    explicit PaperPage(PrintSettings settings = {}, std::string path = "")
        : CanvasFixture(kPrinterOutput, {std::move(settings), std::move(path), kToday}) {
        canvas.fileNameX = 307;
        surface.text_out(400, kPaperPenY, "全てＯＫです");
    }

    std::vector<RecordedText> texts_on(int page) const {
        std::vector<RecordedText> found;
        for (const auto& t : surface.texts())
            if (t.page == page && t.text != "全てＯＫです") found.push_back(t);
        return found;
    }
};

struct FooterCase {
    int footerPending;
    const char* path;
    bool fileName;
    bool footer;
};

TEST(EndPageOnPaper, PrintsThePendingFooterWithTheFileNameWhenThereIsOne) {
    const FooterCase cases[] = {
        {1, "/home/sato/屋根.kvxw", true, true},
        {1, "", false, true},
        {0, "/home/sato/屋根.kvxw", false, false},
    };
    // 1.5 line heights (7.5 mm) below the pen.
    const int y = kPaperPenY + 177;
    for (const auto& c : cases) {
        PaperPage p({}, c.path);
        p.canvas.footerPending = c.footerPending;
        p.surface.set_font_size(8);
        end_page(p.canvas);

        std::vector<RecordedText> expected;
        if (c.fileName)
            expected.push_back(
                {0, 0, {307, y}, std::string("FileName : ") + c.path, {kProportionalFont, 7}, {}, {}});
        // Without a file name the footer keeps the size the page ended with.
        if (c.footer)
            expected.push_back({0,
                                0,
                                {3401, y},
                                "Velmora建材株式会社 [2024/05/01]",
                                {kProportionalFont, c.fileName ? 10 : 8},
                                {},
                                {}});
        const auto drawn = p.texts_on(0);
        SCOPED_TRACE(std::string(c.path) + " pending " + std::to_string(c.footerPending));
        ASSERT_EQ(drawn.size(), expected.size());
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            EXPECT_EQ(drawn[i].at, expected[i].at);
            EXPECT_EQ(drawn[i].text, expected[i].text);
            EXPECT_EQ(drawn[i].font, expected[i].font);
        }
        EXPECT_EQ(p.canvas.footerPending, 0);
        EXPECT_EQ(p.canvas.pageBottom, 0);
        EXPECT_EQ(p.surface.font().size, c.fileName ? 10 : 8);
    }
}

TEST(EndPageOnPaper, NumbersTheSheetAtTheBottomOrTheNextOneAtTheTop) {
    for (const PageNumberPosition position : kPageNumberPositions) {
        const int code = report::code(position);
        PrintSettings settings;
        settings.pageNumberPosition = position;
        settings.startNumber = "5";
        settings.numberFormat = report::PageNumberFormat::dashed;
        PaperPage p(settings);
        p.canvas.lineCount = 30;
        p.canvas.pageFirstRow = 120;
        end_page(p.canvas);

        SCOPED_TRACE(code);
        const PageNumberFrame frame{p.canvas.scale, 4961, 7016, 10};
        const auto bottom = p.texts_on(0);
        const auto top = p.texts_on(1);
        if (code >= 20) {
            ASSERT_EQ(bottom.size(), 1u);
            EXPECT_EQ(bottom[0].text, "-5-");
            EXPECT_EQ(bottom[0].at, page_number_position(position, 3, frame));
        } else {
            EXPECT_TRUE(bottom.empty());
        }
        if (code >= 10 && code <= 12) {
            ASSERT_EQ(top.size(), 1u);
            EXPECT_EQ(top[0].text, "-6-");
            EXPECT_EQ(top[0].at, page_number_position(position, 3, frame));
            EXPECT_EQ(p.canvas.pageNumberX, top[0].at.x);
        } else {
            EXPECT_TRUE(top.empty());
        }
        EXPECT_EQ(p.canvas.pageNumberY, 141); // 6 mm, whatever the code
        EXPECT_EQ(p.surface.page_count(), 2);
        EXPECT_EQ(p.canvas.sheetIndex, 2);
        EXPECT_EQ(p.canvas.pageFirstRow, 7);
        EXPECT_EQ(p.canvas.lineCount, 1);
    }
}

TEST(EndPageOnPaper, BottomNumberUsesTheFontSizeThePageEndsWith) {
    PrintSettings settings;
    settings.pageNumberPosition = report::PageNumberPosition::bottomLeft;
    PaperPage p(settings);
    p.surface.set_font_size(8);
    end_page(p.canvas);
    ASSERT_EQ(p.texts_on(0).size(), 1u);
    EXPECT_EQ(p.texts_on(0)[0].at, (Point{118, 6864}));
}

TEST(EndPageOnPaper, LastPageGetsFooterAndNumberButNoFreshSheet) {
    PrintSettings settings;
    settings.pageNumberPosition = report::PageNumberPosition::bottomCentre;
    PaperPage p(settings, "/tmp/a.kvxw");
    p.canvas.sheetIndex = 3;
    p.canvas.footerPending = 1;
    p.canvas.lastPageFlag = kLastPage;
    end_page(p.canvas);

    const auto drawn = p.texts_on(0);
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[0].text, "FileName : /tmp/a.kvxw");
    EXPECT_EQ(drawn[1].text, "Velmora建材株式会社 [2024/05/01]");
    EXPECT_EQ(drawn[2].text, "3");
    EXPECT_EQ(p.surface.page_count(), 1);
    EXPECT_EQ(p.canvas.sheetIndex, 3);
}

TEST(EndPageOnPaper, SheetsAreNumberedOneAfterAnother) {
    PrintSettings settings;
    settings.pageNumberPosition = report::PageNumberPosition::bottomRight;
    PaperPage p(settings);
    end_page(p.canvas);
    p.surface.text_out(400, kPaperPenY, "全てＯＫです");
    end_page(p.canvas);
    p.canvas.lastPageFlag = kLastPage;
    end_page(p.canvas);

    std::vector<std::string> numbers;
    for (const auto& t : p.surface.texts())
        if (t.text != "全てＯＫです") numbers.push_back(std::to_string(t.page) + ":" + t.text);
    EXPECT_EQ(numbers, (std::vector<std::string>{"0:1", "1:2", "2:3"}));
    EXPECT_EQ(p.surface.page_count(), 3);
}

} // namespace
} // namespace korvex::report
