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
#include "form/span_table.h"
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

bool writes_json(const HeadlessRequest& request) {
    return request.output == HeadlessOutput::json || request.output == HeadlessOutput::spanTable;
}

void write_json(const common::JsonValue& document) {
    const std::string json = common::to_json_text(document);
    std::fwrite(json.data(), 1, json.size(), stdout);
    std::fflush(stdout);
}

int report_failure(const HeadlessRequest& request, const Failure& failure) {
    if (writes_json(request)) {
        write_json(form::error_json(failure.message, failure.control));
    } else {
        std::fprintf(stderr, "korvex: %s\n", failure.message.c_str());
    }
    return failure.code;
}

// Start-up and loading, as the window would do them.
Failure load(const HeadlessRequest& request, form::Session& session,
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
    return {};
}

// Loading, then Calculate.
Failure prepare(const HeadlessRequest& request, form::Session& session,
                std::vector<std::string>& messages) {
    if (Failure failure = load(request, session, messages); failure.code != kExitOk) return failure;
    if (const auto failure = form::calculate(session))
        return {failure->text, failure->focus, kExitInvalidInput};
    return {};
}

// The table replaces the design's spans and deck type; everything else must
// calculate as it is, or the table gives Calculate's message and control.
int write_span_table(const HeadlessRequest& request) {
    auto session = std::make_unique<form::Session>();
    std::vector<std::string> messages;
    if (const Failure failure = load(request, *session, messages); failure.code != kExitOk)
        return report_failure(request, failure);
    const auto table = form::build_span_table(*session);
    if (const auto* refused = std::get_if<form::FormMessage>(&table))
        return report_failure(request, {refused->text, refused->focus, kExitInvalidInput});
    write_json(form::span_table_json(std::get<run::SpanTable>(table)));
    return kExitOk;
}

} // namespace

int run_headless(const HeadlessRequest& request) {
    if (request.output == HeadlessOutput::spanTable) return write_span_table(request);
    auto session = std::make_unique<form::Session>();
    std::vector<std::string> messages;
    const Failure failure = prepare(request, *session, messages);
    if (failure.code != kExitOk) return report_failure(request, failure);
    for (const auto& m : messages)
        if (request.output != HeadlessOutput::json) std::fprintf(stderr, "korvex: %s\n", m.c_str());

    const QString out = QString::fromStdString(request.outputFile.string());
    switch (request.output) {
    case HeadlessOutput::json:
        write_json(form::results_json(*session, messages));
        return kExitOk;
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
    case HeadlessOutput::spanTable:
        break;
    }
    return kExitOk;
}

} // namespace korvex::app
