#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>

#include "app/program_windows.h"
#include "app/span_table_window.h"
#include "form/span_table.h"
#include "tests/app/widget_test_support.h"

namespace korvex::app {
namespace {

namespace fs = std::filesystem;

class NoDialogs : public ProjectFileChooser {
public:
    std::optional<fs::path> choose_save(QWidget*, const fs::path&, const QString&) override {
        return std::nullopt;
    }
    std::optional<fs::path> choose_open(QWidget*, const fs::path&) override { return std::nullopt; }
};

int pdf_pages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    return static_cast<int>(QString::fromLatin1(file.readAll())
                                .count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

std::string read_bytes(const QString& path) {
    std::ifstream in(to_path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SpanTableWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        session = korvex::testing::started_session();
        ASSERT_TRUE(session);
        windows = std::make_unique<ProgramWindows>(*session, sink, chooser, to_path(dir.path()),
                                                   KORVEX_DATA_DIR,
                                                   UserStore{to_path(dir.filePath("keep"))});
        windows->main_window().show();
    }

    SpanTableWindow& table_window() { return windows->span_table_window(); }

    void click(const char* name) {
        auto* button = table_window().findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }

    QTemporaryDir dir;
    std::unique_ptr<form::Session> session;
    RecordingSink sink;
    NoDialogs chooser;
    std::unique_ptr<ProgramWindows> windows;
};

// The window, the CSV and the PDF all show the one table the command line prints.
TEST_F(SpanTableWindowTest, TheWindowShowsTheTableAndSavesItAsCsvAndPdf) {
    windows->show_span_table();
    ASSERT_TRUE(table_window().isVisible());
    EXPECT_EQ(table_window().windowModality(), Qt::NonModal) << "the form stays open to edits";
    const auto expected = form::build_span_table(*session);
    const run::SpanTable& table = std::get<run::SpanTable>(expected);
    ASSERT_EQ(table_window().table().cells.size(), 16u);

    auto* grid = table_window().findChild<QTableWidget*>("spanTable");
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->rowCount(), 4);
    ASSERT_EQ(grid->columnCount(), 4);
    for (const run::SpanTableCell& cell : table.cells) {
        SCOPED_TRACE(cell.deckName + " × " + std::to_string(cell.spanCount));
        EXPECT_EQ(grid->verticalHeaderItem(cell.deckIndex)->text().toStdString(), cell.deckName);
        const QStringList lines =
            grid->item(cell.deckIndex, cell.spanCount - 1)->text().split('\n');
        ASSERT_GE(lines.size(), 2);
        EXPECT_EQ(lines[0].toStdString(), run::max_span_text(cell));
        EXPECT_EQ(lines[1].toStdString(), run::governing_kind_text(cell.governing.kind));
        if (!cell.governing.caseName.empty()) {
            ASSERT_EQ(lines.size(), 3);
            EXPECT_EQ(lines[2].toStdString(), cell.governing.caseName);
        }
    }
    EXPECT_TRUE(table_window().findChild<QLabel*>("conditionsLabel")->text().contains("所在地"));

    QStringList titles;
    SpanTableDialogs dialogs;
    dialogs.chooseFile = [&](QWidget*, const QString& title, const QString& proposal,
                             const QString&) {
        titles << title;
        EXPECT_TRUE(
            proposal.endsWith(title.contains("CSV") ? "許容スパン表.csv" : "許容スパン表.pdf"))
            << proposal.toStdString();
        return dir.filePath(title.contains("CSV") ? "table.csv" : "table.pdf");
    };
    int printed = 0;
    dialogs.runPrintDialog = [&](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("printed.pdf"));
        ++printed;
        return true;
    };
    table_window().set_dialogs(dialogs);

    click("csvButton");
    EXPECT_EQ(read_bytes(dir.filePath("table.csv")), form::span_table_csv(table));
    click("pdfButton");
    EXPECT_EQ(pdf_pages(dir.filePath("table.pdf")), 1);
    click("printButton");
    EXPECT_EQ(printed, 1);
    EXPECT_EQ(pdf_pages(dir.filePath("printed.pdf")), 1);
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join('\n').toStdString();

    click("closeButton");
    EXPECT_FALSE(table_window().isVisible());
}

// A design Calculate refuses gives Calculate's message and the focus, no window.
TEST_F(SpanTableWindowTest, ARefusedDesignGivesTheMessageAndTheFocus) {
    session->form.eaveHeightEdit.text = "";
    windows->main_window().refresh();
    windows->show_span_table();
    EXPECT_FALSE(table_window().isVisible());
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].contains("軒の高さ"));
    EXPECT_EQ(session->form.activeControl, "eaveHeightEdit");
}

// Open beside the form, the table follows its changes: worked out again a pause
// after each, the message of a design Calculate refuses shown in the window
// without a dialog, and nothing printed or saved from a table of another form.
TEST_F(SpanTableWindowTest, TheOpenTableFollowsTheForm) {
    windows->show_span_table();
    ASSERT_TRUE(table_window().isVisible());
    const std::string started = form::span_table_csv(table_window().table());
    auto* refusal = table_window().findChild<QLabel*>("refusalLabel");
    auto* csv = table_window().findChild<QPushButton*>("csvButton");
    auto* dead_load = windows->main_window().findChild<QSpinBox*>("otherDeadLoadSpin");
    auto* height = windows->main_window().findChild<QLineEdit*>("eaveHeightEdit");
    ASSERT_TRUE(refusal && csv && dead_load && height);
    const auto followed = [&] {
        QSignalSpy spy(&table_window(), &SpanTableWindow::form_followed);
        return spy.wait(10000);
    };

    dead_load->setValue(1500);
    ASSERT_TRUE(followed());
    const auto expected = form::build_span_table(*session);
    const std::string heavier = form::span_table_csv(std::get<run::SpanTable>(expected));
    EXPECT_NE(heavier, started);
    EXPECT_EQ(form::span_table_csv(table_window().table()), heavier);
    EXPECT_TRUE(csv->isEnabled());
    EXPECT_FALSE(refusal->isVisibleTo(&table_window()));

    const std::string focus = session->form.activeControl;
    height->clear();
    ASSERT_TRUE(followed());
    EXPECT_TRUE(refusal->isVisibleTo(&table_window()));
    EXPECT_TRUE(refusal->text().contains("軒の高さ")) << refusal->text().toStdString();
    EXPECT_FALSE(csv->isEnabled());
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join('\n').toStdString();
    EXPECT_EQ(session->form.activeControl, focus);

    height->setText("10000");
    ASSERT_TRUE(followed());
    EXPECT_FALSE(refusal->isVisibleTo(&table_window()));
    EXPECT_TRUE(csv->isEnabled());
    EXPECT_EQ(form::span_table_csv(table_window().table()), heavier);
}

TEST_F(SpanTableWindowTest, AFileThatCannotBeWrittenIsReported) {
    windows->show_span_table();
    SpanTableDialogs dialogs;
    dialogs.chooseFile = [&](QWidget*, const QString&, const QString&, const QString&) {
        return dir.filePath("no_such_folder/table.csv");
    };
    table_window().set_dialogs(dialogs);
    click("csvButton");
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].contains("table.csv"));
}

} // namespace
} // namespace korvex::app
