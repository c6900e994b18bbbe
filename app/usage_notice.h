#pragma once

// The usage notice "ご確認下さい": the terms of use and the disclaimer, shown
// before anything else at the first start of a user and again on request from
// the main window. It records nothing.

#include <QDialog>

class QTextEdit;

namespace korvex::app {

class UsageNotice : public QDialog {
    Q_OBJECT
public:
    // Centred on `owner` (the main window), or on the screen without one.
    explicit UsageNotice(QWidget* owner = nullptr);

    // The text of the terms as shown, for a look from outside.
    QString terms_text() const;

private:
    QTextEdit* termsText_;
};

// Modal; returns when "確　認" is pressed.
void show_usage_notice(QWidget* owner);

} // namespace korvex::app
