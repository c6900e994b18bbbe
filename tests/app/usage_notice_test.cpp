#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include "app/usage_notice.h"
#include "tests/app/widget_test_support.h"

namespace korvex::app {
namespace {

TEST(UsageNotice, StatesTheTermsAndClosesOnConfirm) {
    QWidget main_window;
    UsageNotice notice(&main_window);
    EXPECT_EQ(notice.windowTitle(), "ご確認下さい");
    EXPECT_EQ(notice.size(), QSize(404, 305));
    EXPECT_TRUE(notice.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(notice.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(notice.windowFlags() & Qt::WindowSystemMenuHint);

    const auto* heading = notice.findChild<QLabel*>("headingLabel");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->text(), "「Korvex for wood」のご利用について");
    EXPECT_TRUE(heading->font().bold());

    const QString terms = notice.terms_text();
    for (const char* line :
         {"本ソフトウェアのご使用にあたり、下記事項についてご了承下さい。",
          "ご了承頂けない場合は、本ソフトウェアのご利用を中止願います。", "□免責事項",
          "本プログラムの使用にあたっては、使用者自身の責任の下に行ってください。",
          "本プログラムの使用によるいかなる損害に対しても、作者は一切の責任を", "負いかねます。",
          "本プログラムの内容に不都合・不具合が生じた場合、または作者が必要と",
          "認めた場合、その修正・改訂のためのプログラムの訂正を行います。",
          "ただし、作者はプログラム訂正の義務を負うものではありません。"})
        EXPECT_TRUE(terms.contains(QString::fromUtf8(line))) << line;
    const QTextBlock last = notice.findChild<QTextEdit*>("termsText")->document()->lastBlock();
    EXPECT_EQ(last.text(), "以上");
    EXPECT_EQ(last.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);

    auto* confirm = notice.findChild<QPushButton*>("confirmButton");
    ASSERT_NE(confirm, nullptr);
    EXPECT_EQ(confirm->text(), "確　認");
    QTimer::singleShot(0, confirm, &QPushButton::click);
    EXPECT_EQ(notice.exec(), QDialog::Accepted);
    EXPECT_FALSE(notice.isVisible());
}

} // namespace
} // namespace korvex::app
