#pragma once

// The main input window MainWindow: a view of the session's input form. A widget
// event puts the user's change into the form, runs the form's behaviour and
// then reads the whole form back into the widgets; the window itself decides
// nothing. Calculate hands the report image to a result presenter and hides the
// window until show_again. A pause after every change the right-hand part of
// the status bar gives the verdict of the form as it stands.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include <QImage>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>

#include "form/live_verdict.h"
#include "form/menu_layout.h"
#include "form/session.h"
#include "form/window_layout.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;

namespace korvex::app {

class FormSpinEdit;
class MessageSink;
class SeaMapWindow;

using form::kLiveVerdictDelay;
using form::kMainWindowWidth;
using form::kMenuBarHeight;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    using ResultPresenter = std::function<void(const QImage&)>;

    // The session has been started; the window shows its form at once.
    MainWindow(form::Session& session, MessageSink& sink, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Who shows the report after Calculate; without one the window stays up.
    void set_result_presenter(ResultPresenter presenter);
    // Asked before the window closes; false keeps it open.
    void set_close_guard(std::function<bool()> guard);

    // The list of recent designs beside "データ読込" and in the file menu; its
    // owner fills it each time it opens.
    QMenu& recent_menu() { return *recentMenu_; }

    // Reads the whole form into the widgets. Whoever changes the session from
    // outside (a loaded project, the coefficient dialog) calls it afterwards.
    void refresh();

    form::Session& session() { return session_; }

public slots:
    // "計　算"
    void calculate();
    // Back from the result window: shown, in front and with its focus.
    void show_again();

    // The commands of the other windows; each tells whoever is connected.
    void show_overview();     // "概　要"
    void show_settings();     // "設　定"
    void load_project();      // "データ読込"
    void save_project();      // "データ保存", "名前を付けて保存" (Ctrl+Shift+S)
    void save_current();      // "上書き保存" (Ctrl+S)
    void show_span_table();   // "許容スパン表"
    void show_usage_notice(); // "本プログラムのご利用について"
    void show_site_data();    // "地域データ"
    void show_sea_map();      // "地図" beside the site's point: the sea ratio's map

    // The map window, once it has been opened (for tests).
    SeaMapWindow* sea_map_window() const { return seaMap_; }

    // What is wrong with the user's site files, told once each.
    void show_user_site_notices();

signals:
    void overview_requested();
    void coefficient_dialog_requested();
    void load_requested();
    void save_requested();
    void save_current_requested();
    void span_table_requested();
    void usage_notice_requested();
    void site_data_requested();
    // A project file dropped onto the window.
    void file_dropped(const QString& file);
    // Any change of the form: an edit, a behaviour, or the session re-read.
    void form_changed();
    // The form has been still for kLiveVerdictDelay since its last change; the
    // status bar's verdict has followed it.
    void form_settled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Building (main_window_panels.cpp): the items of the form's layout table in
    // their order, each bound to its control and its changes to the form.
    void build_panels();
    QWidget* build_item(const form::LayoutItem& item, QWidget* parent);
    void add_touches(const form::LayoutItem& item, QWidget* widget);
    void connect_command(const form::LayoutItem& item, QPushButton* button);
    // main_window_menus.cpp: the menu bar with the commands' shortcuts, and the
    // order the Tab key takes through the controls.
    void build_menu_bar();
    void apply_tab_order();
    bool takes_dropped_file(QEvent* event);

    QFrame* add_panel(const std::string& name, const QRect& geometry);
    QLabel* add_text(QWidget* parent, const QString& text, const QRect& geometry,
                     Qt::Alignment alignment);
    QLabel* add_title_band(QWidget* panel, const form::LayoutItem& item);
    QLabel* add_status_bar(const QRect& geometry);
    QLabel* add_live_verdict(QWidget* bar, const form::LayoutRect& room);
    QGroupBox* add_group(QWidget* parent, form::GroupBox& group, const QRect& geometry);
    QLineEdit* add_edit(QWidget* parent, form::Edit& edit, const QRect& geometry);
    FormSpinEdit* add_spin(QWidget* parent, form::SpinEdit& spin, const QRect& geometry);
    QComboBox* add_combo(QWidget* parent, form::ComboBox& combo, const QRect& geometry);
    QCheckBox* add_check(QWidget* parent, form::CheckBox& check, const QRect& geometry);
    QRadioButton* add_radio(QWidget* parent, form::RadioButton& radio, const QRect& geometry);
    QLabel* add_display(QWidget* parent, form::Label& label, const QRect& geometry,
                        Qt::Alignment alignment);
    QLabel* add_picture(QWidget* parent, const std::string& name, const QRect& geometry);
    QPushButton* add_button(QWidget* parent, form::Button& button, const QRect& geometry);
    QWidget* add_span_pictures(QWidget* parent, const QRect& geometry);
    void add_control(QWidget* widget, const std::string& name, std::function<void()> show,
                     std::function<std::string()> hint);

    // Behaviours and their aftermath.
    void change(const std::string& control, const QString& value);
    void move_focus(const std::string& control);
    void apply_focus();
    void on_focus_changed(QWidget* now);
    void leave(const std::string& control);
    void on_area_found(std::size_t prefecture_index, const std::string& area_name);
    void show_status(const std::string& hint);
    // The status bar's verdict of the form as it is now (form/live_verdict.h).
    void show_live_verdict();
    void show_picture(QLabel& label, const std::string& file);
    void update_sea_map();
    std::string control_name(const QObject* object) const;

    form::Session& session_;
    form::InputForm& form_;
    MessageSink& sink_;
    ResultPresenter presenter_;
    std::function<bool()> closeGuard_;

    std::vector<std::function<void()>> views_;
    std::map<const QObject*, std::string> names_;
    std::map<std::string, QWidget*> widgets_;
    std::map<std::string, std::function<std::string()>> hints_;
    std::map<QLabel*, std::string> shownPictures_;
    bool refreshing_ = false;

    QMenuBar* menuBar_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QWidget* formArea_ = nullptr; // every panel, below the menu bar
    QLabel* statusBar_ = nullptr;
    QLabel* liveVerdict_ = nullptr;    // the right-hand part of the status bar
    form::LayoutRect liveVerdictRoom_; // the most of the bar it may take
    QTimer liveTimer_;
    std::vector<QLabel*> spanPictures_;
    SeaMapWindow* seaMap_ = nullptr;
};

} // namespace korvex::app
