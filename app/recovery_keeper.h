#pragma once

// Keeps the form against a crash: a few seconds after the last change the form
// is written to the copy in the user's data folder while it has unsaved edits,
// and the copy is removed once it has none. One running program owns the
// folder's copy (a lock file beside it); a second one started meanwhile keeps
// none, so it can neither offer nor overwrite the first one's edits.

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include <QObject>
#include <QTimer>

#include "form/recovery.h"
#include "form/session.h"

class QLockFile;

namespace korvex::app {

class MessageSink;

using form::kRecoveryDelay;

class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    RecoveryKeeper(const form::Session& session, std::filesystem::path folder, MessageSink& sink,
                   std::chrono::milliseconds delay = kRecoveryDelay);
    ~RecoveryKeeper() override;

    // This program holds the folder's lock: it may offer the copy and keep one.
    bool owns_copy() const { return owned_; }
    const std::filesystem::path& folder() const { return folder_; }

    // Changes count from here on: start-up has offered the copy left behind.
    void start();
    // A change of the form: the copy follows once the form has been still for
    // the delay.
    void form_changed();
    // The copy as the form is now: written with unsaved edits, else removed.
    void keep_now();
    // The program ends in order: the copy goes.
    void discard();

    bool pending() const { return timer_.isActive(); }

private:
    const form::Session& session_;
    std::filesystem::path folder_;
    MessageSink& sink_;
    QTimer timer_;
    std::unique_ptr<QLockFile> lock_;
    bool owned_ = false;
    bool started_ = false;
    std::string lastError_; // shown once, not at every change
};

} // namespace korvex::app
