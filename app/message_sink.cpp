#include "app/message_sink.h"

#include <QMessageBox>
#include <QPushButton>

namespace korvex::app {

namespace {
const QString kTitle = QStringLiteral("Korvex for wood");
}

void MessageBoxSink::show_message(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, kTitle, text);
}

// The buttons carry their Japanese captions themselves: the toolkit's own would
// read "Yes" and "No" wherever its translations are not installed.
bool MessageBoxSink::ask(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, kTitle, text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("はい"));
    box.button(QMessageBox::No)->setText(QStringLiteral("いいえ"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

SaveAnswer MessageBoxSink::ask_to_save(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, kTitle, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("はい"));
    box.button(QMessageBox::No)->setText(QStringLiteral("いいえ"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("キャンセル"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return SaveAnswer::save;
    case QMessageBox::No:
        return SaveAnswer::discard;
    default:
        return SaveAnswer::cancel;
    }
}

} // namespace korvex::app
