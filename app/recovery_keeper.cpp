#include "app/recovery_keeper.h"

#include <system_error>

#include <QLockFile>

#include "app/message_sink.h"
#include "app/project_file_dialogs.h"
#include "form/change_tracking.h"
#include "form/recovery.h"
#include "persist/recovery_copy.h"

namespace korvex::app {

RecoveryKeeper::RecoveryKeeper(const form::Session& session, std::filesystem::path folder,
                               MessageSink& sink, std::chrono::milliseconds delay)
    : session_(session), folder_(std::move(folder)), sink_(sink) {
    timer_.setSingleShot(true);
    timer_.setInterval(delay);
    connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::keep_now);
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
    // A lock left by a program that crashed is stale and is taken over.
    lock_ = std::make_unique<QLockFile>(from_path(folder_ / "recovery.lock"));
    owned_ = !ec && lock_->tryLock(0);
}

RecoveryKeeper::~RecoveryKeeper() = default;

void RecoveryKeeper::start() {
    started_ = true;
}

void RecoveryKeeper::form_changed() {
    if (started_ && owned_) timer_.start();
}

void RecoveryKeeper::keep_now() {
    timer_.stop();
    if (!owned_) return;
    if (!form::has_unsaved_changes(session_)) {
        persist::remove_recovery_copy(folder_);
        return;
    }
    const std::string error = form::keep_recovery_copy(session_, folder_);
    if (error.empty() || error == lastError_) {
        lastError_ = error;
        return;
    }
    lastError_ = error;
    sink_.show_message(nullptr, QString::fromUtf8(form::kRecoveryKeepFailure) + QLatin1Char('\n') +
                                    QString::fromStdString(error));
}

void RecoveryKeeper::discard() {
    timer_.stop();
    if (owned_) persist::remove_recovery_copy(folder_);
}

} // namespace korvex::app
