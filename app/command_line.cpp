#include "app/command_line.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

#include <QString>

#include "app/data_folder.h"
#include "app/report_rendering.h"
#include "form/project_run.h"
#include "form/result_json.h"
#include "form/sea_ratio_query.h"
#include "form/span_table.h"
#include "persist/atomic_file.h"
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

std::optional<Failure> find_program_data(const HeadlessRequest& request,
                                         form::ProjectSource& source) {
    const auto folder = find_data_folder(request.programFolder);
    if (!folder)
        return Failure{"データフォルダ Load_data が見つかりません（" +
                           request.programFolder.string() + "）。",
                       "", kExitProgramData};
    source = {*folder,
              persist::user_site_data_folder([](const char* name) { return std::getenv(name); }),
              request.version, request.project};
    return std::nullopt;
}

// Start-up, loading and Calculate, as the window would do them.
Failure prepare(const HeadlessRequest& request, form::Session& session,
                std::vector<std::string>& messages) {
    form::ProjectSource source;
    if (auto missing = find_program_data(request, source)) return *missing;
    const form::RunFailure failure = form::open_and_calculate(session, source, messages);
    return {failure.message, failure.control, exit_code(failure.stop)};
}

int write_span_table(const HeadlessRequest& request) {
    form::ProjectSource source;
    if (auto missing = find_program_data(request, source)) return report_failure(request, *missing);
    auto session = std::make_unique<form::Session>();
    const form::SpanTableRun outcome = form::open_span_table(*session, source);
    if (outcome.failure.stop != form::RunStop::none)
        return report_failure(request, {outcome.failure.message, outcome.failure.control,
                                        exit_code(outcome.failure.stop)});
    if (request.output == HeadlessOutput::spanTableCsv) {
        const std::string error =
            persist::write_file_atomically(request.outputFile, form::span_table_csv(outcome.table));
        if (!error.empty()) return report_failure(request, {error, "", kExitProgramData});
        return kExitOk;
    }
    write_json(form::span_table_json(outcome.table));
    return kExitOk;
}

} // namespace

int run_headless(const HeadlessRequest& request) {
    if (request.output == HeadlessOutput::spanTable ||
        request.output == HeadlessOutput::spanTableCsv)
        return write_span_table(request);
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
    case HeadlessOutput::spanTableCsv:
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
