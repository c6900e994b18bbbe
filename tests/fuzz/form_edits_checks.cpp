#include <cmath>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "form/calculate.h"
#include "form/control_events.h"
#include "form/control_index.h"
#include "form/layout.h"
#include "form/live_verdict.h"
#include "form/session.h"
#include "run/utilization.h"
#include "tests/fuzz/fuzz_checks.h"
#include "tests/limits/report_checks.h"

namespace korvex::fuzz {

namespace {

// Enough changes to reach any state of the form; more only slow the fuzzer.
constexpr std::size_t kMaxChanges = 16;

bool enabled(const form::ControlRef& control) {
    return std::visit(
        [](const auto* c) {
            using Control = std::remove_cv_t<std::remove_pointer_t<decltype(c)>>;
            if constexpr (std::is_same_v<Control, form::Edit> ||
                          std::is_same_v<Control, form::SpinEdit> ||
                          std::is_same_v<Control, form::ComboBox> ||
                          std::is_same_v<Control, form::RadioButton> ||
                          std::is_same_v<Control, form::CheckBox>)
                return c->enabled;
            return false;
        },
        control);
}

// The controls a user can change now, by name.
std::vector<std::string> changeable(form::InputForm& form) {
    std::vector<std::string> names;
    for (const form::ControlRef& control : form::all_controls(form))
        if (enabled(control)) names.push_back(form::control_name(control));
    return names;
}

// One line "NAME=VALUE": the control takes the focus and the value, as the
// window hands them to the form. A name of no control picks one by its first
// byte; "layoutMode=1" switches to the direct loads as the coefficient dialog
// does.
void apply_change(form::Session& s, std::string_view line) {
    const std::size_t equals = line.find('=');
    std::string name(line.substr(0, equals));
    const std::string_view value =
        equals == std::string_view::npos ? std::string_view{} : line.substr(equals + 1);
    if (name == "layoutMode") {
        form::apply_layout(s.form, value == "1" ? calc::LayoutMode::directLoads
                                                : calc::LayoutMode::derivedLoads);
        return;
    }
    const auto found = form::find_control(s.form, name);
    if (!found || !enabled(*found)) {
        const auto names = changeable(s.form);
        if (names.empty()) return;
        const auto pick = name.empty() ? 0u : static_cast<unsigned char>(name.front());
        name = names[pick % names.size()];
    }
    const std::string leaving = s.form.activeControl;
    form::focus(s.form, name);
    if (leaving != name) form::leave_control(s, leaving);
    form::change_control(s, name, value);
}

} // namespace

Faults live_verdict_faults(const form::Session& session) {
    Faults faults;
    const form::LiveVerdict live = form::live_verdict(session);
    if (live.text.empty()) faults.push_back("an empty line");
    if (live.text.find('\n') != std::string::npos) faults.push_back("a line of two lines");

    // The window's Calculate on a copy of its own is the yardstick: the focus
    // leaves the field being typed into, whose exit check may answer, then the
    // whole calculation runs.
    auto copy = std::make_unique<form::Session>(form::calculation_copy(session));
    const std::string typing = copy->form.activeControl;
    form::focus(copy->form, copy->form.calculateButton.name);
    auto refusal = form::leave_control(*copy, typing);
    if (!refusal) refusal = form::calculate(*copy);
    if (refusal) {
        if (live.state != form::LiveState::message)
            faults.push_back("a verdict where Calculate says: " + refusal->text);
        else if (live.message != refusal->text || live.control != refusal->focus)
            faults.push_back("the message \"" + live.message + "\" for \"" + refusal->text + "\"");
        return faults;
    }
    if (live.state == form::LiveState::message)
        return {"the message \"" + live.message + "\" where Calculate passes"};
    const run::CheckCounters& c = copy->run.verdict.counters;
    const bool passes = c.stress == 0 && c.deflection == 0 && c.joint == 0;
    if ((live.state == form::LiveState::ok) != passes)
        faults.push_back("the line's verdict is not the report's");
    const auto largest = run::utilization(copy->run);
    if (!largest) return {"a run without checks"};
    if (std::isnan(live.maxRatio)) faults.push_back("a ratio that is no number");
    if (live.maxRatio != largest->maxRatio) faults.push_back("another largest ratio");
    if ((live.maxRatio >= 1.0) == passes)
        faults.push_back("the ratio says otherwise than the verdict");
    return faults;
}

Faults check_form_edits(std::string_view bytes) {
    const StartedSession& base = started_session();
    if (!base.startError.empty()) return {"the shipped data folder: " + base.startError};
    auto session = std::make_unique<form::Session>(base.session);
    Faults faults;
    std::size_t changes = 0;
    while (!bytes.empty() && changes++ < kMaxChanges) {
        const std::size_t end = bytes.find('\n');
        apply_change(*session, bytes.substr(0, end));
        bytes = end == std::string_view::npos ? std::string_view{} : bytes.substr(end + 1);
        for (const auto& fault : live_verdict_faults(*session))
            faults.push_back("after change " + std::to_string(changes) + ": " + fault);
        if (!faults.empty()) return faults;
    }
    // The figures of the form the edits end with, as Calculate leaves them.
    if (form::calculate(*session)) return faults;
    for (const auto& fault : limits::result_faults(*session)) faults.push_back("result: " + fault);
    return faults;
}

} // namespace korvex::fuzz
