#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>

#include "app/message_sink.h"
#include "app/print_settings_window.h"
#include "app/report_printing.h"
#include "app/report_rendering.h"
#include "app/result_window.h"
#include "app/screen_image_surface.h"
#include "report/recording_surface.h"
#include "report/report_run.h"
#include "tests/app/widget_test_support.h"

namespace korvex::app {
namespace {

int pdf_pages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    return static_cast<int>(QString::fromLatin1(file.readAll())
                                .count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

// The sheets the report takes on A4 paper, counted on a recording surface.
int expected_sheets(const form::Session& s) {
    report::RecordingSurface paper({600, {4960, 7016}, 600});
    report::ReportCanvas canvas;
    report::begin_report(canvas, report::kPrinterOutput, paper,
                         {persist::settings_for_printing(s.printDialog, s.printSettings),
                          s.paths.currentFilePath.string(), "2024/05/01"});
    report::draw_report(canvas, s.report_data());
    return paper.page_count();
}

class ResultWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        session = korvex::testing::calculated_session();
        ASSERT_TRUE(session) << "the start-up design does not calculate";
        window = std::make_unique<ResultWindow>(*session, sink);
        QObject::connect(window.get(), &ResultWindow::closed, [this] { ++closed; });
        ASSERT_TRUE(dir.isValid());
    }

    void click(const char* button) {
        auto* b = window->findChild<QAbstractButton*>(QString::fromLatin1(button));
        ASSERT_NE(b, nullptr) << button;
        b->click();
    }

    // The print dialog a user accepts after choosing "print to file".
    void print_to(const QString& file) {
        ReportDialogs dialogs = system_report_dialogs();
        dialogs.runPrintDialog = [this, file](QPrinter& printer, QWidget* parent) {
            EXPECT_EQ(parent, window.get());
            EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
            EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            ++printDialogs;
            return !file.isEmpty();
        };
        window->set_dialogs(dialogs);
        click("printButton");
    }

    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    korvex::app::RecordingSink sink;
    std::unique_ptr<form::Session> session;
    std::unique_ptr<ResultWindow> window;
    QTemporaryDir dir;
    int closed = 0;
    int printDialogs = 0;
};

// The image is drawn from the layout measured to find its height: it must be
// the very image a drawing straight onto it gives.
TEST_F(ResultWindowTest, TheReportImageIsTheOneDrawnStraightOntoIt) {
    ScreenImageSurface direct(screen_report_height(*session));
    draw_session_report(*session, report::kScreenOutput, direct);
    EXPECT_TRUE(render_screen_report(*session) == direct.finish());
}

TEST_F(ResultWindowTest, ShowsTheReportImageSharpAtItsOwnSize) {
    const QImage image = render_screen_report(*session);
    window->show_report(image);
    QApplication::processEvents();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Korvex for wood [計算結果の表示]");
    EXPECT_EQ(window->size(), QSize(582, 698));

    auto* view = window->findChild<QWidget*>("reportImage");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->size(), QSize(565, image.deviceIndependentSize().toSize().height()));
    auto* scroll = window->findChild<QScrollArea*>("reportScroll");
    ASSERT_NE(scroll, nullptr);
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible()) << "the report is cut at the side";

    // What the window shows is the report, pixel for pixel at its own size.
    const QImage shown = view->grab(QRect(0, 0, 565, 600)).toImage();
    const QImage expected = image.copy(0, 0, 1130, 1200)
                                .scaled(565, 600, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int ink = 0;
    int differing = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 565; ++x) {
            const int expected_grey = qGray(expected.pixel(x, y));
            if (expected_grey < 128) ++ink;
            if (std::abs(qGray(shown.pixel(x, y)) - expected_grey) > 24) ++differing;
        }
    EXPECT_GT(ink, 2000) << "the first page shows no frames or text";
    EXPECT_LT(differing, 50);
}

TEST_F(ResultWindowTest, WheelNotchMovesTheReport120Pixels) {
    window->show_report(render_screen_report(*session));
    auto* scroll = window->findChild<QScrollArea*>("reportScroll");
    QScrollBar* bar = scroll->verticalScrollBar();
    const auto wheel = [&](int delta) {
        const QPointF at(100, 100);
        QWheelEvent event(at, scroll->viewport()->mapToGlobal(at), {}, {0, delta}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(scroll->viewport(), &event);
    };
    wheel(-120);
    EXPECT_EQ(bar->value(), 120);
    wheel(-240);
    EXPECT_EQ(bar->value(), 360);
    wheel(120);
    EXPECT_EQ(bar->value(), 240);

    window->show_report(render_screen_report(*session));
    EXPECT_EQ(bar->value(), 0) << "a new report starts at its first page";
}

TEST_F(ResultWindowTest, CloseButtonClearsTheReportWhileTheCloseBoxKeepsIt) {
    window->show_report(render_screen_report(*session));
    click("closeButton");
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->report_image().isNull());
    EXPECT_EQ(closed, 1);

    window->show_report(render_screen_report(*session));
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->report_image().isNull());
    EXPECT_EQ(closed, 2);
}

TEST_F(ResultWindowTest, PrintButtonDrawsEverySheetOnThePrinterEachTime) {
    window->show_report(render_screen_report(*session));
    // Page 1 with the check pages, the suction page with the verdict, the wind
    // and snow page and the diagrams.
    const int sheets = expected_sheets(*session);
    ASSERT_GE(sheets, 4);

    print_to(path("first.pdf"));
    print_to(path("second.pdf"));
    EXPECT_EQ(printDialogs, 2);
    EXPECT_EQ(pdf_pages(path("first.pdf")), sheets);
    EXPECT_EQ(pdf_pages(path("second.pdf")), sheets);
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join('\n').toStdString();
    EXPECT_FALSE(window->report_image().isNull()) << "printing leaves the screen report";
}

TEST_F(ResultWindowTest, CancelledPrintDialogPrintsNothing) {
    window->show_report(render_screen_report(*session));
    print_to({});
    EXPECT_EQ(printDialogs, 1);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(sink.messages.isEmpty());

    print_to(path("after.pdf"));
    EXPECT_EQ(pdf_pages(path("after.pdf")), expected_sheets(*session));
}

TEST_F(ResultWindowTest, PrinterThatCannotStartIsReported) {
    window->show_report(render_screen_report(*session));
    print_to(path("missing folder/report.pdf"));
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].contains("report.pdf")) << sink.messages[0].toStdString();
}

TEST_F(ResultWindowTest, PdfButtonWritesThePrintedReportWhereTheUserChooses) {
    session->paths.currentFilePath = (dir.path() + "/倉庫新築.kvxw").toStdString();
    window->show_report(render_screen_report(*session));
    QStringList proposals;
    QString answer;
    ReportDialogs dialogs = system_report_dialogs();
    dialogs.choosePdfFile = [&](QWidget*, const QString& proposal) {
        proposals << proposal;
        return answer;
    };
    window->set_dialogs(dialogs);

    click("PdfButton"); // cancelled
    answer = path("計算書 A.pdf");
    click("PdfButton");
    answer = path("no such folder/x.pdf");
    click("PdfButton");

    ASSERT_EQ(proposals.size(), 3);
    EXPECT_EQ(proposals[0], path("倉庫新築.pdf"));
    EXPECT_EQ(pdf_pages(path("計算書 A.pdf")), expected_sheets(*session));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].contains("x.pdf"));
}

TEST(PdfProposal, TakesTheProjectNameOrTheReportName) {
    struct Case {
        const char* project;
        const char* proposal;
    };
    const Case cases[] = {
        {"", "/home/sato/計算書.pdf"},
        {"/data/倉庫新築.kvxw", "/data/倉庫新築.pdf"},
        {"/data/A棟.v2.kvxw", "/data/A棟.v2.pdf"},
        {"/data/棟", "/data/棟.pdf"},
    };
    for (const Case& c : cases) {
        persist::ProjectPaths paths;
        paths.currentFilePath = c.project;
        paths.lastSavedPath = "/elsewhere/other.kvxw";
        EXPECT_EQ(pdf_proposal(paths, "/home/sato").string(), c.proposal) << c.project;
    }
}

TEST_F(ResultWindowTest, PreviewShowsThePrintedSheets) {
    window->show_report(render_screen_report(*session));
    int pages = 0;
    ReportDialogs dialogs = system_report_dialogs();
    dialogs.runPreview = [&](QPrintPreviewDialog& dialog) {
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        ASSERT_NE(preview, nullptr);
        preview->updatePreview();
        pages = preview->pageCount();
    };
    window->set_dialogs(dialogs);
    click("PreviewButton");
    EXPECT_EQ(pages, expected_sheets(*session));
}

TEST_F(ResultWindowTest, PrintSettingsKeepTheWindowDisabledUntilTheyClose) {
    window->show_report(render_screen_report(*session));
    PrintSettingsWindow& settings = window->print_settings_window();
    click("printSettingsButton");
    EXPECT_TRUE(settings.isVisible());
    EXPECT_FALSE(window->isEnabled());
    EXPECT_FALSE(window->close()) << "the window went away under its open dialog";
    EXPECT_EQ(closed, 0);

    auto* confirm = settings.findChild<QAbstractButton*>("setButton");
    ASSERT_NE(confirm, nullptr);
    confirm->click();
    EXPECT_FALSE(settings.isVisible());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(window->isVisible());
}

} // namespace
} // namespace korvex::app
