#pragma once

// "データ保存" and "データ読込" with their file dialogs: the proposed folder and
// name, the overwrite question, the extension, and every message of the loader
// shown one after the other. The dialogs sit behind ProjectFileChooser so the
// commands can run without a real dialog.

#include <filesystem>
#include <optional>

#include <QString>

#include "app/message_sink.h"
#include "form/change_tracking.h"
#include "form/session.h"

class QWidget;

namespace korvex::app {

inline const QString kProjectFileFilter = QStringLiteral("データファイル(*.kvxw)");

class ProjectFileChooser {
public:
    virtual ~ProjectFileChooser() = default;
    // The file to write, or nullopt when the user cancels.
    virtual std::optional<std::filesystem::path>
    choose_save(QWidget* parent, const std::filesystem::path& folder, const QString& name) = 0;
    // The file to read, or nullopt when the user cancels.
    virtual std::optional<std::filesystem::path>
    choose_open(QWidget* parent, const std::filesystem::path& folder) = 0;
};

// The toolkit's file dialogs with the project filter. The overwrite question is
// the save command's, asked after the extension has been added.
class FileDialogChooser : public ProjectFileChooser {
public:
    std::optional<std::filesystem::path>
    choose_save(QWidget* parent, const std::filesystem::path& folder, const QString& name) override;
    std::optional<std::filesystem::path> choose_open(QWidget* parent,
                                                     const std::filesystem::path& folder) override;
};

struct ProjectCommandContext {
    QWidget* parent = nullptr; // owner of the dialogs and messages
    ProjectFileChooser& chooser;
    MessageSink& sink;
    std::filesystem::path programFolder; // its folder "Data" is the first proposal
};

struct ProjectCommandResult {
    bool chosen = false;    // a file was chosen (or given)
    bool changed = false;   // the session changed: the windows must re-read it
    bool succeeded = false; // written, or read and applied in full
};

// "データ保存" (名前を付けて保存, Ctrl+Shift+S): the save dialog, proposing the
// opened or saved file. The caption of the session's form names the file afterwards.
ProjectCommandResult save_project_command(form::Session& session,
                                          const ProjectCommandContext& context);

// "上書き保存" (Ctrl+S): the design's own file again, without a dialog; the save
// dialog only for a design that has no file yet.
ProjectCommandResult save_current_command(form::Session& session,
                                          const ProjectCommandContext& context);

inline const QString kSaveChangesQuestion = QString::fromUtf8(form::kSaveChangesQuestion);

// Before the form is closed or replaced: with unsaved edits, asks whether to
// save them. はい saves as "上書き保存" does, いいえ goes on without, キャンセル stays.
// True when the caller may go on; a save that is cancelled or fails stops it.
bool settle_unsaved_changes(form::Session& session, const ProjectCommandContext& context);

// "データ読込" once unsaved edits are settled: the open dialog, then the file.
ProjectCommandResult load_project_command(form::Session& session,
                                          const ProjectCommandContext& context);

// Reads a project without a dialog and without the question about unsaved edits
// (the caller asks first); the loader's messages go to `sink` in order.
ProjectCommandResult open_project_file(form::Session& session, const std::filesystem::path& file,
                                       MessageSink& sink, QWidget* parent = nullptr);

std::filesystem::path to_path(const QString& name);
QString from_path(const std::filesystem::path& path);

} // namespace korvex::app
