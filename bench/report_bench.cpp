// Calculate and draw the whole screen report into its image, and write the whole
// printed report as a PDF: what a user waits for after pressing a button.

#include <benchmark/benchmark.h>

#include <memory>

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include "app/report_rendering.h"
#include "form/calculate.h"
#include "form/spans.h"
#include "form/spin_edits.h"

namespace {

using namespace korvex;

// The first design of the program, with four spans and a left cantilever.
std::unique_ptr<form::Session> four_span_session() {
    auto session = std::make_unique<form::Session>();
    if (form::start_session(*session, KORVEX_DATA_DIR, "bench")) return nullptr;
    form::InputForm& f = session->form;
    for (int n = 2; n <= 4; ++n) form::set_spin_value(f, f.spanCountSpin, n);
    f.cantileverBox.itemIndex = 1;
    form::update_spans(f);
    f.cantileverLengthEdit.text = "600";
    return session;
}

void BM_CalculateAndScreenReport(benchmark::State& state) {
    auto session = four_span_session();
    for (auto _ : state) {
        form::calculate(*session);
        benchmark::DoNotOptimize(app::render_screen_report(*session));
    }
}
BENCHMARK(BM_CalculateAndScreenReport)->Unit(benchmark::kMillisecond);

void BM_PdfReport(benchmark::State& state) {
    auto session = four_span_session();
    form::calculate(*session);
    const QString file = QDir::temp().filePath("korvex_bench.pdf");
    for (auto _ : state) benchmark::DoNotOptimize(app::save_pdf_report(*session, file));
    QFile::remove(file);
}
BENCHMARK(BM_PdfReport)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
