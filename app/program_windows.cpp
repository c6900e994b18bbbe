#include "app/program_windows.h"

#include "app/usage_notice.h"

namespace korvex::app {

ProgramWindows::ProgramWindows(form::Session& session, MessageSink& sink,
                               ProjectFileChooser& chooser, std::filesystem::path program_folder,
                               std::filesystem::path data_folder)
    : session_(session), sink_(sink), chooser_(chooser), programFolder_(std::move(program_folder)),
      dataFolder_(std::move(data_folder)), main_(session, sink), overview_(sink),
      result_(session, sink), coefficients_(session, sink, &main_),
      siteData_(session, sink, &main_) {
    main_.set_result_presenter([this](const QImage& image) { result_.show_report(image); });
    QObject::connect(&result_, &ResultWindow::closed, &main_, &MainWindow::show_again);
    QObject::connect(&main_, &MainWindow::overview_requested,
                     [this] { overview_.show_overview(dataFolder_); });
    QObject::connect(&main_, &MainWindow::coefficient_dialog_requested,
                     [this] { coefficients_.show_coefficient_dialog(); });
    QObject::connect(&coefficients_, &CoefficientWindow::settings_set, [this] { main_.refresh(); });
    QObject::connect(&main_, &MainWindow::load_requested, [this] { load(); });
    QObject::connect(&main_, &MainWindow::save_requested, [this] { save(); });
    QObject::connect(&main_, &MainWindow::usage_notice_requested,
                     [this] { show_usage_notice(&main_); });
    QObject::connect(&main_, &MainWindow::site_data_requested,
                     [this] { siteData_.show_site_data(); });
    QObject::connect(&siteData_, &SiteDataWindow::site_data_changed, [this] { main_.refresh(); });
}

void ProgramWindows::session_changed() {
    main_.refresh();
    coefficients_.read_state();
}

void ProgramWindows::open_file(const std::filesystem::path& file) {
    if (open_project_file(session_, file, sink_, &main_).changed) session_changed();
}

void ProgramWindows::load() {
    if (load_project_command(session_, {&main_, chooser_, sink_, programFolder_}).changed)
        session_changed();
}

void ProgramWindows::save() {
    if (save_project_command(session_, {&main_, chooser_, sink_, programFolder_}).changed)
        session_changed();
}

} // namespace korvex::app
