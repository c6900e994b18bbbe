#include "app/command_line.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include <QString>

#include "app/data_folder.h"
#include "app/report_rendering.h"
#include "form/project_run.h"
#include "form/result_json.h"
#include "form/sea_ratio_query.h"
#include "form/span_table.h"
#include "persist/user_folders.h"

namespace korvex::app {

namespace {

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

int exit_code(form::RunStop stop) {
    switch (stop) {
    case form::RunStop::none:
        return kExitOk;
    case form::RunStop::programData:
        return kExitProgramData;
    case form::RunStop::badFile:
        return kExitBadFile;
    case form::RunStop::invalidInput:
        return kExitInvalidInput;
    }
    return kExitProgramData;
}

// Start-up and loading (and Calculate with `calculate`), as the window would do them.
Failure prepare(const HeadlessRequest& request, form::Session& session,
                std::vector<std::string>& messages, bool calculate) {
    const auto folder = find_data_folder(request.programFolder);
    if (!folder)
        return {"データフォルダ Load_data が見つかりません（" + request.programFolder.string() +
                    "）。",
                "", kExitProgramData};
    const form::ProjectSource source{
        *folder, persist::user_site_data_folder([](const char* name) { return std::getenv(name); }),
        request.version, request.project};
    const form::RunFailure failure = calculate ? form::open_and_calculate(session, source, messages)
                                               : form::open_project(session, source, messages);
    return {failure.message, failure.control, exit_code(failure.stop)};
}

// The table replaces the design's spans and deck type; everything else must
// calculate as it is, or the table gives Calculate's message and control.
int write_span_table(const HeadlessRequest& request) {
    auto session = std::make_unique<form::Session>();
    std::vector<std::string> messages;
    if (const Failure failure = prepare(request, *session, messages, false);
        failure.code != kExitOk)
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
    const Failure failure = prepare(request, *session, messages, true);
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

int run_sea_ratio(const std::filesystem::path& program_folder, const std::string& point,
                  const std::string& radius_km) {
    const auto folder = find_data_folder(program_folder);
    if (!folder) {
        write_json(form::error_json("データフォルダ Load_data が見つかりません（" +
                                    program_folder.string() + "）。"));
        return kExitProgramData;
    }
    const sea::CoastlineStore store(*folder / sea::kCoastlineFileName);
    const form::SeaRatioAnswer answer = form::answer_sea_ratio(store, point, radius_km);
    if (!answer.figures) {
        write_json(form::error_json(answer.message));
        return answer.dataMissing ? kExitProgramData : kExitBadFile;
    }
    write_json(*answer.figures);
    return kExitOk;
}

} // namespace korvex::app
