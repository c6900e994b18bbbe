#pragma once

// The windows of the running program, created once after start-up and wired to
// each other: the input window, the result window with its print settings, the
// coefficient dialog and the overview viewer, all over the one session.

#include <filesystem>

#include "app/coefficient_window.h"
#include "app/main_window.h"
#include "app/message_sink.h"
#include "app/overview_window.h"
#include "app/project_file_dialogs.h"
#include "app/result_window.h"
#include "app/site_data_window.h"
#include "form/session.h"

namespace korvex::app {

class ProgramWindows {
public:
    ProgramWindows(form::Session& session, MessageSink& sink, ProjectFileChooser& chooser,
                   std::filesystem::path program_folder, std::filesystem::path data_folder);

    MainWindow& main_window() { return main_; }
    ResultWindow& result_window() { return result_; }
    CoefficientWindow& coefficient_window() { return coefficients_; }
    OverviewWindow& overview_window() { return overview_; }
    SiteDataWindow& site_data_window() { return siteData_; }

    // Loads a project as "データ読込" does, for a file named on the command line.
    void open_file(const std::filesystem::path& file);

    // "データ読込" and "データ保存" with their dialogs.
    void load();
    void save();

private:
    // After a project was loaded or saved the windows show the session afresh.
    void session_changed();

    form::Session& session_;
    MessageSink& sink_;
    ProjectFileChooser& chooser_;
    std::filesystem::path programFolder_;
    std::filesystem::path dataFolder_;
    MainWindow main_;
    OverviewWindow overview_;
    ResultWindow result_;
    CoefficientWindow coefficients_;
    SiteDataWindow siteData_;
};

} // namespace korvex::app
