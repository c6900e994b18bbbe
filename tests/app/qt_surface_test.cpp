#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "app/paper_surface.h"
#include "app/report_fonts.h"
#include "app/screen_image_surface.h"
#include "report/end_page.h"
#include "report/primitives.h"

namespace korvex::app {
namespace {

using report::kFixedPitchFont;
using report::kProportionalFont;

class QtSurfaceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "app_tests";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
    }

    QTemporaryDir dir;
};

// A few lines and Japanese texts in both fonts, as every page draws them.
void draw_sample(report::ReportCanvas& c) {
    report::Surface& s = *c.surface;
    s.rectangle({c.leftMargin, c.topOffset, c.rightColumnX, c.topOffset + 80 * c.dpi / 72});
    report::text_at_row_col(c, 5, 2, "《設計仕様》□デッキプレート基準強度 Ｆ=205N/mm");
    report::draw_script_run(c, report::ScriptKind::superscript, "2", 6, c.baseFontSize);
    s.set_font_name(kFixedPitchFont);
    report::text_at_row_col(c, 5, 9, "-------- ■長期 --------");
    s.set_font_name(kProportionalFont);
    s.set_pen_style(report::PenStyle::dashDot);
    report::move_to_mm(c, 40, 60);
    report::line_to_mm(c, 150, 60);
    s.set_pen_style(report::PenStyle::solid);
    report::arc_mm(c, 132, 20, 194, 70, 194, 20, 132, 20);
}

int count_pages(const QByteArray& pdf) {
    return static_cast<int>(
        QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

TEST_F(QtSurfaceTest, ReportFontsResolveToTheInstalledJapaneseFaces) {
    const QFont screen = qt_font({kProportionalFont, 9}, 96);
    EXPECT_EQ(QFontInfo(screen).family(), "IPAPGothic");
    EXPECT_EQ(screen.pixelSize(), 12);
    const QFont paper = qt_font({kFixedPitchFont, 10}, 600);
    EXPECT_EQ(QFontInfo(paper).family(), "IPAGothic");
    EXPECT_EQ(paper.pixelSize(), 83);
}

TEST_F(QtSurfaceTest, ScreenImageTextHangsFromItsTopAndAdvancesThePen) {
    ScreenImageSurface surface(3350);
    report::ReportCanvas canvas;
    report::begin_report(canvas, report::kScreenOutput, surface, {});
    surface.text_out(50, 100, "荷重条件");
    const report::Point pen = surface.pen_position();
    QImage image = surface.finish();

    const QFontMetricsF metrics(qt_font(surface.font(), ScreenImageSurface::kFontDpi));
    EXPECT_EQ(pen.y, 100);
    EXPECT_NEAR(pen.x, 50 + metrics.horizontalAdvance(QStringLiteral("荷重条件")), 1.0);

    // Ink only below the given top and within one line height of it.
    const QRgb background = image.pixel(0, 0);
    int top = -1;
    int bottom = -1;
    for (int y = 80 * 2; y < 130 * 2; ++y)
        for (int x = 50 * 2; x < pen.x * 2; ++x)
            if (image.pixel(x, y) != background) {
                if (top < 0) top = y;
                bottom = y;
            }
    ASSERT_GE(top, 0) << "no text drawn";
    EXPECT_GE(top, 100 * 2);
    EXPECT_LT(bottom, (100 + 16) * 2);
}

TEST_F(QtSurfaceTest, ScreenImageIsWrittenAsASharpPng) {
    ScreenImageSurface surface(3350);
    report::ReportCanvas canvas;
    report::begin_report(canvas, report::kScreenOutput, surface, {});
    draw_sample(canvas);
    const QImage image = surface.finish();
    EXPECT_EQ(image.size(), QSize(565 * 2, 3350 * 2));
    EXPECT_EQ(image.deviceIndependentSize().toSize(), QSize(565, 3350));

    const QString path = dir.filePath(QStringLiteral("report.png"));
    ASSERT_TRUE(image.save(path));
    EXPECT_GT(QFile(path).size(), 5000);
    QImage back(path);
    ASSERT_FALSE(back.isNull());
    const QRgb background = back.pixel(0, 0);
    bool edge = false;
    for (int y = 2 * canvas.topOffset - 1; y <= 2 * canvas.topOffset + 1; ++y)
        edge = edge || back.pixel(back.width() / 2, y) != background;
    EXPECT_TRUE(edge) << "the frame's top edge is missing";
}

// Two printed sheets: the sample, a bottom page number and a footer, then a
// second sheet that is the last one.
void print_two_sheets(QPagedPaintDevice& device) {
    PaperSurface surface(device);
    ASSERT_TRUE(surface.is_active());
    report::PrintSettings settings;
    settings.pageNumberPosition = report::PageNumberPosition::bottomCentre;
    report::ReportCanvas canvas;
    report::begin_report(canvas, report::kPrinterOutput, surface,
                         {settings, "/home/sato/倉庫.kvxw", "2024/05/01"});
    draw_sample(canvas);
    canvas.footerPending = 1;
    report::end_page(canvas);
    report::text_at_row_col(canvas, 0, 10, "計算結果（M-図,δ-図）");
    canvas.lastPageFlag = report::kLastPage;
    report::end_page(canvas);
    EXPECT_TRUE(surface.finish());
}

TEST_F(QtSurfaceTest, PdfWriterPrintsTwoA4SheetsWithTheJapaneseFonts) {
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    {
        QPdfWriter writer(path);
        set_up_pdf_writer(writer);
        EXPECT_EQ(writer.logicalDpiY(), 600);
        // A4 is 595 x 842 points to the PDF.
        EXPECT_NEAR(writer.width(), 210 / 25.4 * 600, 4);
        EXPECT_NEAR(writer.height(), 297 / 25.4 * 600, 4);
        print_two_sheets(writer);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_GT(pdf.size(), 10000);
    EXPECT_EQ(count_pages(pdf), 2);
    EXPECT_TRUE(pdf.contains("IPAPGothic"));
    EXPECT_TRUE(pdf.contains("IPAGothic"));
}

TEST_F(QtSurfaceTest, PrinterStartsANewSheetForEachPage) {
    const QString path = dir.filePath(QStringLiteral("printed.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        set_up_printer(printer);
        print_two_sheets(printer);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(count_pages(file.readAll()), 2);
}

TEST_F(QtSurfaceTest, SurfacesMeasureTextsInTheFontsTheirDeviceDrawsWith) {
    const QString text = QStringLiteral("端　部：V1 = 2,066");
    const std::string utf8 = text.toStdString();
    ScreenImageSurface screen(100);
    const report::Font small{kProportionalFont, 8};
    const report::TextMetrics on_screen = screen.text_metrics(small, utf8);
    const QFontMetricsF desktop(qt_font(small, ScreenImageSurface::kFontDpi));
    EXPECT_DOUBLE_EQ(on_screen.advance, desktop.horizontalAdvance(text));
    EXPECT_DOUBLE_EQ(on_screen.ascent, desktop.ascent());
    EXPECT_DOUBLE_EQ(on_screen.descent, desktop.descent());

    QPdfWriter writer(dir.filePath(QStringLiteral("measured.pdf")));
    set_up_pdf_writer(writer);
    PaperSurface paper(writer);
    const report::Font fixed{kFixedPitchFont, 10};
    const report::TextMetrics on_paper = paper.text_metrics(fixed, utf8);
    const QFontMetricsF sheet(qt_font(fixed, kPdfDpi), &writer);
    EXPECT_DOUBLE_EQ(on_paper.advance, sheet.horizontalAdvance(text));
    EXPECT_NEAR(on_paper.height(), 10 / 72.0 * kPdfDpi * 1.07, 3) << "a 10 pt line at 600 dpi";
    // Drawing leaves the pen where the measure says the text ends.
    paper.set_font(fixed);
    paper.text_out(100, 100, utf8);
    EXPECT_EQ(paper.pen_position().x, 100 + std::lround(on_paper.advance));
    EXPECT_TRUE(paper.finish());
}

} // namespace
} // namespace korvex::app
