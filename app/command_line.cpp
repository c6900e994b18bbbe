#include "app/command_line.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include <QString>

#include "app/data_folder.h"
#include "app/report_rendering.h"
#include "form/calculate.h"
#include "form/project_commands.h"
#include "form/result_json.h"
#include "persist/user_folders.h"

namespace korvex::app {

namespace {

std::string join(const std::vector<std::string>& messages) {
    std::string all;
    for (const auto& m : messages) all += (all.empty() ? "" : "\n") + m;
    return all;
}

struct Failure {
    std::string message;
    std::string control;
    int code = kExitOk;
};

int report_failure(const HeadlessRequest& request, const Failure& failure) {
    if (request.output == HeadlessOutput::json) {
        const std::string json =
            common::to_json_text(form::error_json(failure.message, failure.control));
        std::fwrite(json.data(), 1, json.size(), stdout);
    } else {
        std::fprintf(stderr, "korvex: %s\n", failure.message.c_str());
    }
    return failure.code;
}

// Start-up, loading and Calculate, as the window would do them.
Failure prepare(const HeadlessRequest& request, form::Session& session,
                std::vector<std::string>& messages) {
    const auto folder = find_data_folder(request.programFolder);
    if (!folder)
        return {"データフォルダ Load_data が見つかりません（" + request.programFolder.string() +
                    "）。",
                "", kExitProgramData};
    // The user's own site table counts here as in the window: the same design
    // gives the same results, and site.sources says which values were the user's.
    if (const auto error = form::start_session(
            session, *folder, request.version,
            persist::user_site_data_folder([](const char* name) { return std::getenv(name); })))
        return {error->message, "", kExitProgramData};
    const form::LoadOutcome loaded = form::load_project(session, request.project);
    if (!loaded.applied || loaded.failed) return {join(loaded.messages), "", kExitBadFile};
    for (const site::SiteError& notice : site::take_user_notices(session.siteTables))
        messages.push_back(notice.message);
    messages.insert(messages.end(), loaded.messages.begin(), loaded.messages.end());
    if (const auto failure = form::calculate(session))
        return {failure->text, failure->focus, kExitInvalidInput};
    return {};
}

} // namespace

int run_headless(const HeadlessRequest& request) {
    auto session = std::make_unique<form::Session>();
    std::vector<std::string> messages;
    const Failure failure = prepare(request, *session, messages);
    if (failure.code != kExitOk) return report_failure(request, failure);
    for (const auto& m : messages)
        if (request.output != HeadlessOutput::json) std::fprintf(stderr, "korvex: %s\n", m.c_str());

    const QString out = QString::fromStdString(request.outputFile.string());
    switch (request.output) {
    case HeadlessOutput::json: {
        const std::string json = common::to_json_text(form::results_json(*session, messages));
        std::fwrite(json.data(), 1, json.size(), stdout);
        std::fflush(stdout);
        return kExitOk;
    }
    case HeadlessOutput::pdf: {
        const QString error = save_pdf_report(*session, out);
        if (error.isEmpty()) return kExitOk;
        return report_failure(request, {error.toStdString(), "", kExitProgramData});
    }
    case HeadlessOutput::png:
        if (render_screen_report(*session).save(out, "PNG")) return kExitOk;
        return report_failure(
            request, {"PNG ファイル " + request.outputFile.string() + " に書き込めませんでした。",
                      "", kExitProgramData});
    }
    return kExitOk;
}

} // namespace korvex::app
