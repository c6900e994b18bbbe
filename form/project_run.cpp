#include "form/project_run.h"

#include "common/json.h"
#include "form/calculate.h"
#include "form/project_commands.h"
#include "form/result_json.h"
#include "form/span_table.h"

namespace korvex::form {

namespace {

std::string join(const std::vector<std::string>& messages) {
    std::string all;
    for (const auto& m : messages) all += (all.empty() ? "" : "\n") + m;
    return all;
}

} // namespace

RunFailure open_project(Session& session, const ProjectSource& source,
                        std::vector<std::string>& messages) {
    // The user's own site table counts here as in the window: the same design
    // gives the same results, and site.sources says which values were the user's.
    if (const auto error =
            start_session(session, source.dataFolder, source.version, source.userSiteFolder))
        return {RunStop::programData, error->message, ""};
    const LoadOutcome loaded = load_project(session, source.project);
    if (!loaded.applied || loaded.failed) return {RunStop::badFile, join(loaded.messages), ""};
    for (const site::SiteError& notice : site::take_user_notices(session.siteTables))
        messages.push_back(notice.message);
    messages.insert(messages.end(), loaded.messages.begin(), loaded.messages.end());
    return {};
}

RunFailure open_and_calculate(Session& session, const ProjectSource& source,
                              std::vector<std::string>& messages) {
    if (RunFailure failure = open_project(session, source, messages); failure.stop != RunStop::none)
        return failure;
    if (const auto refused = calculate(session))
        return {RunStop::invalidInput, refused->text, refused->focus};
    return {};
}

std::string project_json_text(Session& session, const ProjectSource& source) {
    std::vector<std::string> messages;
    const RunFailure failure = open_and_calculate(session, source, messages);
    if (failure.stop != RunStop::none)
        return common::to_json_text(error_json(failure.message, failure.control));
    return common::to_json_text(results_json(session, messages));
}

SpanTableRun open_span_table(Session& session, const ProjectSource& source) {
    SpanTableRun outcome;
    std::vector<std::string> messages;
    outcome.failure = open_project(session, source, messages);
    if (outcome.failure.stop != RunStop::none) return outcome;
    auto table = build_span_table(session);
    if (const auto* refused = std::get_if<FormMessage>(&table)) {
        outcome.failure = {RunStop::invalidInput, refused->text, refused->focus};
        return outcome;
    }
    outcome.table = std::move(std::get<run::SpanTable>(table));
    return outcome;
}

std::string project_span_table_json_text(Session& session, const ProjectSource& source) {
    const SpanTableRun outcome = open_span_table(session, source);
    if (outcome.failure.stop != RunStop::none)
        return common::to_json_text(error_json(outcome.failure.message, outcome.failure.control));
    return common::to_json_text(span_table_json(outcome.table));
}

} // namespace korvex::form
