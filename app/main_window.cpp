#include "app/main_window.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>

#include "app/busy_popup.h"
#include "app/form_view.h"
#include "app/message_sink.h"
#include "app/report_rendering.h"
#include "app/sea_map_window.h"
#include "app/span_picture.h"
#include "form/calculate.h"
#include "form/change_tracking.h"
#include "form/control_events.h"
#include "form/hints.h"
#include "form/key_filter.h"
#include "form/live_verdict.h"
#include "form/sea_ratio_reference.h"
#include "form/site_selection.h"
#include "form/validation.h"

namespace korvex::app {

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// The typed character of a key press, or nothing for keys that type none
// (arrows, Delete, function keys): those count as key-downs only.
std::optional<char32_t> typed_character(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Delete || key.text().isEmpty()) return std::nullopt;
    return key.text().toUcs4().front();
}

} // namespace

MainWindow::MainWindow(form::Session& session, MessageSink& sink, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      session_(session), form_(session.form), sink_(sink) {
    setObjectName(QStringLiteral("MainWindow"));
    setFont(form_font());
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kFormBackground);
    setPalette(palette);

    build_menu_bar();
    formArea_ = new QWidget(this);
    formArea_->setObjectName(QStringLiteral("formArea"));
    build_panels();
    apply_tab_order();
    setAcceptDrops(true);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { on_focus_changed(now); });
    liveTimer_.setSingleShot(true);
    liveTimer_.setInterval(kLiveVerdictDelay);
    connect(&liveTimer_, &QTimer::timeout, this, &MainWindow::show_live_verdict);
    connect(this, &MainWindow::form_changed, &liveTimer_, qOverload<>(&QTimer::start));
    refresh();
    statusBar_->setText(qt(form_.statusBar.caption));

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

// The controls go after this body has run: no focus change of theirs may reach
// the form any more.
MainWindow::~MainWindow() {
    disconnect(qApp, nullptr, this, nullptr);
}

void MainWindow::set_result_presenter(ResultPresenter presenter) {
    presenter_ = std::move(presenter);
}

void MainWindow::set_close_guard(std::function<bool()> guard) {
    closeGuard_ = std::move(guard);
}

void MainWindow::refresh() {
    refreshing_ = true;
    setWindowTitle(qt(form::window_caption(session_)));
    setFixedSize(kMainWindowWidth, kMenuBarHeight + form_.height);
    formArea_->setGeometry(0, kMenuBarHeight, kMainWindowWidth, form_.height);
    for (QObject* child : findChildren<QWidget*>()) child->blockSignals(true);
    for (const auto& view : views_) view();
    for (std::size_t i = 0; i < spanPictures_.size(); ++i)
        spanPictures_[i]->setVisible(span_picture_name(static_cast<int>(i)).name ==
                                     qt(form_.state.spanPicture));
    statusBar_->raise();
    for (QObject* child : findChildren<QWidget*>()) child->blockSignals(false);
    refreshing_ = false;
    apply_focus();
    if (seaMap_ && seaMap_->isVisible()) update_sea_map();
    emit form_changed();
}

void MainWindow::show_sea_map() {
    if (!seaMap_) seaMap_ = new SeaMapWindow(this);
    update_sea_map();
    seaMap_->show();
    seaMap_->raise();
    seaMap_->activateWindow();
}

// The map follows the reference: another point, radius or area redraws it.
void MainWindow::update_sea_map() {
    const auto figure = form::sea_map_figure(form_.site);
    const auto& store = session_.siteTables.coastline;
    seaMap_->show_figure(figure ? &*figure : nullptr, store ? store->coastline() : nullptr);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closeGuard_ && !closeGuard_()) {
        event->ignore();
        return;
    }
    event->accept();
}

// A change of the user's goes to the form's behaviour for the control; the
// window then shows the whole form again, and what the behaviour has to say.
void MainWindow::change(const std::string& control, const QString& value) {
    const auto message = form::change_control(session_, control, value.toStdString());
    refresh();
    if (message) sink_.show_message(this, qt(message->text));
    show_user_site_notices();
}

// The form knows which control has the focus; Qt follows it. Leaving a control
// runs its exit behaviour, which may take the focus back.
void MainWindow::move_focus(const std::string& control) {
    const std::string leaving = form_.activeControl;
    form::focus(form_, control);
    apply_focus();
    if (control != leaving) leave(leaving);
}

void MainWindow::apply_focus() {
    if (control_name(focusWidget()) == form_.activeControl) return;
    const auto found = widgets_.find(form_.activeControl);
    if (found != widgets_.end()) found->second->setFocus(Qt::OtherFocusReason);
}

void MainWindow::on_focus_changed(QWidget* now) {
    if (!now || refreshing_ || now->window() != this) return;
    const std::string name = control_name(now);
    if (name.empty() || name == form_.activeControl) return;
    const std::string leaving = form_.activeControl;
    form::focus(form_, name);
    leave(leaving);
}

void MainWindow::leave(const std::string& control) {
    const auto message = form::leave_control(session_, control);
    if (!message) return;
    // The focus is back on the control before the message shows, so it returns
    // there when the message box closes.
    refresh();
    sink_.show_message(this, qt(message->text));
}

void MainWindow::on_area_found(std::size_t prefecture_index, const std::string& area_name) {
    const auto message = form::choose_area(form_, session_.siteTables, prefecture_index, area_name);
    refresh();
    if (message) sink_.show_message(this, qt(message->text));
    show_user_site_notices();
}

void MainWindow::show_user_site_notices() {
    for (const site::SiteError& notice : site::take_user_notices(session_.siteTables))
        sink_.show_message(this, qt(notice.message));
}

void MainWindow::calculate() {
    move_focus(form_.calculateButton.name);
    if (form_.activeControl != form_.calculateButton.name) return;

    // The inputs are checked before the busy popup appears; the records of the
    // last calculation stay as they are until they have passed.
    calc::DesignInputs validated;
    if (const auto failure = form::validate_for_calculation(session_, validated)) {
        refresh();
        sink_.show_message(this, qt(failure->text));
        return;
    }

    QImage image;
    {
        BusyPopup popup(kCalculatingText, this);
        form::calculate_validated(session_, std::move(validated));
        image = render_screen_report(session_);
    }
    refresh();
    if (!presenter_) return;
    presenter_(image);
    hide();
}

// The print settings may have changed meanwhile: they belong to the design.
void MainWindow::show_again() {
    show();
    raise();
    activateWindow();
    refresh();
}

void MainWindow::show_overview() {
    emit overview_requested();
}

void MainWindow::show_settings() {
    emit coefficient_dialog_requested();
}

void MainWindow::load_project() {
    emit load_requested();
}

void MainWindow::save_project() {
    emit save_requested();
}

void MainWindow::save_current() {
    emit save_current_requested();
}

void MainWindow::show_span_table() {
    emit span_table_requested();
}

void MainWindow::show_usage_notice() {
    emit usage_notice_requested();
}

void MainWindow::show_site_data() {
    emit site_data_requested();
}

void MainWindow::show_status(const std::string& hint) {
    form::show_hint(form_, hint);
    statusBar_->setText(qt(form_.statusBar.caption));
}

// Beside the hints, as wide as its text: the hint keeps the rest of the bar.
void MainWindow::show_live_verdict() {
    const form::LiveVerdict verdict = form::live_verdict(session_);
    const QString text = qt(verdict.text);
    liveVerdict_->setText(text);
    const int frame = statusBar_->frameWidth();
    const form::LayoutRect& room = liveVerdictRoom_;
    const int width = std::min(liveVerdict_->sizeHint().width(), room.width - frame);
    if (width < liveVerdict_->sizeHint().width()) {
        const int text_room = width - (liveVerdict_->sizeHint().width() -
                                       liveVerdict_->fontMetrics().horizontalAdvance(text));
        liveVerdict_->setText(
            liveVerdict_->fontMetrics().elidedText(text, Qt::ElideRight, text_room));
    }
    liveVerdict_->setToolTip(text);
    QPalette palette = liveVerdict_->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(verdict.colour));
    liveVerdict_->setPalette(palette);
    liveVerdict_->setGeometry(room.left + room.width - frame - width, room.top + frame, width,
                              room.height - 2 * frame);
    statusBar_->setContentsMargins(0, 0, statusBar_->width() - liveVerdict_->x(), 0);
    emit form_settled();
}

void MainWindow::show_picture(QLabel& label, const std::string& file) {
    auto& shown = shownPictures_[&label];
    if (shown == file) return;
    shown = file;
    const std::filesystem::path path = session_.siteTables.dataFolder / file;
    const QPixmap picture(qt(path.string()));
    label.setPixmap(picture);
    if (picture.isNull())
        sink_.show_message(
            this,
            QStringLiteral("画像ファイル %1 を読み込めませんでした。").arg(qt(path.string())));
}

std::string MainWindow::control_name(const QObject* object) const {
    for (; object; object = object->parent()) {
        const auto found = names_.find(object);
        if (found != names_.end()) return found->second;
        if (object == this) break;
    }
    return {};
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // A project file dropped on any control opens, rather than landing as text.
    if (takes_dropped_file(event)) return true;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) break;
        const std::string name = control_name(watched);
        if (name.empty()) break;
        if (!form::accepts_key_down(form_, name)) return true;
        if (const auto typed = typed_character(key);
            typed && !form::accepts_key(form_, name, *typed))
            return true;
        break;
    }
    case QEvent::Enter: {
        const auto hint = hints_.find(control_name(watched));
        if (hint != hints_.end()) show_status(hint->second());
        break;
    }
    case QEvent::Leave:
        show_status({});
        break;
    case QEvent::MouseButtonPress:
        if (static_cast<const QMouseEvent&>(*event).button() == Qt::LeftButton &&
            control_name(watched) == form_.usageNoticeLink.name)
            show_usage_notice();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace korvex::app
