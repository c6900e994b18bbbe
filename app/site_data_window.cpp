#include "app/site_data_window.h"

#include <algorithm>

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include "app/form_view.h"
#include "app/message_sink.h"
#include "app/sea_map_window.h"
#include "form/sea_ratio_reference.h"

namespace korvex::app {

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

const form::DialogLayout& dialog() {
    return form::site_data_dialog_layout();
}

const form::DialogItem& item(std::string_view name) {
    return form::dialog_item(dialog(), name);
}

constexpr int kWidestColumn = 180;

} // namespace

SiteDataWindow::SiteDataWindow(form::Session& session, MessageSink& sink, QWidget* parent)
    : QDialog(parent), session_(session), sink_(sink) {
    setObjectName(qt(dialog().name));
    setWindowTitle(qt(dialog().title));
    setFont(form_font());
    resize(dialog().width, dialog().height);
    build();
}

void SiteDataWindow::build() {
    auto* layout = new QVBoxLayout(this);

    const form::DialogItem& filter = item("siteFilterEdit");
    auto* filter_row = new QHBoxLayout;
    filter_row->addWidget(new QLabel(qt(filter.text), this));
    filterEdit_ = new QLineEdit(this);
    filterEdit_->setObjectName(qt(filter.name));
    filterEdit_->setClearButtonEnabled(true);
    filter_row->addWidget(filterEdit_, 1);
    layout->addLayout(filter_row);
    connect(filterEdit_, &QLineEdit::textChanged, this, [this] { apply_filter(); });

    model_ = new QStandardItemModel(this);
    QStringList titles;
    for (const form::SiteDataColumn& column : form::kSiteDataColumns)
        titles << QString::fromUtf8(column.title);
    model_->setHorizontalHeaderLabels(titles);
    tableView_ = new QTableView(this);
    tableView_->setObjectName(qt(item("siteTableView").name));
    tableView_->setModel(model_);
    tableView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableView_->setSelectionMode(QAbstractItemView::SingleSelection);
    tableView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableView_->verticalHeader()->hide();
    tableView_->verticalHeader()->setDefaultSectionSize(20);
    tableView_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(tableView_, 1);
    connect(tableView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { on_row_selected(); });

    const form::DialogItem& editor_item = item("siteEditor");
    auto* editor = new QGroupBox(qt(editor_item.text), this);
    editorGrid_ = new QGridLayout(editor);
    for (const form::DialogItem* field : form::dialog_children(dialog(), editor_item.name)) {
        if (field->kind != form::DialogItemKind::combo) {
            add_field(*field);
            continue;
        }
        editorGrid_->addWidget(new QLabel(qt(field->text), editor), field->cell.row,
                               field->cell.column);
        prefectureBox_ = new QComboBox(editor);
        prefectureBox_->setObjectName(qt(field->name));
        for (const std::string& name : field->items) prefectureBox_->addItem(qt(name));
        editorGrid_->addWidget(prefectureBox_, field->cell.row, field->cell.column + 1, 1,
                               field->cell.span);
        fields_[field->name] = prefectureBox_;
    }
    layout->addWidget(editor);

    auto* buttons = new QHBoxLayout;
    statusLabel_ = new QLabel(this);
    statusLabel_->setObjectName(qt(item("siteStatusLabel").name));
    statusLabel_->setWordWrap(true);
    buttons->addWidget(statusLabel_, 1);
    auto add_button = [this, buttons](std::string_view name) {
        const form::DialogItem& entry = item(name);
        auto* button = new QPushButton(qt(entry.text), this);
        button->setObjectName(qt(entry.name));
        buttons->addWidget(button);
        return button;
    };
    seaMapButton_ = add_button("siteSeaMapButton");
    seaMapButton_->setToolTip(qt(item("siteSeaMapButton").hint));
    seaMapButton_->setEnabled(false);
    connect(seaMapButton_, &QPushButton::clicked, this, &SiteDataWindow::show_sea_map);
    connect(add_button("newUserRowButton"), &QPushButton::clicked, this, &SiteDataWindow::new_row);
    connect(add_button("saveUserRowButton"), &QPushButton::clicked, this,
            &SiteDataWindow::save_row);
    connect(add_button("closeButton"), &QPushButton::clicked, this, &QDialog::close);
    layout->addLayout(buttons);
}

QLineEdit* SiteDataWindow::add_field(const form::DialogItem& field) {
    QWidget* editor = editorGrid_->parentWidget();
    editorGrid_->addWidget(new QLabel(qt(field.text), editor), field.cell.row, field.cell.column);
    auto* edit = new QLineEdit(editor);
    edit->setObjectName(qt(field.name));
    editorGrid_->addWidget(edit, field.cell.row, field.cell.column + 1, 1, field.cell.span);
    fields_[field.name] = edit;
    return edit;
}

void SiteDataWindow::show_site_data() {
    fill_table();
    show();
    raise();
    activateWindow();
}

void SiteDataWindow::fill_table() {
    rows_ = form::site_data_rows(session_.siteTables);
    model_->removeRows(0, model_->rowCount());
    model_->setRowCount(static_cast<int>(rows_.size()));
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        const form::SiteDataRow& row = rows_[static_cast<std::size_t>(r)];
        int c = 0;
        for (const form::SiteDataColumn& column : form::kSiteDataColumns) {
            auto* item = new QStandardItem(qt(row.*column.value));
            if (column.number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            model_->setItem(r, c++, item);
        }
    }
    tableView_->resizeColumnsToContents();
    // A few area names run very long; they must not push 由来 and 出典 out of sight.
    for (int c = 0; c < model_->columnCount(); ++c)
        tableView_->setColumnWidth(c, std::min(tableView_->columnWidth(c), kWidestColumn));
    apply_filter();
}

void SiteDataWindow::apply_filter() {
    const std::string filter = filterEdit_->text().toStdString();
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r)
        tableView_->setRowHidden(
            r, !form::site_data_row_matches(rows_[static_cast<std::size_t>(r)], filter));
}

int SiteDataWindow::shown_row_count() const {
    int shown = 0;
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r)
        if (!tableView_->isRowHidden(r)) ++shown;
    return shown;
}

void SiteDataWindow::on_row_selected() {
    const int r = tableView_->currentIndex().row();
    if (r < 0 || r >= static_cast<int>(rows_.size())) return;
    const form::SiteDataRow& row = rows_[static_cast<std::size_t>(r)];
    edit_row(form::user_site_row(row));
    statusLabel_->clear();
    seaMapButton_->setEnabled(form::has_office_sea_map(row));
    if (seaMap_ && seaMap_->isVisible()) show_sea_map();
}

void SiteDataWindow::show_sea_map() {
    const int r = tableView_->currentIndex().row();
    if (r < 0 || r >= static_cast<int>(rows_.size())) return;
    const auto figure =
        form::office_sea_map_figure(session_.siteTables, rows_[static_cast<std::size_t>(r)]);
    const sea::CoastlineStore* store = session_.siteTables.coastline.get();
    if (!seaMap_) seaMap_ = new SeaMapWindow(this);
    seaMap_->show_figure(figure ? &*figure : nullptr, store ? store->coastline() : nullptr);
    seaMap_->show();
    seaMap_->raise();
}

form::UserSiteRow SiteDataWindow::edited_row() const {
    form::UserSiteRow row;
    for (const form::UserSiteField& field : form::kUserSiteFields) {
        QWidget* widget = fields_.at(field.name);
        if (widget == prefectureBox_)
            row.*field.value = prefectureBox_->currentText().toStdString();
        else
            row.*field.value = static_cast<QLineEdit*>(widget)->text().toStdString();
    }
    return row;
}

void SiteDataWindow::edit_row(const form::UserSiteRow& row) {
    for (const form::UserSiteField& field : form::kUserSiteFields) {
        QWidget* widget = fields_.at(field.name);
        if (widget == prefectureBox_)
            prefectureBox_->setCurrentText(qt(row.*field.value));
        else
            static_cast<QLineEdit*>(widget)->setText(qt(row.*field.value));
    }
}

void SiteDataWindow::new_row() {
    form::UserSiteRow row;
    row.prefecture = prefectureBox_->currentText().toStdString();
    edit_row(row);
    tableView_->clearSelection();
    statusLabel_->setText(qt(item("newRowMessage").text));
    fields_.at(form::kSiteAreaField)->setFocus();
}

void SiteDataWindow::save_row() {
    const form::UserSiteRow row = edited_row();
    const form::UserRowSaved saved = form::save_user_site_row(session_, row);
    if (saved.failure) {
        const auto field = fields_.find(saved.failure->focus);
        if (field != fields_.end()) field->second->setFocus();
        sink_.show_message(this, qt(saved.failure->text));
        return;
    }
    emit site_data_changed();
    fill_table();
    // The stored row stays selected, so the user sees what was kept.
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        const form::SiteDataRow& shown = rows_[static_cast<std::size_t>(r)];
        if (shown.prefecture == row.prefecture && shown.area == row.area) {
            tableView_->setRowHidden(r, false);
            tableView_->selectRow(r);
            tableView_->scrollTo(model_->index(r, 0));
            break;
        }
    }
    statusLabel_->setText(qt(saved.status));
}

} // namespace korvex::app
