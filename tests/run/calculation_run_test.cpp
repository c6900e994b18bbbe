#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run/calculation_run.h"
#include "tests/support/designs.h"

namespace korvex::run {
namespace {

using Design = testing::LoadedDesign;

// The run tests' design: a little more dead load and the wind of the direct
// layout above its minimum, so every case has its own load.
Design make_design(testing::DesignOptions o) {
    o.otherDeadLoad = 273;
    o.directWindPositive = 900;
    return testing::load_design(o);
}

std::vector<std::string> check_labels(const CalculationRun& run) {
    std::vector<std::string> labels;
    for (const CheckPage& page : run.checkPages) labels.push_back(page.label);
    return labels;
}

std::vector<std::string> block_labels(const CalculationRun& run) {
    std::vector<std::string> labels;
    for (const DiagramBlock& block : run.diagramBlocks) labels.push_back(block.label);
    return labels;
}

std::vector<RunItemKind> kinds(const CalculationRun& run) {
    std::vector<RunItemKind> k;
    for (const RunItem& item : run.order) k.push_back(item.kind);
    return k;
}

using K = RunItemKind;

TEST(CalculationRun, OrdinaryAreaOrderAndRestoredSnowFactor) {
    // A snow share in the storm case, which suction drops in ordinary areas.
    Design d = make_design({.directLoads = true, .stormSnowRatio = 0.2});
    const double snow_factor = d.loads.ratioS[2];
    const CalculationRun run = run_calculation(d.inputs, d.data, d.loads);

    EXPECT_EQ(check_labels(run), (std::vector<std::string>{"長期Ｇ＋Ｐ", "短期 (積雪時)Ｇ＋Ｐ＋Ｓ",
                                                           "短期（暴風時正圧）Ｇ＋Ｐ＋0.20Ｓ＋Ｗ",
                                                           "短期（暴風時負圧）Ｇ＋Ｐ＋Ｗ"}));
    EXPECT_EQ(block_labels(run),
              (std::vector<std::string>{"長期Ｇ＋Ｐ", "短期 (積雪時)Ｇ＋Ｐ＋Ｓ",
                                        "短期（暴風時）Ｇ＋Ｐ＋0.20Ｓ＋Ｗ（正圧）",
                                        "短期（暴風時）Ｇ＋Ｐ＋Ｗ（負圧）"}));
    // Direct input: no wind and snow detail pages.
    EXPECT_EQ(kinds(run), (std::vector<K>{K::checkPage, K::checkPage, K::checkPage, K::checkPage,
                                          K::verdict, K::loadFigure, K::diagramBlock,
                                          K::diagramBlock, K::diagramBlock, K::diagramBlock}));
    EXPECT_FALSE(run.detailPages);
    EXPECT_TRUE(run.diagramBlocks.back().negativePressureBlock);
    EXPECT_EQ(run.checkPages[3].windPass, calc::WindPass::negative);
    EXPECT_EQ(run.checkPages[3].caseText, "G+P+1W(負)");
    EXPECT_EQ(run.checkPages[3].wTotal, 400 - 1500);

    // The loads are left as the last pass built them, the snow factor as it was.
    EXPECT_EQ(snow_factor, 0.2);
    EXPECT_EQ(d.loads.ratioS[2], snow_factor);
    EXPECT_EQ(d.loads.windPass, calc::WindPass::negative);
    EXPECT_EQ(d.loads.caseText[2], "G+P+1W(負)");
}

TEST(CalculationRun, HeavySnowAreaAddsTheNoSnowSuctionCase) {
    Design d = make_design({.leftCantilever = 600, .heavySnow = true});
    const calc::LoadSet before = d.loads;
    const CalculationRun run = run_calculation(d.inputs, d.data, d.loads);

    ASSERT_EQ(run.checkPages.size(), 5u);
    EXPECT_EQ(run.checkPages[3].label, "短期（暴風時負圧）Ｇ＋Ｐ＋Ｐ＋0.35Ｓ＋Ｗ");
    const CheckPage& no_snow = run.checkPages[4];
    EXPECT_EQ(no_snow.label, "短期（暴風時-積雪無し）Ｇ＋Ｐ＋Ｐ＋Ｗ");
    EXPECT_EQ(no_snow.wTotal, before.deadAndLiveLoad + before.windNegative);
    EXPECT_EQ(no_snow.caseRun.factors.cS, 0.0);
    EXPECT_TRUE(no_snow.cantilever.wallPressure);
    EXPECT_NE(no_snow.model.edgeLoad[0], 0.0);

    EXPECT_EQ(kinds(run),
              (std::vector<K>{K::checkPage, K::checkPage, K::checkPage, K::checkPage, K::checkPage,
                              K::verdict, K::detailPages, K::loadFigure, K::diagramBlock,
                              K::diagramBlock, K::diagramBlock, K::diagramBlock}));
    // The extra block: dead, live and suction unfactored, no snow, no wall pressure.
    const DiagramBlock& last = run.diagramBlocks.back();
    EXPECT_EQ(last.label, no_snow.label + "（負圧）");
    EXPECT_EQ(last.cantileverLoad, no_snow.wTotal);
    EXPECT_EQ(last.caseRun.W, before.windNegative);
    EXPECT_EQ(last.model.edgeLoad[0], 0.0);
    EXPECT_DOUBLE_EQ(last.model.w[0], -0.001 * (before.deadAndLiveLoad + before.windNegative));
    EXPECT_EQ(last.model.q[0][0], 0.0);

    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(d.loads.ratioGP[k], before.ratioGP[k]);
        EXPECT_EQ(d.loads.ratioS[k], before.ratioS[k]);
        EXPECT_EQ(d.loads.ratioW[k], before.ratioW[k]);
    }
    EXPECT_EQ(d.loads.ratioS[2], 0.35);
    // Each diagram block keeps the surface load of its check-pass case for the
    // cantilever's root-shear label.
    EXPECT_EQ(run.diagramBlocks[1].cantileverLoad, run.checkPages[1].wTotal);
}

TEST(CalculationRun, TwoEqualSpansCheckedFromTheClosedForm) {
    Design d = make_design({.directLoads = true});
    const CalculationRun run = run_calculation(d.inputs, d.data, d.loads);

    // Long-term: p = 0.4 N/mm downward, interior moment pL²/8.
    const CheckPage& long_term = run.checkPages[0];
    EXPECT_NEAR(long_term.maxMoment, 0.4 * 2500 * 2500 / 8, 1.0);
    EXPECT_EQ(long_term.sigma, 11.8); // 312500 / 26300, truncated to 0.1
    EXPECT_EQ(long_term.allowable.fA, 136.0);
    EXPECT_EQ(long_term.governingSpanLength, 2500.0);
    EXPECT_EQ(long_term.reactionV2, 99999.0);
    EXPECT_EQ(long_term.lines.size(), 2u);

    // Suction: p = 1.1 N/mm upward lifts every support.
    const CheckPage& suction = run.checkPages[3];
    EXPECT_NEAR(suction.reactionV1, -3.0 / 8 * 1.1 * 2500, 0.0011);
    EXPECT_NEAR(suction.reactionV2, -10.0 / 8 * 1.1 * 2500, 0.0011);
    ASSERT_EQ(suction.lines.size(), 4u);
    EXPECT_EQ(suction.lines[2].kind, CheckKind::jointEnd);
    EXPECT_EQ(suction.lines[2].limit, 12000.0);
    EXPECT_TRUE(suction.lines[2].ok);
    EXPECT_EQ(suction.lines[3].kind, CheckKind::jointMid);

    // The verdict counts exactly the failed lines.
    CheckCounters failed;
    for (const CheckPage& page : run.checkPages)
        for (const CheckLine& line : page.lines)
            if (!line.ok) {
                failed.stress += line.kind == CheckKind::stress;
                failed.deflection += line.kind == CheckKind::deflection;
                failed.joint +=
                    line.kind == CheckKind::jointEnd || line.kind == CheckKind::jointMid;
            }
    EXPECT_EQ(run.verdict.counters.stress, failed.stress);
    EXPECT_EQ(run.verdict.counters.deflection, failed.deflection);
    EXPECT_EQ(run.verdict.counters.joint, failed.joint);
    EXPECT_EQ(run.verdict.text, verdict_text(failed));

    // The load figure carries the unfactored loads.
    EXPECT_DOUBLE_EQ(run.loadFigure.model.w[0], -0.001 * (400 + 900));
    EXPECT_DOUBLE_EQ(run.loadFigure.model.q[0][0], -0.6);
    EXPECT_EQ(run.loadFigure.windNegative, -1500);
}

TEST(CalculationRun, DiagramBlocksCarryOrdinatesEvenForLongSpans) {
    Design d = make_design(
        {.spanCount = 1, .spanLength = 6000, .leftCantilever = 450, .directLoads = true});
    const CalculationRun run = run_calculation(d.inputs, d.data, d.loads);
    for (const DiagramBlock& block : run.diagramBlocks) {
        ASSERT_EQ(block.results.momentSamples[0].size(), 62u); // 0 .. 6000, marker
        EXPECT_EQ(block.results.momentSamples[0].back(), analysis::kSampleEnd);
        EXPECT_EQ(block.results.deflectionSamples[0].size(), 61u);
        EXPECT_EQ(block.results.cantileverMomentSamples[0].size(), 6u);
    }
}

TEST(CalculationRun, DiagramBlocksEqualAFreshDiagramAnalysis) {
    Design d = make_design({.spanCount = 3, .spanLength = 1820, .leftCantilever = 600});
    const CalculationRun run = run_calculation(d.inputs, d.data, d.loads);

    analysis::BeamModel model;
    analysis::CaseResults results;
    LoadCaseRun case_run;
    CheckCounters counters;
    RunRecords rec{d.inputs, d.data, d.loads, model, results, case_run, counters};
    d.loads.windPass = calc::WindPass::positive;
    for (int k = 0; k < 3; ++k) {
        analyse_case({k,
                      k == 2   ? "短期（暴風時）"
                      : k == 1 ? "短期 (積雪時)"
                               : "長期",
                      Pass::diagram},
                     rec);
        const DiagramBlock& block = run.diagramBlocks[k];
        EXPECT_EQ(block.label, case_run.label);
        EXPECT_EQ(block.results.momentSamples, results.momentSamples) << k;
        EXPECT_EQ(block.results.deflectionSamples, results.deflectionSamples) << k;
        EXPECT_EQ(block.results.cantileverMomentSamples, results.cantileverMomentSamples);
        EXPECT_EQ(block.results.endForces, results.endForces) << k;
        EXPECT_EQ(block.results.spanMoment, results.spanMoment) << k;
        EXPECT_EQ(block.results.maxMoment, results.maxMoment) << k;
        EXPECT_EQ(block.results.maxDeflection, results.maxDeflection) << k;
        EXPECT_EQ(block.results.totalLoad, results.totalLoad) << k;
    }
}

TEST(CalculationRun, RepeatedRunsGiveTheSameRecords) {
    Design d = make_design({.spanCount = 3, .leftCantilever = 500, .heavySnow = true});
    const CalculationRun first = run_calculation(d.inputs, d.data, d.loads);
    const CalculationRun second = run_calculation(d.inputs, d.data, d.loads);
    ASSERT_EQ(first.checkPages.size(), second.checkPages.size());
    for (std::size_t i = 0; i < first.checkPages.size(); ++i) {
        EXPECT_EQ(first.checkPages[i].label, second.checkPages[i].label);
        EXPECT_EQ(first.checkPages[i].maxMoment, second.checkPages[i].maxMoment);
        EXPECT_EQ(first.checkPages[i].wTotal, second.checkPages[i].wTotal);
        EXPECT_EQ(first.checkPages[i].results.reactions, second.checkPages[i].results.reactions);
    }
    EXPECT_EQ(first.verdict.text, second.verdict.text);
}

TEST(DiagramScale, GrowsWithTheBeamLength) {
    struct Case {
        double span;
        int totalDeckLength;
        int scale;
    };
    for (const Case c : {Case{5000, 10000, 80}, Case{5000.5, 10001, 100}, Case{8000, 16000, 130}}) {
        analysis::BeamModel m;
        m.n = 2;
        m.L = {c.span, c.span, 0, 0};
        EXPECT_EQ(diagram_scale(m, c.totalDeckLength), c.scale) << c.totalDeckLength;
    }
}

// Stopping at the first failing page tells the same as the whole run: whether
// the design passes and which check fails first; the loads end as they started.
TEST(CalculationRun, UntilFailureStopsAtTheFirstFailingPage) {
    struct Case {
        const char* what;
        testing::DesignOptions options;
        int failingPage; // -1: passes
    };
    const Case cases[] = {
        {"passes, heavy snow", {.spanLength = 1800, .heavySnow = true, .snowDepth = 150}, -1},
        {"fails in the long-term case", {.spanCount = 1, .spanLength = 6000}, 0},
        {"fails under suction",
         {.directLoads = true, .directWindNegative = 6000, .stormSnowRatio = 0.2},
         3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Design whole = make_design(c.options);
        Design quick = make_design(c.options);
        const CalculationRun full = run_calculation(whole.inputs, whole.data, whole.loads);
        const double snow_factor = quick.loads.ratioS[2];
        const CalculationRun part =
            run_calculation(quick.inputs, quick.data, quick.loads, RunScope::untilFailure);

        EXPECT_TRUE(part.diagramBlocks.empty());
        EXPECT_EQ(quick.loads.ratioS[2], snow_factor);
        const auto first_failure = [](const CalculationRun& run) -> int {
            for (std::size_t i = 0; i < run.checkPages.size(); ++i)
                for (const CheckLine& line : run.checkPages[i].lines)
                    if (!line.ok) return static_cast<int>(i);
            return -1;
        };
        const int failing = first_failure(full);
        ASSERT_EQ(failing, c.failingPage);
        EXPECT_EQ(first_failure(part), failing);
        ASSERT_EQ(part.checkPages.size(),
                  failing < 0 ? full.checkPages.size() : static_cast<std::size_t>(failing + 1));
        for (std::size_t i = 0; i < part.checkPages.size(); ++i) {
            EXPECT_EQ(part.checkPages[i].label, full.checkPages[i].label);
            ASSERT_EQ(part.checkPages[i].lines.size(), full.checkPages[i].lines.size());
            for (std::size_t j = 0; j < part.checkPages[i].lines.size(); ++j)
                EXPECT_EQ(part.checkPages[i].lines[j].value, full.checkPages[i].lines[j].value);
        }
    }
}

// The check scope goes on past a failing page: every check and the verdict of
// the whole run, without the diagrams, and the loads end as they started.
TEST(CalculationRun, ChecksScopeHoldsEveryCheckOfTheWholeRun) {
    const testing::DesignOptions failing_early{
        .spanCount = 1, .spanLength = 6000, .leftCantilever = 500, .heavySnow = true};
    Design whole = make_design(failing_early);
    Design checked = make_design(failing_early);
    const CalculationRun full = run_calculation(whole.inputs, whole.data, whole.loads);
    const double snow_factor = checked.loads.ratioS[2];
    const CalculationRun part =
        run_calculation(checked.inputs, checked.data, checked.loads, RunScope::checks);

    EXPECT_TRUE(part.diagramBlocks.empty());
    EXPECT_EQ(checked.loads.ratioS[2], snow_factor);
    EXPECT_EQ(part.verdict.text, full.verdict.text);
    EXPECT_NE(part.verdict.counters.stress, 0);
    ASSERT_EQ(check_labels(part), check_labels(full));
    for (std::size_t i = 0; i < part.checkPages.size(); ++i) {
        ASSERT_EQ(part.checkPages[i].lines.size(), full.checkPages[i].lines.size());
        for (std::size_t j = 0; j < part.checkPages[i].lines.size(); ++j) {
            EXPECT_EQ(part.checkPages[i].lines[j].value, full.checkPages[i].lines[j].value);
            EXPECT_EQ(part.checkPages[i].lines[j].ok, full.checkPages[i].lines[j].ok);
        }
    }
}

} // namespace
} // namespace korvex::run
