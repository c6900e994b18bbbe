#include "app/report_printing.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/busy_popup.h"
#include "app/message_sink.h"
#include "app/paper_surface.h"
#include "app/report_rendering.h"

namespace korvex::app {

namespace {

QString to_qstring(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

bool run_system_print_dialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    // The report is always printed whole: offering a page range that would be
    // ignored misleads.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

QString choose_system_pdf_file(QWidget* parent, const QString& proposal) {
    QFileDialog dialog(parent, QStringLiteral("計算書をPDFで保存"), proposal,
                       QStringLiteral("PDF ファイル (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(proposal);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

QString print_failure(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return QStringLiteral("PDF ファイル %1 に書き込めませんでした。")
            .arg(printer.outputFileName());
    return QStringLiteral("プリンタ「%1」で印刷を開始できませんでした。")
        .arg(printer.printerName());
}

} // namespace

ReportDialogs system_report_dialogs() {
    return {run_system_print_dialog, choose_system_pdf_file,
            [](QPrintPreviewDialog& dialog) { dialog.exec(); }};
}

PrintOutcome print_report(const form::Session& session, QPrinter& printer,
                          const ReportDialogs& dialogs, MessageSink& sink, QWidget* parent) {
    set_up_printer(printer);
    if (!dialogs.runPrintDialog(printer, parent)) return PrintOutcome::cancelled;
    bool printed = false;
    {
        BusyPopup popup(kPrintingText, parent);
        printed = render_paper_report(session, printer);
    }
    if (printed) return PrintOutcome::printed;
    sink.show_message(parent, print_failure(printer));
    return PrintOutcome::failed;
}

std::filesystem::path pdf_proposal(const persist::ProjectPaths& paths,
                                   const std::filesystem::path& fallback_folder) {
    if (paths.currentFilePath.empty()) return fallback_folder / "計算書.pdf";
    std::filesystem::path file = paths.currentFilePath;
    return file.replace_extension(".pdf");
}

bool save_report_as_pdf(const form::Session& session, const ReportDialogs& dialogs,
                        MessageSink& sink, QWidget* parent) {
    const QString proposal =
        to_qstring(pdf_proposal(session.paths, QDir::homePath().toStdString()));
    const QString file = dialogs.choosePdfFile(parent, proposal);
    if (file.isEmpty()) return false;
    QString error;
    {
        BusyPopup popup(kPrintingText, parent);
        error = save_pdf_report(session, file);
    }
    if (error.isEmpty()) return true;
    sink.show_message(parent, error);
    return false;
}

void preview_report(const form::Session& session, const ReportDialogs& dialogs, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    set_up_printer(printer);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("印刷プレビュー"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&session](QPrinter* device) { render_paper_report(session, *device); });
    dialogs.runPreview(dialog);
}

} // namespace korvex::app
