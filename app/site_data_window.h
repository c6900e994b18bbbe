#pragma once

// The window "地域データ": every area of every prefecture with V0, snow zone,
// alpha, beta, gamma, R, altitude, snow depth, rule marker, where the row comes
// from, the office its sea-ratio reference is measured at (with a map of the
// circle about it) and the user's "出典" note; a filter by any part of a name or its
// reading; and a row editor that stores the user's own row. What it lists and
// what storing does are the form's (form/site_data.h); the window shows them.

#include <map>
#include <string>
#include <vector>

#include <QDialog>

#include "form/dialog_layouts.h"
#include "form/session.h"
#include "form/site_data.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;

namespace korvex::app {

class MessageSink;
class SeaMapWindow;

class SiteDataWindow : public QDialog {
    Q_OBJECT
public:
    SiteDataWindow(form::Session& session, MessageSink& sink, QWidget* parent = nullptr);

    // Lists the tables afresh and shows the window in front.
    void show_site_data();

    // The rows listed now, filter or not (for the view and for tests).
    const std::vector<form::SiteDataRow>& rows() const { return rows_; }
    int shown_row_count() const;

    // The editor's fields as a row, and back.
    form::UserSiteRow edited_row() const;
    void edit_row(const form::UserSiteRow& row);

public slots:
    // "ユーザーデータとして保存"
    void save_row();
    // "新しい地域": an empty row of the selected prefecture.
    void new_row();

signals:
    // The user's table changed; the input window shows the site afresh.
    void site_data_changed();

private:
    void build();
    void fill_table();
    void apply_filter();
    void on_row_selected();
    // The map of the selected area's office within its zone's R.
    void show_sea_map();
    QLineEdit* add_field(const form::DialogItem& field);

    form::Session& session_;
    MessageSink& sink_;
    std::vector<form::SiteDataRow> rows_;
    std::map<std::string, QWidget*> fields_;

    QLineEdit* filterEdit_ = nullptr;
    QTableView* tableView_ = nullptr;
    QStandardItemModel* model_ = nullptr;
    QComboBox* prefectureBox_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    QGridLayout* editorGrid_ = nullptr;
    QPushButton* seaMapButton_ = nullptr;
    SeaMapWindow* seaMap_ = nullptr;
};

} // namespace korvex::app
