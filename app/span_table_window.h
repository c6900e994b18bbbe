#pragma once

// The window "許容スパン表": for the design in the form, the longest equal span of
// each deck type with one to four spans and what fails just above it; printed
// or saved as a one-page A4 PDF with the report's subject and footer, or saved
// as CSV for a spreadsheet. While it is open the input window stays free, and
// the table follows the form: each settled change works it out again, away
// from the window's thread so that typing never waits for it.

#include <filesystem>
#include <functional>
#include <memory>
#include <variant>
#include <vector>

#include <QPrinter>
#include <QString>
#include <QThreadPool>
#include <QWidget>

#include "form/session.h"
#include "run/span_table.h"

class QLabel;
class QPagedPaintDevice;
class QPushButton;
class QTableWidget;

namespace korvex::app {

class MessageSink;

struct SpanTableDialogs {
    // Lets the user choose the printer; false when they cancel.
    std::function<bool(QPrinter& printer, QWidget* parent)> runPrintDialog;
    // A save dialog opened on `proposal` with a filter and a title; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& title, const QString& proposal,
                          const QString& filter)>
        chooseFile;
};

SpanTableDialogs system_span_table_dialogs();

// The sheet on an opened printer or PDF writer; false when it could not be opened.
bool render_span_table(const form::Session& session, const run::SpanTable& table,
                       QPagedPaintDevice& device);
// A one-page A4 PDF at the report's resolution; an error message on failure.
QString save_span_table_pdf(const form::Session& session, const run::SpanTable& table,
                            const QString& file);

class SpanTableWindow : public QWidget {
    Q_OBJECT
public:
    SpanTableWindow(const form::Session& session, MessageSink& sink, QWidget* parent = nullptr);
    // Waits for a table still being worked out.
    ~SpanTableWindow() override;

    // Shows the window with a table just worked out.
    void show_table(run::SpanTable table);
    const run::SpanTable& table() const { return table_; }

    void set_dialogs(SpanTableDialogs dialogs) { dialogs_ = std::move(dialogs); }

public slots:
    void print();    // "印刷" (Ctrl+P)
    void save_pdf(); // "PDF保存"
    void save_csv(); // "CSV保存"

    // The form has settled after a change: while the window is open the table
    // is worked out again on a copy of the session, on a thread of its own, and
    // replaces the one shown. A design Calculate refuses shows Calculate's
    // message in the window instead, and the table cannot be printed or saved
    // until the form calculates again. A change while one is being worked out
    // is taken up when it is done.
    void follow_form();

signals:
    // The window shows the table, or the message, of the form as it now is.
    void form_followed();

private:
    void build();
    void start_following();
    void take_followed(std::variant<run::SpanTable, form::FormMessage> outcome);
    void set_table(run::SpanTable table);
    void set_current(bool current);

    const form::Session& session_;
    MessageSink& sink_;
    SpanTableDialogs dialogs_;
    run::SpanTable table_;
    QPrinter printer_{QPrinter::HighResolution};
    QLabel* conditions_ = nullptr;
    QLabel* refusal_ = nullptr; // Calculate's message while the form does not calculate
    QTableWidget* grid_ = nullptr;
    std::vector<QPushButton*> outputs_; // print, PDF and CSV
    bool following_ = false;
    bool changedMeanwhile_ = false;
    QThreadPool worker_; // declared last: it is waited for before the rest goes
};

} // namespace korvex::app
