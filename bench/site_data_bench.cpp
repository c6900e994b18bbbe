// The "地域データ" list built from the shipped tables, as the window does when it
// opens and the page does at every keystroke of its filter.

#include <benchmark/benchmark.h>

#include "form/session.h"
#include "form/site_data.h"

namespace {

using namespace korvex;

void BM_SiteDataRows(benchmark::State& state) {
    form::Session session;
    if (const auto error = form::start_session(session, KORVEX_DATA_DIR, "bench")) {
        state.SkipWithError(error->message.c_str());
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(form::site_data_rows(session.siteTables));
}
BENCHMARK(BM_SiteDataRows)->Unit(benchmark::kMillisecond);

} // namespace
