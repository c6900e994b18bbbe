#include "app/overview_window.h"

#include <variant>

#include <QGuiApplication>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/rich_text_view.h"

namespace korvex::app {

OverviewWindow::OverviewWindow(MessageSink& sink, QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                         Qt::WindowCloseButtonHint),
      sink_(sink), documentView_(new QTextEdit) {
    setObjectName(QStringLiteral("OverviewWindow"));
    setWindowTitle(QStringLiteral("概　　要　[ Korvex屋根計算プログラム ]"));
    setFixedSize(584, 693);

    documentView_->setObjectName(QStringLiteral("documentView"));
    documentView_->setReadOnly(true);
    documentView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    documentView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette palette = documentView_->palette();
    palette.setColor(QPalette::Base, QColor(239, 235, 231));
    palette.setColor(QPalette::Text, Qt::black);
    documentView_->setPalette(palette);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(documentView_);
}

bool OverviewWindow::show_overview(const std::filesystem::path& data_folder) {
    auto read = read_rich_text_file(data_folder / kOverviewFileName);
    if (const QString* error = std::get_if<QString>(&read)) {
        sink_.show_message(isVisible() ? this : parentWidget(), *error);
        return false;
    }
    QFont base(QStringLiteral("IPAPGothic"));
    fill_document(*documentView_->document(), std::get<persist::RtfDocument>(read), base);
    documentView_->document()->setDocumentMargin(10);
    documentView_->moveCursor(QTextCursor::Start);
    if (!isVisible()) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    showNormal();
    raise();
    activateWindow();
    return true;
}

} // namespace korvex::app
