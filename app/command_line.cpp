#include "app/command_line.h"

#include <cstdio>
#include <memory>

#include <QJsonDocument>

#include "app/data_folder.h"
#include "app/json_report.h"
#include "form/calculate.h"
#include "form/project_commands.h"

namespace korvex::app {

namespace {

int print(const QJsonObject& object, int code) {
    const QByteArray json = QJsonDocument(object).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
    std::fflush(stdout);
    return code;
}

std::string join(const std::vector<std::string>& messages) {
    std::string all;
    for (const auto& m : messages) all += (all.empty() ? "" : "\n") + m;
    return all;
}

} // namespace

int print_results_json(const HeadlessRequest& request) {
    const auto folder = find_data_folder(request.programFolder);
    if (!folder)
        return print(error_json("データフォルダ Load_data が見つかりません（" +
                                request.programFolder.string() + "）。"),
                     kExitProgramData);
    auto session = std::make_unique<form::Session>();
    if (const auto error = form::start_session(*session, *folder, request.version))
        return print(error_json(error->message), kExitProgramData);

    const form::LoadOutcome loaded = form::load_project(*session, request.project);
    if (!loaded.applied || loaded.failed)
        return print(error_json(join(loaded.messages)), kExitBadFile);
    if (const auto failure = form::calculate(*session))
        return print(error_json(failure->text, failure->focus), kExitInvalidInput);
    return print(results_json(*session, loaded.messages), kExitOk);
}

} // namespace korvex::app
