#pragma once

// The result window: the report image of the last calculation in a scrolling
// view, with print, PDF, preview, close and the print settings. Printing draws
// the report anew on the printer from the session's records.

#include <memory>

#include <QImage>
#include <QPrinter>
#include <QWidget>

#include "app/report_printing.h"
#include "form/session.h"

class QScrollArea;
class QToolButton;

namespace korvex::app {

class MessageSink;
class PrintSettingsWindow;
class ReportView;

class ResultWindow : public QWidget {
    Q_OBJECT
public:
    explicit ResultWindow(form::Session& session, MessageSink& sink, QWidget* parent = nullptr);
    ~ResultWindow() override;

    // Shows the window with the report image of the calculation just made.
    void show_report(const QImage& image);

    // The printing dialogs; tests put their own in place of the system's.
    void set_dialogs(ReportDialogs dialogs) { dialogs_ = std::move(dialogs); }

    // The image shown; null after "閉じる".
    const QImage& report_image() const;
    PrintSettingsWindow& print_settings_window() { return *printSettings_; }

signals:
    // The window has gone; the input window comes back.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build_tool_bar();
    QToolButton* add_button(const char* name, const QString& caption, const QString& hint, int x,
                            int width);

    void print();
    void close_report();
    void open_print_settings();
    void save_pdf();
    void preview();

    form::Session& session_;
    MessageSink& sink_;
    ReportDialogs dialogs_;
    // Kept for the whole run, so the printer chosen last is offered again.
    QPrinter printer_{QPrinter::HighResolution};
    QWidget* toolBar_ = nullptr;
    QScrollArea* reportScroll_ = nullptr;
    ReportView* reportImage_ = nullptr;
    std::unique_ptr<PrintSettingsWindow> printSettings_;
};

} // namespace korvex::app
