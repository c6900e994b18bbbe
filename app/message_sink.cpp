#include "app/message_sink.h"

#include <QMessageBox>

namespace korvex::app {

namespace {
const QString kTitle = QStringLiteral("Korvex for wood");
}

void MessageBoxSink::show_message(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, kTitle, text);
}

bool MessageBoxSink::ask(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, kTitle, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

} // namespace korvex::app
