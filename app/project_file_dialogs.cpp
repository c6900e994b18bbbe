#include "app/project_file_dialogs.h"

#include <system_error>

#include <QFile>
#include <QFileDialog>

#include "form/change_tracking.h"
#include "form/project_commands.h"
#include "persist/project_file.h"

namespace korvex::app {

namespace fs = std::filesystem;

std::filesystem::path to_path(const QString& name) {
    return fs::path(QFile::encodeName(name).toStdString());
}

QString from_path(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

std::optional<fs::path> FileDialogChooser::choose_save(QWidget* parent, const fs::path& folder,
                                                       const QString& name) {
    QFileDialog dialog(parent, QStringLiteral("名前を付けて保存"), from_path(folder),
                       kProjectFileFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return to_path(dialog.selectedFiles().front());
}

std::optional<fs::path> FileDialogChooser::choose_open(QWidget* parent, const fs::path& folder) {
    QFileDialog dialog(parent, QStringLiteral("開く"), from_path(folder), kProjectFileFilter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return to_path(dialog.selectedFiles().front());
}

namespace {

// Writes the chosen file, or tells why it could not be written.
ProjectCommandResult write_project(form::Session& session, const fs::path& file,
                                   const ProjectCommandContext& context) {
    ProjectCommandResult result;
    result.chosen = true;
    const std::string error = form::save_project(session, file);
    if (!error.empty()) {
        context.sink.show_message(context.parent, QString::fromStdString(error));
        return result;
    }
    result.changed = true;
    result.succeeded = true;
    return result;
}

} // namespace

ProjectCommandResult save_project_command(form::Session& session,
                                          const ProjectCommandContext& context) {
    persist::SaveProposal proposal = persist::propose_save(session.paths, context.programFolder);
    fs::path file;
    for (;;) {
        auto chosen = context.chooser.choose_save(context.parent, proposal.folder,
                                                  QString::fromStdString(proposal.fileName));
        if (!chosen) return {};
        // The question comes after the extension is added, so a name typed without
        // it cannot replace an existing project unasked.
        file = persist::with_project_extension(*chosen);
        std::error_code ec;
        if (!fs::exists(file, ec)) break;
        if (context.sink.ask(
                context.parent,
                QStringLiteral("%1 は既に存在します。\n上書きしますか？").arg(from_path(file))))
            break;
        proposal = {file.parent_path(), file.filename().string()};
    }
    return write_project(session, file, context);
}

ProjectCommandResult save_current_command(form::Session& session,
                                          const ProjectCommandContext& context) {
    const fs::path file = session.paths.currentFilePath;
    if (file.empty()) return save_project_command(session, context);
    return write_project(session, file, context);
}

bool settle_unsaved_changes(form::Session& session, const ProjectCommandContext& context) {
    if (!form::has_unsaved_changes(session)) return true;
    switch (context.sink.ask_to_save(context.parent, kSaveChangesQuestion)) {
    case SaveAnswer::save:
        return save_current_command(session, context).succeeded;
    case SaveAnswer::discard:
        return true;
    case SaveAnswer::cancel:
        return false;
    }
    return false;
}

ProjectCommandResult load_project_command(form::Session& session,
                                          const ProjectCommandContext& context) {
    const fs::path folder = persist::propose_open_folder(session.paths, context.programFolder);
    auto chosen = context.chooser.choose_open(context.parent, folder);
    if (!chosen) return {};
    return open_project_file(session, *chosen, context.sink, context.parent);
}

ProjectCommandResult open_project_file(form::Session& session, const fs::path& file,
                                       MessageSink& sink, QWidget* parent) {
    const form::LoadOutcome outcome = form::load_project(session, file);
    for (const std::string& message : outcome.messages)
        sink.show_message(parent, QString::fromStdString(message));
    ProjectCommandResult result;
    result.chosen = true;
    result.changed = outcome.applied;
    result.succeeded = outcome.applied && !outcome.failed;
    return result;
}

} // namespace korvex::app
