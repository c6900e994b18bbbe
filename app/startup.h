#pragma once

// The program's start, in its fixed order: the first-run check with the usage
// notice before anything else, the splash box for at least one second, then the
// session on the site tables. The main window is created on the session after
// this returns.

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "app/message_sink.h"
#include "app/program_version.h"
#include "form/session.h"

namespace korvex::app {

inline constexpr std::chrono::milliseconds kSplashMinimum{1000};

struct StartupOptions {
    std::filesystem::path programFolder;
    std::string version = version_string(KORVEX_VERSION); // shown after "ver."
    // The environment the first-run marker and the user's site files are found in.
    std::function<const char*(const char*)> getenv = [](const char* name) {
        return std::getenv(name);
    };
    // Modal; the usage notice by default.
    std::function<void()> showUsageNotice;
    // Keeps the splash box up (processing window events) for the remaining time.
    std::function<void(std::chrono::milliseconds)> wait;
};

struct StartupOutcome {
    bool ok = false; // false: a site data file failed and its message was shown
    bool noticeShown = false;
    std::filesystem::path dataFolder;
};

// Application name "Korvex for wood" (message boxes, task bar, the user's
// settings under the organisation "Velmora") and the window icon.
void set_up_application();

StartupOutcome run_startup(form::Session& session, MessageSink& sink,
                           const StartupOptions& options);

// Processes window events until `duration` has passed, without spinning.
void process_events_for(std::chrono::milliseconds duration);

// The copy of the form a run left behind when it did not end in order (a crash,
// a kill, a power cut): asks "前回終了時の編集内容を復元しますか？"; はい puts it into
// the session as unsaved edits, いいえ removes it, and so does a copy that cannot
// be read (with its message). True when the session took it.
bool offer_recovery_copy(form::Session& session, MessageSink& sink,
                         const std::filesystem::path& folder, QWidget* parent = nullptr);

} // namespace korvex::app
