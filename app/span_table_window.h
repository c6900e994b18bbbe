#pragma once

// The window "許容スパン表": for the design in the form, the longest equal span of
// each deck type with one to four spans and what fails just above it; printed
// or saved as a one-page A4 PDF with the report's subject and footer, or saved
// as CSV for a spreadsheet. It stays in front of the input window until closed,
// so the table always belongs to the form it was worked out for.

#include <filesystem>
#include <functional>

#include <QPrinter>
#include <QString>
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

    // Shows the window with a table just worked out.
    void show_table(run::SpanTable table);
    const run::SpanTable& table() const { return table_; }

    void set_dialogs(SpanTableDialogs dialogs) { dialogs_ = std::move(dialogs); }

public slots:
    void print();    // "印刷" (Ctrl+P)
    void save_pdf(); // "PDF保存"
    void save_csv(); // "CSV保存"

private:
    void build();

    const form::Session& session_;
    MessageSink& sink_;
    SpanTableDialogs dialogs_;
    run::SpanTable table_;
    QPrinter printer_{QPrinter::HighResolution};
    QLabel* conditions_ = nullptr;
    QTableWidget* grid_ = nullptr;
};

} // namespace korvex::app
