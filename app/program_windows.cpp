#include "app/program_windows.h"

#include <cstdlib>

#include <QMenu>

#include "app/busy_popup.h"
#include "app/span_table_window.h"
#include "app/startup.h"
#include "app/usage_notice.h"
#include "form/change_tracking.h"
#include "form/span_table.h"
#include "persist/user_folders.h"

namespace korvex::app {

UserStore user_store() {
    return {persist::korvex_data_folder([](const char* name) { return std::getenv(name); })};
}

ProgramWindows::ProgramWindows(form::Session& session, MessageSink& sink,
                               ProjectFileChooser& chooser, std::filesystem::path program_folder,
                               std::filesystem::path data_folder, UserStore store)
    : session_(session), sink_(sink), chooser_(chooser), programFolder_(std::move(program_folder)),
      dataFolder_(std::move(data_folder)), main_(session, sink), overview_(sink),
      result_(session, sink), coefficients_(session, sink, &main_),
      siteData_(session, sink, &main_),
      keeper_(session, store.recoveryFolder, sink, store.recoveryDelay),
      spanTable_(std::make_unique<SpanTableWindow>(session, sink, &main_)) {
    main_.set_result_presenter([this](const QImage& image) { result_.show_report(image); });
    QObject::connect(&result_, &ResultWindow::closed, &main_, &MainWindow::show_again);
    QObject::connect(&main_, &MainWindow::overview_requested,
                     [this] { overview_.show_overview(dataFolder_); });
    QObject::connect(&main_, &MainWindow::coefficient_dialog_requested,
                     [this] { coefficients_.show_coefficient_dialog(); });
    QObject::connect(&coefficients_, &CoefficientWindow::settings_set, [this] { main_.refresh(); });
    QObject::connect(&main_, &MainWindow::load_requested, [this] { load(); });
    QObject::connect(&main_, &MainWindow::save_requested, [this] { save(); });
    QObject::connect(&main_, &MainWindow::save_current_requested, [this] { save_current(); });
    QObject::connect(&main_, &MainWindow::span_table_requested, [this] { show_span_table(); });
    QObject::connect(&main_, &MainWindow::form_settled, spanTable_.get(),
                     &SpanTableWindow::follow_form);
    QObject::connect(&main_, &MainWindow::usage_notice_requested,
                     [this] { show_usage_notice(&main_); });
    QObject::connect(&main_, &MainWindow::site_data_requested,
                     [this] { siteData_.show_site_data(); });
    QObject::connect(&siteData_, &SiteDataWindow::site_data_changed, [this] { main_.refresh(); });
    QObject::connect(&main_, &MainWindow::file_dropped,
                     [this](const QString& file) { open_file(to_path(file)); });
    QObject::connect(&main_, &MainWindow::form_changed, &keeper_, &RecoveryKeeper::form_changed);
    QObject::connect(&main_.recent_menu(), &QMenu::aboutToShow, [this] {
        fill_recent_menu(main_.recent_menu(), recent_,
                         [this](const QString& file) { open_file(to_path(file)); });
    });
    main_.set_close_guard([this] { return may_close(); });
}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::start() {
    // The input window is not up yet: the question stands on its own.
    if (keeper_.owns_copy() && offer_recovery_copy(session_, sink_, keeper_.folder()))
        session_changed();
    keeper_.start();
    // A restored design is unsaved: it is kept again at once.
    keeper_.form_changed();
}

ProjectCommandContext ProgramWindows::context() {
    return {&main_, chooser_, sink_, programFolder_};
}

void ProgramWindows::session_changed() {
    main_.refresh();
    coefficients_.read_state();
}

void ProgramWindows::after_command(const ProjectCommandResult& result, bool saved) {
    if (saved ? result.succeeded : result.changed)
        recent_.add(from_path(session_.paths.currentFilePath));
    // Saved, or loaded in full: nothing is left that a crash could lose.
    if (!form::has_unsaved_changes(session_)) keeper_.discard();
    if (result.changed) session_changed();
}

bool ProgramWindows::settle() {
    const bool unsaved = form::has_unsaved_changes(session_);
    const bool go_on = settle_unsaved_changes(session_, context());
    // はい saved the design under its name.
    if (unsaved && !form::has_unsaved_changes(session_)) {
        ProjectCommandResult saved;
        saved.succeeded = saved.changed = true;
        after_command(saved, true);
    }
    return go_on;
}

bool ProgramWindows::may_close() {
    if (!settle()) return false;
    keeper_.discard();
    return true;
}

void ProgramWindows::open_file(const std::filesystem::path& file) {
    if (!settle()) return;
    after_command(open_project_file(session_, file, sink_, &main_), false);
}

void ProgramWindows::load() {
    if (!settle()) return;
    after_command(load_project_command(session_, context()), false);
}

void ProgramWindows::save() {
    after_command(save_project_command(session_, context()), true);
}

void ProgramWindows::save_current() {
    after_command(save_current_command(session_, context()), true);
}

void ProgramWindows::show_span_table() {
    std::variant<run::SpanTable, form::FormMessage> table;
    {
        BusyPopup popup(kCalculatingText, &main_);
        table = form::build_span_table(session_);
    }
    if (const auto* refused = std::get_if<form::FormMessage>(&table)) {
        form::focus(session_.form, refused->focus);
        main_.refresh();
        sink_.show_message(&main_, QString::fromStdString(refused->text));
        return;
    }
    spanTable_->show_table(std::get<run::SpanTable>(std::move(table)));
}

} // namespace korvex::app
