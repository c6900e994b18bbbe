#include "form/live_verdict.h"

#include <cmath>

#include "common/number_text.h"
#include "form/calculate.h"
#include "form/control_events.h"
#include "report/check_page.h"
#include "run/span_table.h"
#include "run/utilization.h"

namespace korvex::form {

namespace {

constexpr report::Color kTextColour = report::rgb(kBlack.red, kBlack.green, kBlack.blue);
constexpr report::Color kMessageColour =
    report::rgb(kGreyedLabel.red, kGreyedLabel.green, kGreyedLabel.blue);

// A message box breaks its text into lines; the status bar has one.
std::string one_line(const std::string& text) {
    std::string line;
    for (const char c : text) {
        if (c == '\r') continue;
        if (c != '\n') {
            line += c;
        } else if (!line.empty() && line.back() != ' ') {
            line += ' ';
        }
    }
    return line;
}

LiveVerdict refused(const FormMessage& failure) {
    LiveVerdict verdict;
    verdict.state = LiveState::message;
    verdict.message = failure.text;
    verdict.control = failure.focus;
    verdict.text = one_line(failure.text);
    verdict.colour = kMessageColour;
    return verdict;
}

// The ratio as the report writes its figures: two decimals, truncated. Only a
// check whose limit is nothing has no figure.
std::string ratio_text(double ratio) {
    if (!std::isfinite(ratio)) return "∞";
    return common::trim(common::format_fixed(ratio, 4, 2));
}

LiveVerdict judged(const run::CalculationRun& run) {
    LiveVerdict verdict;
    const run::CheckCounters& c = run.verdict.counters;
    // The run's verdict, not the ratio's: the line never disagrees with the report.
    const bool ok = c.stress == 0 && c.deflection == 0 && c.joint == 0;
    verdict.state = ok ? LiveState::ok : LiveState::ng;
    verdict.colour = ok ? kTextColour : report::kNgColor;
    verdict.text = ok ? "判定 ＯＫ" : "判定 ＮＧ";
    if (const auto largest = run::utilization(run)) {
        const run::CheckPage& page = run.checkPages[largest->page];
        verdict.maxRatio = largest->maxRatio;
        verdict.caseLabel = page.label;
        verdict.caseName = page.caseRun.caseName;
        verdict.kind = page.lines[largest->line].kind;
        verdict.kindText = check_kind_text(verdict.kind);
        verdict.text += "　最大検定比 " + ratio_text(verdict.maxRatio) + "（" + verdict.caseName +
                        "・" + verdict.kindText + "）";
    }
    return verdict;
}

const char* state_name(LiveState state) {
    switch (state) {
    case LiveState::ok:
        return "ok";
    case LiveState::ng:
        return "ng";
    case LiveState::message:
        return "message";
    }
    return "";
}

} // namespace

std::string check_kind_text(run::CheckKind kind) {
    const std::string words = run::governing_kind_text(run::governing_kind(kind));
    switch (kind) {
    case run::CheckKind::cantileverStress:
    case run::CheckKind::cantileverDeflection:
    case run::CheckKind::cantileverJoint:
        return "はね出し部の" + words;
    default:
        return words;
    }
}

LiveVerdict live_verdict(const Session& session) {
    Session copy = calculation_copy(session);
    // Calculate takes the focus first, and leaving the field being typed into
    // runs its exit check, whose message ends the command.
    InputForm& form = copy.form;
    const std::string typing = form.activeControl;
    focus(form, form.calculateButton.name);
    if (const auto exit = leave_control(copy, typing)) return refused(*exit);
    if (const auto failure = calculate(copy, run::RunScope::checks)) return refused(*failure);
    return judged(copy.run);
}

common::JsonObject live_verdict_json(const LiveVerdict& v) {
    using common::JsonValue;
    // A design that calculates always has checks; the ratio is there with them.
    const bool governed = v.state != LiveState::message && !v.caseLabel.empty();
    return common::JsonObject{
        {"state", state_name(v.state)},
        {"maxRatio", governed ? JsonValue(v.maxRatio) : JsonValue()},
        {"case", governed ? JsonValue(v.caseLabel) : JsonValue()},
        {"caseName", v.caseName},
        {"kind", governed ? JsonValue(run::check_kind_name(v.kind)) : JsonValue()},
        {"kindText", v.kindText},
        {"message", v.message},
        {"control", v.control},
        {"text", v.text},
        {"colour", common::hex_colour(v.colour)},
    };
}

} // namespace korvex::form
