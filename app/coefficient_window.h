#pragma once

// The coefficient dialog "係数等の定義": a view of the session's CoefficientDialog.
// It is shown beside the main window, which stays disabled until Set or Cancel;
// it has no close box, and a close request of the window manager counts as
// Cancel so the main window is never left disabled.

#include <array>

#include <QDialog>
#include <QPointer>

#include "app/message_sink.h"
#include "form/session.h"

class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace korvex::app {

class CoefficientWindow : public QDialog {
    Q_OBJECT
public:
    // `mainWindow` is disabled while the dialog is open; it may be null.
    CoefficientWindow(form::Session& session, MessageSink& sink, QWidget* main_window = nullptr);

    // The main window's "設　定".
    void show_coefficient_dialog();

    // Re-reads the controls from the session, e.g. after a project file filled them.
    void read_state();

    void set_coefficients();        // "設定"
    void cancel();                  // "キャンセル"
    void restore_standard_values(); // "初期値へ戻す"

signals:
    // After a successful Set: the settings changed and the main window's layout
    // was switched, so the main window must re-read its state.
    void settings_set();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override; // Escape
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void ratio_edited(int index);
    void radios_toggled();
    void finish();

    form::Session& session_;
    MessageSink& sink_;
    QPointer<QWidget> mainWindow_;
    std::array<QLineEdit*, persist::kRatioEditCount> ratioEdits_{};
    QRadioButton* strength205Radio_ = nullptr;
    QRadioButton* strength235Radio_ = nullptr;
    QRadioButton* derivedLoadsRadio_ = nullptr;
    QRadioButton* directLoadsRadio_ = nullptr;
    QSpinBox* maxDeckLengthSpin_ = nullptr;
    bool reading_ = false;
};

} // namespace korvex::app
