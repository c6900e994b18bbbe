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
#include "site/site_tables.h"

namespace korvex::app {

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// The columns of the list, with the row member each shows.
struct Column {
    const char* title;
    std::string form::SiteDataRow::*value;
    bool number;
};

const Column kColumns[] = {
    {"都道府県", &form::SiteDataRow::prefecture, false},
    {"地域", &form::SiteDataRow::area, false},
    {"よみ", &form::SiteDataRow::reading, false},
    {"V0 (m/s)", &form::SiteDataRow::baseWindSpeed, true},
    {"積雪区域", &form::SiteDataRow::snowZone, true},
    {"α", &form::SiteDataRow::alpha, true},
    {"β", &form::SiteDataRow::beta, true},
    {"γ", &form::SiteDataRow::gamma, true},
    {"R (km)", &form::SiteDataRow::radius, true},
    {"標高 (m)", &form::SiteDataRow::altitude, true},
    {"垂直積雪量 (cm)", &form::SiteDataRow::snowDepth, true},
    {"細則", &form::SiteDataRow::ruleFlag, true},
    {"由来", &form::SiteDataRow::origin, false},
    {"出典", &form::SiteDataRow::sourceNote, false},
};

constexpr int kWidestColumn = 180;

} // namespace

SiteDataWindow::SiteDataWindow(form::Session& session, MessageSink& sink, QWidget* parent)
    : QDialog(parent), session_(session), sink_(sink) {
    setObjectName(QStringLiteral("SiteDataWindow"));
    setWindowTitle(QStringLiteral("地域データ"));
    setFont(form_font());
    resize(980, 640);
    build();
}

void SiteDataWindow::build() {
    auto* layout = new QVBoxLayout(this);

    auto* filter_row = new QHBoxLayout;
    filter_row->addWidget(
        new QLabel(QStringLiteral("絞り込み（地域名・よみ・都道府県の一部）"), this));
    filterEdit_ = new QLineEdit(this);
    filterEdit_->setObjectName(QStringLiteral("siteFilterEdit"));
    filterEdit_->setClearButtonEnabled(true);
    filter_row->addWidget(filterEdit_, 1);
    layout->addLayout(filter_row);
    connect(filterEdit_, &QLineEdit::textChanged, this, [this] { apply_filter(); });

    model_ = new QStandardItemModel(this);
    QStringList titles;
    for (const Column& column : kColumns) titles << QString::fromUtf8(column.title);
    model_->setHorizontalHeaderLabels(titles);
    tableView_ = new QTableView(this);
    tableView_->setObjectName(QStringLiteral("siteTableView"));
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

    auto* editor = new QGroupBox(
        QStringLiteral("ユーザーの地域データ（選んだ行を直す、または新しい地域を加える）"), this);
    editorGrid_ = new QGridLayout(editor);
    editorGrid_->addWidget(new QLabel(QStringLiteral("都道府県"), editor), 0, 0);
    prefectureBox_ = new QComboBox(editor);
    prefectureBox_->setObjectName(QString::fromLatin1(form::kSitePrefectureField));
    for (const char* name : site::kPrefectureNames)
        prefectureBox_->addItem(QString::fromUtf8(name));
    editorGrid_->addWidget(prefectureBox_, 0, 1);
    fields_[form::kSitePrefectureField] = prefectureBox_;
    add_field(form::kSiteAreaField, QStringLiteral("地域"), 2, 0, 3);
    add_field(form::kSiteReadingField, QStringLiteral("よみ"), 6, 0, 3);
    add_field(form::kSiteWindSpeedField, QStringLiteral("V0 (m/s)"), 0, 1);
    add_field(form::kSiteZoneField, QStringLiteral("積雪区域"), 2, 1);
    add_field(form::kSiteAltitudeField, QStringLiteral("標高 (m)"), 4, 1);
    add_field(form::kSiteSnowDepthField, QStringLiteral("垂直積雪量 (cm)"), 6, 1);
    add_field(form::kSiteRuleFlagField, QStringLiteral("細則 (9=有)"), 8, 1);
    add_field(form::kSiteAlphaField, QStringLiteral("α"), 0, 2);
    add_field(form::kSiteBetaField, QStringLiteral("β"), 2, 2);
    add_field(form::kSiteGammaField, QStringLiteral("γ"), 4, 2);
    add_field(form::kSiteRadiusField, QStringLiteral("R (km)"), 6, 2);
    add_field(form::kSiteSourceNoteField, QStringLiteral("出典"), 0, 3, 9);
    layout->addWidget(editor);

    auto* buttons = new QHBoxLayout;
    statusLabel_ = new QLabel(this);
    statusLabel_->setObjectName(QStringLiteral("siteStatusLabel"));
    statusLabel_->setWordWrap(true);
    buttons->addWidget(statusLabel_, 1);
    auto* add = new QPushButton(QStringLiteral("新しい地域"), this);
    add->setObjectName(QStringLiteral("newUserRowButton"));
    auto* save = new QPushButton(QStringLiteral("ユーザーデータとして保存"), this);
    save->setObjectName(QStringLiteral("saveUserRowButton"));
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    buttons->addWidget(add);
    buttons->addWidget(save);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(add, &QPushButton::clicked, this, &SiteDataWindow::new_row);
    connect(save, &QPushButton::clicked, this, &SiteDataWindow::save_row);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

QLineEdit* SiteDataWindow::add_field(const char* name, const QString& label, int column, int row,
                                     int span) {
    QWidget* editor = prefectureBox_->parentWidget();
    editorGrid_->addWidget(new QLabel(label, editor), row, column);
    auto* edit = new QLineEdit(editor);
    edit->setObjectName(QString::fromLatin1(name));
    editorGrid_->addWidget(edit, row, column + 1, 1, span);
    fields_[name] = edit;
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
        for (const Column& column : kColumns) {
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
    edit_row(form::user_site_row(rows_[static_cast<std::size_t>(r)]));
    statusLabel_->clear();
}

form::UserSiteRow SiteDataWindow::edited_row() const {
    const auto text = [this](const char* name) {
        return static_cast<QLineEdit*>(fields_.at(name))->text().toStdString();
    };
    form::UserSiteRow row;
    row.prefecture = prefectureBox_->currentText().toStdString();
    row.area = text(form::kSiteAreaField);
    row.reading = text(form::kSiteReadingField);
    row.baseWindSpeed = text(form::kSiteWindSpeedField);
    row.snowZone = text(form::kSiteZoneField);
    row.alpha = text(form::kSiteAlphaField);
    row.beta = text(form::kSiteBetaField);
    row.gamma = text(form::kSiteGammaField);
    row.radius = text(form::kSiteRadiusField);
    row.altitude = text(form::kSiteAltitudeField);
    row.snowDepth = text(form::kSiteSnowDepthField);
    row.ruleFlag = text(form::kSiteRuleFlagField);
    row.sourceNote = text(form::kSiteSourceNoteField);
    return row;
}

void SiteDataWindow::edit_row(const form::UserSiteRow& row) {
    const auto set = [this](const char* name, const std::string& value) {
        static_cast<QLineEdit*>(fields_.at(name))->setText(qt(value));
    };
    prefectureBox_->setCurrentText(qt(row.prefecture));
    set(form::kSiteAreaField, row.area);
    set(form::kSiteReadingField, row.reading);
    set(form::kSiteWindSpeedField, row.baseWindSpeed);
    set(form::kSiteZoneField, row.snowZone);
    set(form::kSiteAlphaField, row.alpha);
    set(form::kSiteBetaField, row.beta);
    set(form::kSiteGammaField, row.gamma);
    set(form::kSiteRadiusField, row.radius);
    set(form::kSiteAltitudeField, row.altitude);
    set(form::kSiteSnowDepthField, row.snowDepth);
    set(form::kSiteRuleFlagField, row.ruleFlag);
    set(form::kSiteSourceNoteField, row.sourceNote);
}

void SiteDataWindow::new_row() {
    form::UserSiteRow row;
    row.prefecture = prefectureBox_->currentText().toStdString();
    edit_row(row);
    tableView_->clearSelection();
    statusLabel_->setText(
        QStringLiteral("新しい地域の値を入力し、「ユーザーデータとして保存」を押して下さい。"));
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
