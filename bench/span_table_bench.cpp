// The whole span table (four deck types, one to four spans) for the design the
// program starts with, and for the same design with an overhang in a heavy-snow
// area: every trial is a complete Calculate.

#include <benchmark/benchmark.h>

#include "form/session.h"
#include "form/span_table.h"
#include "form/spans.h"
#include "form/spin_edits.h"

namespace {

using namespace korvex;

void run_table(benchmark::State& state, form::Session& session) {
    for (auto _ : state) {
        auto table = form::build_span_table(session);
        if (!std::holds_alternative<run::SpanTable>(table)) {
            state.SkipWithError("the design does not calculate");
            return;
        }
        benchmark::DoNotOptimize(table);
    }
}

void BM_SpanTableStartUpDesign(benchmark::State& state) {
    form::Session session;
    if (form::start_session(session, KORVEX_DATA_DIR, "1.0")) {
        state.SkipWithError("no site tables");
        return;
    }
    run_table(state, session);
}
BENCHMARK(BM_SpanTableStartUpDesign)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SpanTableOverhangHeavySnow(benchmark::State& state) {
    form::Session session;
    if (form::start_session(session, KORVEX_DATA_DIR, "1.0")) {
        state.SkipWithError("no site tables");
        return;
    }
    form::InputForm& f = session.form;
    form::set_spin_value(f, f.snowDepthSpin, 150);
    f.cantileverBox.itemIndex = 1;
    form::update_spans(f);
    f.cantileverLengthEdit.text = "600";
    run_table(state, session);
}
BENCHMARK(BM_SpanTableOverhangHeavySnow)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
