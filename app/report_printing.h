#pragma once

// The printed report from the result window: the print dialog and the printer,
// a PDF file, and the print preview. Each draws the report of the session's last
// calculation anew on its device. The dialogs are passed in, so the same paths
// run in tests without a modal window.

#include <filesystem>
#include <functional>

#include <QString>

#include "form/session.h"

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace korvex::app {

class MessageSink;

struct ReportDialogs {
    // Lets the user choose the printer; false when they cancel.
    std::function<bool(QPrinter& printer, QWidget* parent)> runPrintDialog;
    // The save dialog for a PDF file, opened on `proposal`; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& proposal)> choosePdfFile;
    // Shows the preview; it asks for its pages through its paint request.
    std::function<void(QPrintPreviewDialog& dialog)> runPreview;
};

// The system's print, save and preview dialogs.
ReportDialogs system_report_dialogs();

enum class PrintOutcome { printed, cancelled, failed };

// Runs the print dialog on `printer` (set up for A4 portrait first) and prints
// the report with the busy popup shown. A printer that cannot start the document
// is reported through `sink`.
PrintOutcome print_report(const form::Session& session, QPrinter& printer,
                          const ReportDialogs& dialogs, MessageSink& sink, QWidget* parent);

// The PDF file the save dialog proposes: the project file's name with ".pdf" in
// its folder, or "計算書.pdf" in `fallbackFolder` while there is no project file.
std::filesystem::path pdf_proposal(const persist::ProjectPaths& paths,
                                   const std::filesystem::path& fallback_folder);

// Asks for a file and writes the PDF report there; false when nothing was
// written (cancelled, or the error has gone to `sink`).
bool save_report_as_pdf(const form::Session& session, const ReportDialogs& dialogs,
                        MessageSink& sink, QWidget* parent);

// The print preview of the paper report.
void preview_report(const form::Session& session, const ReportDialogs& dialogs, QWidget* parent);

} // namespace korvex::app
