#pragma once

// The windows of the running program, created once after start-up and wired to
// each other: the input window, the result window with its print settings, the
// coefficient dialog, the overview viewer and the span table, all over the one
// session; and around them the question about unsaved edits, the copy of the
// form kept against a crash and the list of recent designs.

#include <filesystem>
#include <memory>

#include <QSettings>

#include "app/coefficient_window.h"
#include "app/main_window.h"
#include "app/message_sink.h"
#include "app/overview_window.h"
#include "app/project_file_dialogs.h"
#include "app/recent_designs.h"
#include "app/recovery_keeper.h"
#include "app/result_window.h"
#include "app/site_data_window.h"
#include "form/session.h"

namespace korvex::app {

class SpanTableWindow;

// Where the program keeps what outlives a run; tests give temporary places.
struct UserStore {
    std::filesystem::path recoveryFolder; // the copy against a crash
    std::chrono::milliseconds recoveryDelay = kRecoveryDelay;
};

// The user's data folder of the environment.
UserStore user_store();

class ProgramWindows {
public:
    ProgramWindows(form::Session& session, MessageSink& sink, ProjectFileChooser& chooser,
                   std::filesystem::path program_folder, std::filesystem::path data_folder,
                   UserStore store = user_store());
    ~ProgramWindows();

    MainWindow& main_window() { return main_; }
    ResultWindow& result_window() { return result_; }
    CoefficientWindow& coefficient_window() { return coefficients_; }
    OverviewWindow& overview_window() { return overview_; }
    SiteDataWindow& site_data_window() { return siteData_; }
    SpanTableWindow& span_table_window() { return *spanTable_; }
    RecoveryKeeper& recovery_keeper() { return keeper_; }
    RecentDesigns& recent_designs() { return recent_; }

    // After start-up, before the window shows: the copy a crashed run left is
    // offered back, and from then on the form is kept against a crash.
    void start();

    // Opens a project (named on the command line, dropped on the window or
    // chosen from the recent designs), asking about unsaved edits first.
    void open_file(const std::filesystem::path& file);

    // "データ読込", "データ保存" (名前を付けて保存) and "上書き保存".
    void load();
    void save();
    void save_current();

    // "許容スパン表": the table of the form as it is, or Calculate's message.
    void show_span_table();

private:
    ProjectCommandContext context();
    // After a project was loaded or saved the windows show the session afresh.
    void session_changed();
    void after_command(const ProjectCommandResult& result, bool saved);
    // The question about unsaved edits; true when the caller may go on.
    bool settle();
    bool may_close();

    form::Session& session_;
    MessageSink& sink_;
    ProjectFileChooser& chooser_;
    std::filesystem::path programFolder_;
    std::filesystem::path dataFolder_;
    QSettings settings_;
    RecentDesigns recent_{settings_};
    MainWindow main_;
    OverviewWindow overview_;
    ResultWindow result_;
    CoefficientWindow coefficients_;
    SiteDataWindow siteData_;
    RecoveryKeeper keeper_;
    std::unique_ptr<SpanTableWindow> spanTable_;
};

} // namespace korvex::app
