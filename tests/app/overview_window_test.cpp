#include <fstream>
#include <iterator>

#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include "app/overview_window.h"
#include "app/rich_text_view.h"
#include "tests/app/widget_test_support.h"

namespace korvex::app {
namespace {

namespace fs = std::filesystem;

// "日本" as code page 932 bytes, "赤" as \u36196 with its fallback, a line break
// inside the second paragraph.
constexpr const char* kFixture =
    R"({\rtf1\ansi\ansicpg932{\fonttbl{\f0 x;}}{\colortbl;\red0\green0\blue0;\red160\green0\blue0;})"
    R"(\pard\qc\fs32\b \'93\'fa\'96\'7b\b0\par)"
    R"(\pard\fs20 plain {\i it}{\ul ul}{\cf2 \u36196?}\line next\par})";

std::vector<QTextFragment> fragments(const QTextBlock& block) {
    std::vector<QTextFragment> out;
    for (auto it = block.begin(); !it.atEnd(); ++it) out.push_back(it.fragment());
    return out;
}

TEST(RichTextView, StylesAndJapaneseReachTheDocument) {
    const auto rtf = persist::read_rtf(kFixture);
    ASSERT_TRUE(rtf);
    QTextDocument document;
    document.setPlainText("old content\nto be replaced");
    fill_document(document, *rtf, QFont("IPAPGothic"));
    ASSERT_EQ(document.blockCount(), 2);

    const QTextBlock title = document.firstBlock();
    EXPECT_EQ(title.text(), "日本");
    EXPECT_EQ(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QTextCharFormat title_format = fragments(title).front().charFormat();
    EXPECT_EQ(title_format.fontWeight(), QFont::Bold);
    EXPECT_EQ(title_format.fontPointSize(), 16.0);

    const QTextBlock body = title.next();
    EXPECT_EQ(body.text(), QString("plain itul赤") + QChar::LineSeparator + "next");
    struct Expected {
        QString text;
        bool italic, underline;
        QColor colour;
    };
    const Expected expected[] = {{"plain ", false, false, Qt::black},
                                 {"it", true, false, Qt::black},
                                 {"ul", false, true, Qt::black},
                                 {"赤", false, false, QColor(160, 0, 0)}};
    const auto runs = fragments(body);
    ASSERT_GE(runs.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const QTextCharFormat f = runs[i].charFormat();
        EXPECT_EQ(runs[i].text(), expected[i].text);
        EXPECT_EQ(f.fontItalic(), expected[i].italic) << i;
        EXPECT_EQ(f.fontUnderline(), expected[i].underline) << i;
        EXPECT_EQ(f.foreground().color(), expected[i].colour) << i;
        EXPECT_EQ(f.fontWeight(), QFont::Normal) << i;
        EXPECT_EQ(f.fontPointSize(), 10.0) << i;
    }
}

class OverviewTest : public ::testing::Test {
protected:
    RecordingSink sink;
    OverviewWindow viewer{sink};
    QTemporaryDir dir;

    fs::path folder() const { return dir.path().toStdString(); }
    void write(const std::string& bytes) {
        std::ofstream(folder() / kOverviewFileName, std::ios::binary) << bytes;
    }
};

TEST_F(OverviewTest, ShowsTheShippedDocumentOnceAndReloadsIt) {
    ASSERT_TRUE(viewer.show_overview(KORVEX_DATA_DIR));
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_EQ(viewer.windowTitle(), "概　　要　[ Korvex屋根計算プログラム ]");
    EXPECT_EQ(viewer.size(), QSize(584, 693));
    QTextEdit* view = viewer.view();
    EXPECT_TRUE(view->isReadOnly());
    EXPECT_EQ(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(view->palette().color(QPalette::Base), QColor(239, 235, 231));
    const QString text = view->toPlainText();
    for (const char* phrase :
         {"Korvex for wood", "平成12年建設省告示第1454号", "第1455号", "第1458号",
          "平成19年国土交通省告示第594号", "200mm以上1,000mm以下", "N/㎡"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(phrase))) << phrase;
    EXPECT_FALSE(text.contains(QChar::ReplacementCharacter));
    EXPECT_TRUE(sink.messages.isEmpty());

    // Pressed again: the same viewer, its document read anew.
    view->setPlainText("scribbled over");
    ASSERT_TRUE(viewer.show_overview(KORVEX_DATA_DIR));
    EXPECT_EQ(view->toPlainText(), text);
    int viewers = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        viewers += qobject_cast<OverviewWindow*>(w) != nullptr;
    EXPECT_EQ(viewers, 1);
}

TEST_F(OverviewTest, AMissingOrForeignFileIsReportedAndNothingShown) {
    struct Case {
        const char* content; // nullptr: no file at all
        const char* says;
    };
    const Case cases[] = {{nullptr, "見つかりません"},
                          {"plain text, no rich text", "リッチテキスト"}};
    for (const Case& c : cases) {
        sink.messages.clear();
        fs::remove(folder() / kOverviewFileName);
        if (c.content) write(c.content);
        EXPECT_FALSE(viewer.show_overview(folder()));
        EXPECT_FALSE(viewer.isVisible());
        ASSERT_EQ(sink.messages.size(), 1);
        EXPECT_TRUE(sink.messages[0].contains(kOverviewFileName));
        EXPECT_TRUE(sink.messages[0].contains(QString::fromUtf8(c.says)))
            << sink.messages[0].toStdString();
    }
}

TEST(OverviewDocument, IsShippedAsCodePage932Escapes) {
    std::ifstream in(fs::path(KORVEX_DATA_DIR) / kOverviewFileName, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_TRUE(bytes.starts_with("{\\rtf1\\ansi\\ansicpg932"));
    for (unsigned char b : bytes) ASSERT_LT(b, 0x80) << "raw bytes outside ASCII";
    EXPECT_NE(bytes.find("\\'"), std::string::npos);
}

} // namespace
} // namespace korvex::app
