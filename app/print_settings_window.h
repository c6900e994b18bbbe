#pragma once

// The print settings dialog: the subject of the first sheet and the page numbers.
// A view of the session's dialog state; every behaviour is the dialog state's own.
// It is shown without waiting, and the window it was opened from stays disabled
// until it closes.

#include <array>

#include <QDialog>

#include "form/session.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace korvex::app {

class PrintSettingsWindow : public QDialog {
    Q_OBJECT
public:
    // `owner` is disabled while the dialog is open and gets the focus back after.
    PrintSettingsWindow(form::Session& session, QWidget* owner);

    // Opens the dialog on the stored subject and returns at once.
    void open_dialog();

    // "キャンセル", the Escape key and a close request of the window manager.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build_subject_row();
    void build_position_group();
    void build_footer();

    void click_subject();
    void choose_position(report::PageNumberPosition position);
    void confirm();
    void cancel();

    void refresh();
    void finish(DialogCode result);

    form::Session& session_;
    QWidget* owner_;
    QLineEdit* subjectEdit_ = nullptr;
    std::array<QRadioButton*, 7> radios_{};
    QGroupBox* contentGroup_ = nullptr;
    QComboBox* numberFormatBox_ = nullptr;
    QSpinBox* startNumberSpin_ = nullptr;
};

} // namespace korvex::app
