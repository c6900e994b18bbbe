#include "app/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "app/data_folder.h"
#include "app/program_icon.h"
#include "app/splash_box.h"
#include "app/usage_notice.h"
#include "form/recovery.h"
#include "persist/first_run_marker.h"
#include "persist/recovery_copy.h"
#include "persist/user_folders.h"

namespace korvex::app {

namespace {

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

void set_up_application() {
    // The user's settings (the recent designs) are kept under these two names.
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    QApplication::setApplicationName(QStringLiteral("Korvex for wood"));
    QApplication::setWindowIcon(program_icon());
}

void process_events_for(std::chrono::milliseconds duration) {
    if (duration.count() <= 0) return;
    QEventLoop loop;
    QTimer::singleShot(duration, &loop, &QEventLoop::quit);
    loop.exec();
}

StartupOutcome run_startup(form::Session& session, MessageSink& sink,
                           const StartupOptions& options) {
    StartupOutcome outcome;
    std::function<void()> notice = options.showUsageNotice;
    if (!notice) notice = [] { show_usage_notice(nullptr); };
    const persist::FirstRunResult first_run =
        persist::check_first_run(persist::first_run_marker_path(options.getenv), notice);
    outcome.noticeShown = first_run.noticeShown;
    if (first_run.error) sink.show_message(nullptr, QString::fromStdString(*first_run.error));

    outcome.dataFolder =
        find_data_folder(options.programFolder).value_or(options.programFolder / "Load_data");
    std::optional<site::SiteError> error;
    {
        WaitCursor cursor;
        SplashBox splash(QString::fromStdString(options.version));
        splash.show();
        splash.raise();
        QElapsedTimer shown;
        shown.start();
        QApplication::processEvents();
        const auto remaining = kSplashMinimum - std::chrono::milliseconds(shown.elapsed());
        if (options.wait)
            options.wait(remaining);
        else
            process_events_for(remaining);
        error = form::start_session(session, outcome.dataFolder, options.version,
                                    persist::user_site_data_folder(options.getenv));
    }
    // The splash stays on top, so the message waits until it is gone.
    if (error) {
        sink.show_message(nullptr, QString::fromStdString(error->message));
        return outcome;
    }
    // A faulty user site file is left out and told; the program starts on the
    // shipped data.
    for (const site::SiteError& notice : site::take_user_notices(session.siteTables))
        sink.show_message(nullptr, QString::fromStdString(notice.message));
    outcome.ok = true;
    return outcome;
}

bool offer_recovery_copy(form::Session& session, MessageSink& sink,
                         const std::filesystem::path& folder, QWidget* parent) {
    if (!persist::has_recovery_copy(folder)) return false;
    if (!sink.ask(parent, QString::fromUtf8(form::kRecoveryQuestion))) {
        persist::remove_recovery_copy(folder);
        return false;
    }
    const form::RecoveryOutcome outcome = form::restore_recovery_copy(session, folder);
    for (const std::string& message : outcome.messages)
        sink.show_message(parent, QString::fromStdString(message));
    // A copy that could not be read would be offered at every start.
    if (!outcome.restored) persist::remove_recovery_copy(folder);
    return outcome.restored;
}

} // namespace korvex::app
