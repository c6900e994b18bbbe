#include "app/result_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QToolButton>
#include <QWheelEvent>

#include "app/print_settings_window.h"
#include "app/report_view.h"

namespace korvex::app {

namespace {

const QColor kWindowColour(210, 210, 224);
const QColor kToolBarColour(0, 64, 128);

// The buttons are flat on the dark bar: light text, a lighter bar under the mouse.
const char* const kToolBarStyle = R"(
QToolButton { color: white; border: none; background: transparent; }
QToolButton:hover { background: rgb(32, 96, 160); }
QToolButton:pressed { background: rgb(0, 40, 88); }
QToolButton:disabled { color: rgb(0, 64, 128); }
)";

QFont window_font(int pixels) {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(pixels);
    return font;
}

} // namespace

ResultWindow::ResultWindow(form::Session& session, MessageSink& sink, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      session_(session), sink_(sink), dialogs_(system_report_dialogs()) {
    setObjectName(QStringLiteral("ResultWindow"));
    setWindowTitle(QStringLiteral("Korvex for wood [計算結果の表示]"));
    setFixedSize(582, 698);
    setFont(window_font(12));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kWindowColour);
    setPalette(palette);

    build_tool_bar();

    reportScroll_ = new QScrollArea(this);
    reportScroll_->setObjectName(QStringLiteral("reportScroll"));
    reportScroll_->setGeometry(0, 25, 582, 673);
    reportScroll_->setFrameShape(QFrame::NoFrame);
    reportScroll_->setBackgroundRole(QPalette::Button);
    reportScroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    reportScroll_->viewport()->installEventFilter(this);
    reportImage_ = new ReportView;
    reportImage_->setObjectName(QStringLiteral("reportImage"));
    reportImage_->setFixedSize(565, 3050);
    reportScroll_->setWidget(reportImage_);

    printSettings_ = std::make_unique<PrintSettingsWindow>(session_, this);

    // The keys of the two commands run the buttons' own slots.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this), &QShortcut::activated, this,
            &ResultWindow::print);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &ResultWindow::close_report);
}

ResultWindow::~ResultWindow() = default;

void ResultWindow::build_tool_bar() {
    toolBar_ = new QWidget(this);
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setGeometry(0, 0, 582, 25);
    toolBar_->setAutoFillBackground(true);
    QPalette palette = toolBar_->palette();
    palette.setColor(QPalette::Window, kToolBarColour);
    toolBar_->setPalette(palette);
    toolBar_->setStyleSheet(QString::fromUtf8(kToolBarStyle));

    QToolButton* print = add_button("printButton", QStringLiteral("印刷"),
                                    QStringLiteral("用紙をA4 縦に設定して下さい"), 0, 100);
    connect(print, &QToolButton::clicked, this, &ResultWindow::print);
    connect(add_button("closeButton", QStringLiteral("閉じる"), QStringLiteral("条件入力へ戻る"),
                       100, 100),
            &QToolButton::clicked, this, &ResultWindow::close_report);
    // Without a printer a user still wants the report on paper later, or to look
    // at the sheets first: both live where the bar otherwise has its spacer.
    connect(add_button("PdfButton", QStringLiteral("PDF保存"),
                       QStringLiteral("印刷用の計算書をPDFファイルに保存します"), 200, 100),
            &QToolButton::clicked, this, &ResultWindow::save_pdf);
    connect(add_button("PreviewButton", QStringLiteral("印刷プレビュー"),
                       QStringLiteral("印刷される計算書を画面で確かめます"), 300, 120),
            &QToolButton::clicked, this, &ResultWindow::preview);
    add_button("spacerButton", QStringLiteral("　　　　　"), {}, 420, 62)->setEnabled(false);
    connect(add_button("printSettingsButton", QStringLiteral("印刷の設定"),
                       QStringLiteral("件名・ページの設定"), 482, 100),
            &QToolButton::clicked, this, &ResultWindow::open_print_settings);
}

QToolButton* ResultWindow::add_button(const char* name, const QString& caption, const QString& hint,
                                      int x, int width) {
    auto* button = new QToolButton(toolBar_);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setFont(window_font(13));
    button->setGeometry(x, 0, width, 24);
    return button;
}

void ResultWindow::show_report(const QImage& image) {
    reportImage_->set_image(image);
    reportScroll_->verticalScrollBar()->setValue(0);
    reportScroll_->horizontalScrollBar()->setValue(0);
    if (!isVisible()) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}

const QImage& ResultWindow::report_image() const {
    return reportImage_->image();
}

void ResultWindow::closeEvent(QCloseEvent* event) {
    // While the print settings are open this window is disabled and waits for them.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

bool ResultWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == reportScroll_->viewport() && event->type() == QEvent::Wheel) {
        // One notch of the wheel moves the report by 120 pixels.
        const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
        if (delta != 0) {
            QScrollBar* bar = reportScroll_->verticalScrollBar();
            bar->setValue(bar->value() - delta);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ResultWindow::print() {
    print_report(session_, printer_, dialogs_, sink_, this);
}

void ResultWindow::close_report() {
    hide();
    reportImage_->clear();
    emit closed();
}

void ResultWindow::open_print_settings() {
    printSettings_->open_dialog();
}

void ResultWindow::save_pdf() {
    save_report_as_pdf(session_, dialogs_, sink_, this);
}

void ResultWindow::preview() {
    preview_report(session_, dialogs_, this);
}

} // namespace korvex::app
