#include "app/span_table_window.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/busy_popup.h"
#include "app/form_view.h"
#include "app/message_sink.h"
#include "app/paper_surface.h"
#include "app/project_file_dialogs.h"
#include "app/report_rendering.h"
#include "form/calculate.h"
#include "form/dialog_layouts.h"
#include "form/span_table.h"
#include "persist/atomic_file.h"
#include "report/span_table_page.h"

namespace korvex::app {

namespace {

constexpr int kSpanTableRowHeight = 64; // three lines of a cell

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

const form::DialogLayout& dialog() {
    return form::span_table_dialog_layout();
}

const form::DialogItem& item(std::string_view name) {
    return form::dialog_item(dialog(), name);
}

bool run_system_print_dialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

QString choose_system_file(QWidget* parent, const QString& title, const QString& proposal,
                           const QString& filter) {
    QFileDialog dialog(parent, title, proposal, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QFileInfo(proposal).suffix());
    dialog.selectFile(proposal);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

// The cell's answer, what stops a longer span, and in which case.
QString cell_text(const run::SpanTableCell& cell) {
    QStringList lines;
    for (const std::string& line : form::span_table_cell_lines(cell)) lines << qt(line);
    return lines.join(QLatin1Char('\n'));
}

QString conditions_text(const run::SpanTable& table) {
    QString html = QStringLiteral("<table cellspacing='0' cellpadding='1'>");
    for (const run::SpanTableCondition& condition : table.conditions)
        html += QStringLiteral("<tr><td><b>%1</b></td><td>：%2</td></tr>")
                    .arg(qt(condition.label).toHtmlEscaped(), qt(condition.value).toHtmlEscaped());
    return html + QStringLiteral("</table>");
}

} // namespace

SpanTableDialogs system_span_table_dialogs() {
    return {run_system_print_dialog, choose_system_file};
}

bool render_span_table(const form::Session& session, const run::SpanTable& table,
                       QPagedPaintDevice& device) {
    PaperSurface surface(device);
    if (!surface.is_active()) return false;
    report::ReportCanvas canvas;
    report::begin_report(canvas, report::kPrinterOutput, surface, report_document(session));
    report::draw_span_table_page(canvas, table);
    return surface.finish();
}

QString save_span_table_pdf(const form::Session& session, const run::SpanTable& table,
                            const QString& file) {
    QPdfWriter writer(file);
    set_up_pdf_writer(writer);
    writer.setTitle(QStringLiteral("Korvex for wood 許容スパン表"));
    writer.setCreator(QStringLiteral("Korvex for wood"));
    if (!render_span_table(session, table, writer))
        return QStringLiteral("PDF ファイル %1 に書き込めませんでした。").arg(file);
    return {};
}

SpanTableWindow::SpanTableWindow(const form::Session& session, MessageSink& sink, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      session_(session), sink_(sink), dialogs_(system_span_table_dialogs()) {
    setObjectName(qt(dialog().name));
    setWindowTitle(qt(dialog().title));
    setFont(form_font());
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kFormBackground);
    setPalette(palette);
    build();
    worker_.setMaxThreadCount(1);
}

SpanTableWindow::~SpanTableWindow() {
    worker_.waitForDone();
}

void SpanTableWindow::build() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);

    auto* title = new QLabel(qt(item("titleBand").text), this);
    title->setFont(form_font(kFormFontPixels, true));
    title->setAutoFillBackground(true);
    title->setContentsMargins(10, 2, 10, 2);
    QPalette band = title->palette();
    band.setColor(QPalette::Window, kTitleBand);
    band.setColor(QPalette::WindowText, Qt::white);
    title->setPalette(band);
    title->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    layout->addWidget(title);

    conditions_ = new QLabel(this);
    conditions_->setObjectName(qt(item("conditionsLabel").name));
    conditions_->setTextFormat(Qt::RichText);
    conditions_->setWordWrap(true);
    layout->addWidget(conditions_);

    refusal_ = new QLabel(this);
    refusal_->setObjectName(qt(item("refusalLabel").name));
    refusal_->setWordWrap(true);
    QPalette grey = refusal_->palette();
    const form::Rgb colour = item("refusalLabel").colour;
    grey.setColor(QPalette::WindowText, QColor(colour.red, colour.green, colour.blue));
    refusal_->setPalette(grey);
    refusal_->hide();
    layout->addWidget(refusal_);

    const std::vector<const form::DialogItem*> columns =
        form::dialog_children(dialog(), "spanTable");
    grid_ = new QTableWidget(0, static_cast<int>(columns.size()), this);
    grid_->setObjectName(qt(item("spanTable").name));
    QStringList titles;
    for (const form::DialogItem* column : columns) titles << qt(column->text);
    grid_->setHorizontalHeaderLabels(titles);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setFocusPolicy(Qt::NoFocus);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(kSpanTableRowHeight);
    grid_->verticalHeader()->setMinimumWidth(86);
    grid_->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(grid_);

    const form::DialogItem& notes = item("notesLabel");
    auto* notes_label = new QLabel(qt(notes.text), this);
    notes_label->setObjectName(qt(notes.name));
    notes_label->setWordWrap(true);
    notes_label->setFont(form_font(notes.fontPixels));
    layout->addWidget(notes_label);

    auto* buttons = new QHBoxLayout;
    auto add_button = [this, buttons](std::string_view name) {
        const form::DialogItem& entry = item(name);
        auto* button = new QPushButton(qt(entry.text), this);
        button->setObjectName(qt(entry.name));
        button->setToolTip(qt(entry.hint));
        button->setMinimumSize(96, 30);
        buttons->addWidget(button);
        return button;
    };
    outputs_.push_back(add_button("printButton"));
    connect(outputs_.back(), &QPushButton::clicked, this, &SpanTableWindow::print);
    outputs_.push_back(add_button("pdfButton"));
    connect(outputs_.back(), &QPushButton::clicked, this, &SpanTableWindow::save_pdf);
    outputs_.push_back(add_button("csvButton"));
    connect(outputs_.back(), &QPushButton::clicked, this, &SpanTableWindow::save_csv);
    buttons->addStretch();
    connect(add_button("closeButton"), &QPushButton::clicked, this, &QWidget::close);
    layout->addLayout(buttons);

    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this), &QShortcut::activated, this,
            [this] {
                if (outputs_.front()->isEnabled()) print();
            });
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);

    setFixedWidth(dialog().width);
}

void SpanTableWindow::show_table(run::SpanTable table) {
    set_table(std::move(table));
    if (parentWidget() && !isVisible()) move(parentWidget()->geometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

void SpanTableWindow::follow_form() {
    if (!isVisible()) return;
    if (following_) {
        changedMeanwhile_ = true;
        return;
    }
    start_following();
}

void SpanTableWindow::start_following() {
    following_ = true;
    changedMeanwhile_ = false;
    // The worker owns its copy; the session stays the window thread's alone.
    auto copy = std::make_shared<const form::Session>(form::calculation_copy(session_));
    worker_.start([this, copy] {
        auto outcome = std::make_shared<std::variant<run::SpanTable, form::FormMessage>>(
            form::build_span_table(*copy));
        QMetaObject::invokeMethod(
            this, [this, outcome] { take_followed(std::move(*outcome)); }, Qt::QueuedConnection);
    });
}

void SpanTableWindow::take_followed(std::variant<run::SpanTable, form::FormMessage> outcome) {
    following_ = false;
    if (!isVisible()) return;
    // The form moved on while this one was worked out: it is out of date already.
    if (changedMeanwhile_) {
        start_following();
        return;
    }
    if (auto* table = std::get_if<run::SpanTable>(&outcome)) {
        set_table(std::move(*table));
    } else {
        refusal_->setText(qt(std::get<form::FormMessage>(outcome).text));
        set_current(false);
    }
    emit form_followed();
}

void SpanTableWindow::set_current(bool current) {
    refusal_->setVisible(!current);
    grid_->setEnabled(current);
    for (QPushButton* button : outputs_) button->setEnabled(current);
}

void SpanTableWindow::set_table(run::SpanTable table) {
    set_current(true);
    table_ = std::move(table);
    conditions_->setText(conditions_text(table_));
    int decks = 0;
    for (const run::SpanTableCell& cell : table_.cells) decks = std::max(decks, cell.deckIndex + 1);
    grid_->clearContents();
    grid_->setRowCount(decks);
    for (const run::SpanTableCell& cell : table_.cells) {
        auto* item = new QTableWidgetItem(cell_text(cell));
        item->setTextAlignment(Qt::AlignCenter);
        if (!cell.maxSpan) item->setForeground(QColor(160, 0, 0));
        grid_->setItem(cell.deckIndex, cell.spanCount - 1, item);
        grid_->setVerticalHeaderItem(cell.deckIndex,
                                     new QTableWidgetItem(QString::fromStdString(cell.deckName)));
    }
    grid_->setFixedHeight(grid_->horizontalHeader()->sizeHint().height() +
                          decks * kSpanTableRowHeight + 2 * grid_->frameWidth());
    resize(dialog().width, layout()->heightForWidth(dialog().width));
}

void SpanTableWindow::print() {
    set_up_printer(printer_);
    if (!dialogs_.runPrintDialog(printer_, this)) return;
    bool printed = false;
    {
        BusyPopup popup(kPrintingText, this);
        printed = render_span_table(session_, table_, printer_);
    }
    if (!printed)
        sink_.show_message(this, QStringLiteral("プリンタ「%1」で印刷を開始できませんでした。")
                                     .arg(printer_.printerName()));
}

void SpanTableWindow::save_pdf() {
    const QString proposal =
        from_path(form::span_table_proposal(session_.paths, to_path(QDir::homePath()), ".pdf"));
    const QString file = dialogs_.chooseFile(this, QStringLiteral("許容スパン表をPDFで保存"),
                                             proposal, QStringLiteral("PDF ファイル (*.pdf)"));
    if (file.isEmpty()) return;
    const QString error = save_span_table_pdf(session_, table_, file);
    if (!error.isEmpty()) sink_.show_message(this, error);
}

void SpanTableWindow::save_csv() {
    const QString proposal =
        from_path(form::span_table_proposal(session_.paths, to_path(QDir::homePath()), ".csv"));
    const QString file = dialogs_.chooseFile(this, QStringLiteral("許容スパン表をCSVで保存"),
                                             proposal, QStringLiteral("CSV ファイル (*.csv)"));
    if (file.isEmpty()) return;
    const std::string error =
        persist::write_file_atomically(to_path(file), form::span_table_csv(table_));
    if (!error.empty()) sink_.show_message(this, qt(error));
}

} // namespace korvex::app
