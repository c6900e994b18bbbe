#pragma once

// The verdict while the user types: Calculate pressed on a copy of the session
// after every change, without a report, a dialog or a focus move. It answers
// with the run's verdict and the check that comes closest to its limit, or with
// the message Calculate would give. The desktop's status bar and the page show
// what it returns and decide nothing themselves.

#include <chrono>
#include <string>

#include "common/json.h"
#include "form/session.h"
#include "report/surface.h"
#include "run/design_checks.h"

namespace korvex::form {

// The verdict follows the form once the user has paused this long, in both
// editions: typing never waits for a calculation.
inline constexpr std::chrono::milliseconds kLiveVerdictDelay{150};

enum class LiveState {
    ok,      // every check of every case passes
    ng,      // at least one check fails
    message, // the design cannot be calculated yet
};

struct LiveVerdict {
    LiveState state = LiveState::message;
    // The governing check (ok and ng): the largest value / limit of the run, the
    // first in report order among equal ones.
    double maxRatio = 0.0;
    std::string caseLabel; // the check page's label, as the report prints it
    std::string caseName;  // the same without the combination: "短期（暴風時負圧）"
    run::CheckKind kind = run::CheckKind::stress;
    std::string kindText; // "応力", "たわみ", "接合部", "はね出し部の応力" …
    // What Calculate would say (message), and the control it would focus.
    std::string message;
    std::string control;
    // The line as shown, and its colour: the report's NG colour for ng, grey
    // for a message. It names the case as its check page's heading begins, the
    // combination left to the report, so the line leaves the hints their room.
    std::string text;
    report::Color colour = 0;
};

// Validation and calculation exactly as Calculate runs them, the exit check of
// the control being typed into first, on a copy: `session` is left untouched.
LiveVerdict live_verdict(const Session& session);

// The words the line gives a check: the report's own for the three kinds, the
// overhang's named as such ("はね出し部のたわみ").
std::string check_kind_text(run::CheckKind kind);

// {"state": "ok" | "ng" | "message", "maxRatio": number or null,
//  "case": the check page's label or null, "caseName", "kind": the check's
//  kind or null, "kindText",
//  "message", "control", "text", "colour": "#RRGGBB"}
common::JsonObject live_verdict_json(const LiveVerdict& verdict);

} // namespace korvex::form
