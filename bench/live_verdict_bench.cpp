// The verdict while the user types: one changed control, then the verdict of the
// form as the status bar shows it (validation and the whole check pass on a
// copy of the session, no report), for the design the program starts with and
// for a four-span deck with an overhang in a heavy-snow area.

#include <benchmark/benchmark.h>

#include <string>

#include "form/control_events.h"
#include "form/live_verdict.h"
#include "form/session.h"
#include "form/spans.h"
#include "form/spin_edits.h"

namespace {

using namespace korvex;

// Each iteration types the first span, its own length or 10 mm more by turns,
// as a user trying lengths would, and asks for the verdict.
void run_changes(benchmark::State& state, form::Session& session) {
    const std::string own = session.form.span1Edit.text;
    const std::string spans[] = {own, std::to_string(std::stoi(own) + 10)};
    int turn = 0;
    for (auto _ : state) {
        form::change_control(session, "span1Edit", spans[turn ^= 1]);
        const form::LiveVerdict verdict = form::live_verdict(session);
        if (verdict.state == form::LiveState::message) {
            state.SkipWithError(verdict.text.c_str());
            return;
        }
        benchmark::DoNotOptimize(verdict);
    }
}

bool start(benchmark::State& state, form::Session& session) {
    if (!form::start_session(session, KORVEX_DATA_DIR, "1.0")) return true;
    state.SkipWithError("no site tables");
    return false;
}

void BM_LiveVerdictStartUpDesign(benchmark::State& state) {
    form::Session session;
    if (start(state, session)) run_changes(state, session);
}
BENCHMARK(BM_LiveVerdictStartUpDesign)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

void BM_LiveVerdictFourSpansOverhangHeavySnow(benchmark::State& state) {
    form::Session session;
    if (!start(state, session)) return;
    form::InputForm& f = session.form;
    form::set_spin_value(f, f.snowDepthSpin, 150);
    for (int count = 2; count <= 4; ++count) form::set_spin_value(f, f.spanCountSpin, count);
    for (int span = 1; span <= 4; ++span) form::span_edit(f, span).text = "1820";
    f.cantileverBox.itemIndex = 1;
    form::update_spans(f);
    f.cantileverLengthEdit.text = "600";
    run_changes(state, session);
}
BENCHMARK(BM_LiveVerdictFourSpansOverhangHeavySnow)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

} // namespace
