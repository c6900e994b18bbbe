#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "common/text_encoding.h"
#include "report/diagrams.h"
#include "report/load_diagram.h"
#include "report/primitives.h"
#include "report/report_run.h"
#include "tests/support/canvas.h"
#include "tests/support/designs.h"

namespace korvex::report {
namespace {

using testing::calculate_design;
using testing::CanvasFixture;
using testing::DesignOptions;
using testing::has_line;
using testing::RecordedText;
using testing::text_named;

// Vertical lines from row y upwards by h: the shafts of arrows standing on y.
std::vector<int> shafts(const RecordingSurface& s, const ReportCanvas& c, double y, double h) {
    std::vector<int> xs;
    for (const RecordedLine& l : s.lines())
        if (l.from.x == l.to.x && l.from.y == mm_to_px(c, y) && l.to.y == mm_to_px(c, y - h))
            xs.push_back(l.from.x);
    std::sort(xs.begin(), xs.end());
    return xs;
}

std::vector<int> px_list(const ReportCanvas& c, std::vector<double> mm) {
    std::vector<int> px;
    for (double v : mm) px.push_back(mm_to_px(c, v));
    std::sort(px.begin(), px.end());
    return px;
}

analysis::BeamModel beam(std::vector<double> spans, double left = 0.0, double right = 0.0) {
    analysis::BeamModel m;
    m.n = static_cast<int>(spans.size());
    for (int i = 0; i < m.n; ++i) m.L[i] = spans[i];
    m.cantileverLeft = left;
    m.cantileverRight = right;
    return m;
}

TEST(BeamNodePositions, FollowTheScaleTheRunChoseForTheWholeLength) {
    // 10,000 mm in all still draws at 1:80; one millimetre more changes to 1:100.
    struct Case {
        DesignOptions options;
        int scale;
        std::vector<double> nodes;
        double total;
    };
    const Case cases[] = {
        {{.spanCount = 4, .spanLength = 2500}, 80, {0, 31.25, 62.5, 93.75, 125}, 125},
        {{.spanCount = 1, .spanLength = 10001}, 100, {0, 100.01}, 100.01},
        {{.spanCount = 2, .spanLength = 4700, .leftCantilever = 600}, 80, {7.5, 66.25, 125}, 125},
        {{.spanCount = 2, .spanLength = 4700, .leftCantilever = 601},
         100,
         {6.01, 53.01, 100.01},
         100.01},
    };
    for (const Case& c : cases) {
        const auto sample = calculate_design(c.options);
        const ReportData data = sample->report_data();
        SCOPED_TRACE(c.total);
        ASSERT_EQ(data.run.diagramScale, c.scale);
        const NodePositions p = beam_node_positions(data.run.loadFigure.model, c.scale);
        ASSERT_EQ(p.node.size(), c.nodes.size());
        for (std::size_t k = 0; k < p.node.size(); ++k) EXPECT_DOUBLE_EQ(p.node[k], c.nodes[k]);
        EXPECT_DOUBLE_EQ(p.total, c.total);

        // The load figure puts its supports there: apexes on the beam row.
        CanvasFixture f(kPrinterOutput);
        const DiagramFrame frame = draw_load_figure(f.canvas, data);
        const double beam_row = frame.layout.y[5];
        std::vector<int> apexes;
        for (const RecordedLine& l : f.surface.lines())
            if (l.from.y == mm_to_px(f.canvas, beam_row) &&
                l.to.y == mm_to_px(f.canvas, beam_row + 2.0) && l.to.x < l.from.x)
                apexes.push_back(l.from.x);
        std::vector<double> expected;
        for (double node : c.nodes) expected.push_back(kBeamOriginX + node);
        EXPECT_EQ(apexes, px_list(f.canvas, expected));
    }
}

TEST(LoadBand, SpreadsArrowsAtWholeStepsWithOneAtTheStartOfAShortSegment) {
    // 1:80: cantilevers of 200 mm are 2.5 mm, the 2000 mm span 25 mm.
    CanvasFixture f(kPrinterOutput);
    draw_load_band(f.canvas, beam({2000}, 200, 200), 80, -300, 40, 50, 2.5);
    // None over the short left cantilever; six over the span, its last at the
    // support; one at the short right cantilever's start and one at the tip.
    EXPECT_EQ(shafts(f.surface, f.canvas, 50, 2.5),
              px_list(f.canvas, {42.5, 47.5, 52.5, 57.5, 62.5, 67.5, 67.5, 70}));
    // Downward: heads on the beam side.
    EXPECT_TRUE(has_line(f.surface, {mm_to_px(f.canvas, 70), mm_to_px(f.canvas, 50)},
                         {mm_to_px(f.canvas, 69.6), mm_to_px(f.canvas, 48.8)}));
    EXPECT_TRUE(has_line(f.surface, {mm_to_px(f.canvas, 40), mm_to_px(f.canvas, 47.5)},
                         {mm_to_px(f.canvas, 70), mm_to_px(f.canvas, 47.5)}));
}

TEST(LoadBand, LeftCantileverStepsAreFlooredAndStopBeforeItsRoot) {
    // 1:80: a 1000 mm cantilever is 12.5 mm: two arrows 6 mm apart; the 1300 mm
    // span of 16.25 mm gets steps of 5 mm and an end arrow at 15 mm.
    CanvasFixture f(kScreenOutput);
    draw_load_band(f.canvas, beam({1300}, 1000), 80, 1951, 40, 80, 3.5);
    EXPECT_EQ(shafts(f.surface, f.canvas, 80, 3.5),
              px_list(f.canvas, {40, 46, 52.5, 57.5, 62.5, 67.5, 68.75}));
    // Upward: heads at the top.
    EXPECT_TRUE(has_line(f.surface, {mm_to_px(f.canvas, 40), mm_to_px(f.canvas, 76.5)},
                         {mm_to_px(f.canvas, 39.6), mm_to_px(f.canvas, 77.7)}));
}

TEST(LoadDiagram, CutsTallArrowsToTheRoomOfTheSurface) {
    // With NonScale the largest load stands 6 x factor mm tall.
    struct Case {
        int mode;
        double height; // uncut
        double value;  // N/mm, negative downward
        double drawn;  // arrow length
        double tipsAt; // row of the line over the tips
    };
    const Case cases[] = {
        {kScreenOutput, 6.5, -1, 6.5, 93.5},  {kScreenOutput, 7.5, -1, 6, 94},
        {kScreenOutput, 7.0, -1, 7, 93},      {kPrinterOutput, 7.5, -1, 7, 93},
        {kPrinterOutput, 6.5, -1, 6.5, 93.5}, {kScreenOutput, 7.5, 1, 6, 94},
        {kScreenOutput, 6.5, 1, 6.5, 93.5},   {kPrinterOutput, 7.5, 1, 7, 93},
    };
    for (const Case& c : cases) {
        CanvasFixture f(c.mode);
        SpanLoads loads{};
        loads[0] = {c.value, c.value};
        draw_load_diagram(f.canvas, beam({2000}), 80, loads, 40, 100, c.height / 6.0, -1000,
                          LoadDiagramMode::nonScale);
        SCOPED_TRACE(std::to_string(c.mode) + " " + std::to_string(c.height));
        EXPECT_EQ(shafts(f.surface, f.canvas, 100, c.drawn),
                  px_list(f.canvas, {40, 45, 50, 55, 60, 65}));
        EXPECT_TRUE(has_line(f.surface, {mm_to_px(f.canvas, 40), mm_to_px(f.canvas, c.tipsAt)},
                             {mm_to_px(f.canvas, 65), mm_to_px(f.canvas, c.tipsAt)}));
    }
}

TEST(LoadDiagram, ScalesToTheReferenceLoadAndLabelsEachLoadedSpan) {
    // ScaleAdj: r = 0.6 x 6 x 1200 / 1800 = 2.4 mm for the larger load, so the
    // 300 N/m2 span stands 0.6 mm: below the arrow head, no arrows, only its line.
    CanvasFixture f(kPrinterOutput);
    SpanLoads loads{};
    loads[0] = {-1.2, -1.2};
    loads[1] = {-0.3, -0.3};
    loads[2] = {0.0, 0.0};
    draw_load_diagram(f.canvas, beam({2000, 2000, 2000}), 80, loads, 40, 100, 1.0, -1800,
                      LoadDiagramMode::scaleAdj);
    EXPECT_EQ(shafts(f.surface, f.canvas, 100, 2.4).size(), 6u);
    EXPECT_TRUE(shafts(f.surface, f.canvas, 100, 0.6).empty());
    EXPECT_TRUE(has_line(f.surface, {mm_to_px(f.canvas, 65), mm_to_px(f.canvas, 99.4)},
                         {mm_to_px(f.canvas, 90), mm_to_px(f.canvas, 99.4)}));

    // Labels in N/m2 11 mm above the row, centred with 0.6 of their width.
    ASSERT_EQ(f.surface.texts().size(), 2u);
    const std::string first = common::format_fixed(1200, 5, 0);
    EXPECT_EQ(f.surface.texts()[0].text, "1,200");
    EXPECT_EQ(f.surface.texts()[0].at,
              (Point{mm_to_px(f.canvas, 52.5 - 0.6 * label_width(first)), mm_to_px(f.canvas, 89)}));
    EXPECT_EQ(f.surface.texts()[1].text, " 300");
}

TEST(LoadDiagram, CantileversCarryTheirSpansHeight) {
    // The left cantilever takes the first span's start, the right the last span's
    // end; 1:80 makes 600 mm 7.5 mm: one arrow at the left tip, two on the right.
    CanvasFixture f(kScreenOutput);
    SpanLoads loads{};
    loads[0] = {-2.0, -2.0};
    draw_load_diagram(f.canvas, beam({2000}, 600, 600), 80, loads, 40, 100, 0.5, -1000,
                      LoadDiagramMode::nonScale);
    EXPECT_EQ(shafts(f.surface, f.canvas, 100, 3.0),
              px_list(f.canvas, {40, 47.5, 52.5, 57.5, 62.5, 67.5, 72.5, 72.5, 79.5}));
    EXPECT_TRUE(has_line(f.surface, {mm_to_px(f.canvas, 40), mm_to_px(f.canvas, 97)},
                         {mm_to_px(f.canvas, 47.5), mm_to_px(f.canvas, 97)}));
    // N/mm with three decimals, 8.5 mm above the row.
    ASSERT_EQ(f.surface.texts().size(), 1u);
    EXPECT_EQ(f.surface.texts()[0].text, "2.000");
    EXPECT_EQ(f.surface.texts()[0].at.y, mm_to_px(f.canvas, 91.5));
}

TEST(LoadFigure, LaysOutItsRowsFromThePageBottomWithTheLoadsOfTheRun) {
    const auto sample = calculate_design();
    const ReportData data = sample->report_data();
    const run::LoadFigure& figure = data.run.loadFigure;
    for (int mode : {kScreenOutput, kPrinterOutput}) {
        CanvasFixture f(mode);
        f.canvas.pageBottom = mode == kScreenOutput ? 300 : 0;
        const DiagramFrame frame = draw_load_figure(f.canvas, data);
        const bool paper = mode == kPrinterOutput;
        const double Y0 = f.canvas.pageBottom;
        SCOPED_TRACE(mode);
        const std::array<double, 9> rows{Y0,      Y0,       Y0 + 25,  Y0 + 40, Y0 + 55,
                                         Y0 + 55, Y0 + 100, Y0 + 150, Y0 + 200};
        EXPECT_EQ(frame.layout.y, rows);
        EXPECT_EQ(frame.x0, 40.0);
        EXPECT_EQ(frame.scale, data.run.diagramScale);
        EXPECT_EQ(frame.labelX, paper ? 15.0 : 8.8);
        EXPECT_EQ(f.surface.pen(), (Pen{0, paper ? 3 : 1, PenStyle::solid}));

        const std::string G = std::to_string(figure.deadAndLiveLoad);
        const RecordedText* dead =
            text_named(f.surface, "固定荷重Ｇ[自重＋その他荷重]＋積載荷重Ｐ   Ｗ＝" + G + "N/㎡");
        ASSERT_NE(dead, nullptr);
        // Over its band, lifted just clear of it where the font reaches down to
        // the band's top line.
        const int stated = mm_to_px(f.canvas, Y0 + 25 - (paper ? 8 : 7));
        EXPECT_EQ(dead->at.x, mm_to_px(f.canvas, frame.labelX));
        EXPECT_LE(dead->at.y, stated);
        EXPECT_GE(dead->at.y, stated - mm_to_px(f.canvas, 2.0));
        EXPECT_LE(dead->box.bottom, mm_to_px(f.canvas, Y0 + 25 - 2.5) -
                                        kClearanceMm * f.canvas.scale - (paper ? 1.5 : 0.5));
        const RecordedText* wind =
            text_named(f.surface, "風荷重 Ｗ(負圧)＝" + std::to_string(figure.windNegative) +
                                      "N/㎡(下記)、  Ｗ(正圧)＝" +
                                      std::to_string(figure.windPositive) + "N/㎡");
        ASSERT_NE(wind, nullptr);
        EXPECT_EQ(wind->at.y, mm_to_px(f.canvas, Y0 + 31));
        // The unit stands under its caption, lowered just clear of it where the
        // font reaches down that far.
        const RecordedText* unit = text_named(f.surface, "   [N/㎡]");
        const RecordedText* snow = text_named(f.surface, "積雪荷重Ｓ");
        ASSERT_TRUE(unit && snow);
        const int unit_row = mm_to_px(f.canvas, Y0 + 55 - (paper ? 7.5 : 6.5));
        EXPECT_GE(unit->at.y, unit_row);
        EXPECT_LE(unit->at.y, unit_row + mm_to_px(f.canvas, 1.0));
        EXPECT_FALSE(boxes_overlap(unit->box, snow->box, kHairlineMm * f.canvas.scale));

        const RecordedText* heading = text_named(f.surface, "計算結果（M-図,δ-図）");
        ASSERT_NE(heading, nullptr);
        const int base = f.canvas.baseFontSize;
        const Point heading_at = paper ? Point{mm_to_px(f.canvas, 157), mm_to_px(f.canvas, 71)}
                                       : Point{mm_to_px(f.canvas, 3.8), mm_to_px(f.canvas, 368)};
        EXPECT_EQ(heading->at, heading_at);
        EXPECT_EQ(heading->font.size, paper ? base : 11);
        const RecordedText* note = text_named(f.surface, "（下向き荷重を正とする）");
        ASSERT_NE(note, nullptr);
        EXPECT_EQ(note->font.size, paper ? 9 : 8);

        // Both bands: dead load heads down on y2, suction heads up under y3.
        EXPECT_FALSE(shafts(f.surface, f.canvas, Y0 + 25, 2.5).empty());
        EXPECT_FALSE(shafts(f.surface, f.canvas, Y0 + 40, 3.5).empty());
        // Centre lines from under the beam up to the dead-load row, left out
        // only where a caption of a row stands across them.
        const int centre_x = mm_to_px(f.canvas, 40);
        std::vector<const RecordedLine*> centre;
        for (const RecordedLine& l : f.surface.lines())
            if (l.pen.style == PenStyle::dashDot && l.from.x == centre_x) centre.push_back(&l);
        ASSERT_FALSE(centre.empty());
        EXPECT_EQ(centre.front()->from.y, mm_to_px(f.canvas, Y0 + 63));
        EXPECT_EQ(centre.back()->to.y, mm_to_px(f.canvas, Y0 + 25));
        for (std::size_t i = 0; i + 1 < centre.size(); ++i) {
            const double gap = (centre[i]->to.y + centre[i + 1]->from.y) / 2.0;
            EXPECT_TRUE(std::any_of(f.surface.texts().begin(), f.surface.texts().end(),
                                    [&](const RecordedText& t) {
                                        return t.box.left < centre_x && t.box.right > centre_x &&
                                               t.box.top < gap && t.box.bottom > gap;
                                    }))
                << "a gap at " << gap << " with no text in it";
        }
    }
}

TEST(LoadFigure, RulesOffTheDiagramPartOnEachSurface) {
    const auto sample = calculate_design();
    const ReportData data = sample->report_data();
    {
        // Screen: one rule 8 mm below the origin, as wide as page 1's frame.
        CanvasFixture f(kScreenOutput);
        f.canvas.pageBottom = 300;
        f.canvas.frameRight = 549;
        draw_load_figure(f.canvas, data);
        EXPECT_TRUE(has_line(f.surface, {f.canvas.leftMargin, mm_to_px(f.canvas, 308)},
                             {549, mm_to_px(f.canvas, 308)}));
    }
    {
        // Paper: the rule over the stress diagrams, with the heading's box.
        CanvasFixture f(kPrinterOutput);
        f.canvas.leftMargin = mm_to_px(f.canvas, 13);
        draw_load_figure(f.canvas, data);
        const int L = f.canvas.leftMargin;
        const int right = L + mm_to_px(f.canvas, 180);
        const int box = right - mm_to_px(f.canvas, 40);
        const int top = mm_to_px(f.canvas, 70);
        const int bottom = mm_to_px(f.canvas, 76);
        EXPECT_TRUE(has_line(f.surface, {L, top}, {right, top}));
        EXPECT_TRUE(has_line(f.surface, {box, top}, {box, bottom}));
        EXPECT_TRUE(has_line(f.surface, {box, bottom}, {right, bottom}));
    }
}

TEST(LoadFigure, SnowIsDrawnOnlyWhenThereIsSome) {
    struct Case {
        DesignOptions options;
        bool snow;
    };
    // Heavy snow against the suction stands at the cut height (7 mm on paper),
    // over the cantilever as over the spans.
    const Case cases[] = {
        {{.leftCantilever = 600, .heavySnow = true}, true},
        {{.leftCantilever = 600, .snowDepth = 0}, false},
    };
    for (const Case& c : cases) {
        const auto sample = calculate_design(c.options);
        const ReportData data = sample->report_data();
        CanvasFixture f(kPrinterOutput);
        const DiagramFrame frame = draw_load_figure(f.canvas, data);
        const double row = frame.layout.y[4];
        SCOPED_TRACE(c.snow);
        const std::vector<int> arrows = shafts(f.surface, f.canvas, row, 7.0);
        // The values stand over the arrows' tops, 11 mm over the row, or just
        // clear of them where a tall font reaches down to them.
        std::vector<std::string> labels;
        for (const RecordedText& t : f.surface.texts())
            if (t.at.y <= mm_to_px(f.canvas, row - 11) &&
                t.at.y > mm_to_px(f.canvas, row - 11) - t.box.height() &&
                t.at.x > mm_to_px(f.canvas, 40)) {
                labels.push_back(t.text);
                EXPECT_LE(t.box.bottom,
                          mm_to_px(f.canvas, row - 7) - kClearanceMm * f.canvas.scale);
            }
        if (c.snow) {
            const double q = data.run.loadFigure.model.q[0][0];
            const std::string value = common::format_fixed(-q * 1000, 5, 0);
            EXPECT_EQ(labels, (std::vector<std::string>{value, value}));
            EXPECT_EQ(arrows.front(), mm_to_px(f.canvas, 40));
            EXPECT_EQ(arrows.size(), 15u); // 1 + 7 + 7
        } else {
            EXPECT_TRUE(labels.empty());
            for (const RecordedLine& l : f.surface.lines())
                EXPECT_FALSE(l.from.x == l.to.x && l.pen.style == PenStyle::solid &&
                             l.from.y == mm_to_px(f.canvas, row) && l.to.y < l.from.y &&
                             l.to.y > mm_to_px(f.canvas, row - 8));
        }
    }
}

run::DiagramBlock labelled_block(const std::string& label, bool negative_block) {
    run::DiagramBlock block;
    block.label = label;
    block.model = beam({2000});
    block.results.totalLoad[0] = {-0.5, -0.5};
    block.negativePressureBlock = negative_block;
    return block;
}

TEST(DiagramBlock, ScreenHeadingIsAnEightyByteDashLine) {
    struct Case {
        std::string label;
        int before;
        int after;
    };
    const Case cases[] = {
        {"長期Ｇ＋Ｐ", 33, 33},              // 14 bytes with its blanks
        {"短期 (積雪時)Ｇ＋Ｐ＋Ｓ", 26, 27}, // 27 bytes: the odd one goes last
    };
    for (const Case& c : cases) {
        const auto sample = calculate_design();
        CanvasFixture f(kScreenOutput);
        DiagramFrame frame;
        draw_diagram_block(f.canvas, sample->report_data(), frame, labelled_block(c.label, false),
                           200);
        const std::string expected =
            std::string(c.before, '-') + " ■" + c.label + " " + std::string(c.after, '-');
        const RecordedText* heading = text_named(f.surface, expected);
        ASSERT_NE(heading, nullptr) << c.label;
        EXPECT_EQ(common::cp932_byte_length(heading->text), 80u);
        EXPECT_EQ(heading->at, (Point{mm_to_px(f.canvas, 6), mm_to_px(f.canvas, 174)}));
        EXPECT_EQ(heading->font.name, kFixedPitchFont);
        EXPECT_EQ(f.surface.font().name, kProportionalFont);
    }
}

TEST(DiagramBlock, PaperSetsBlocksOffAndMovesTheirAxisUp) {
    struct Case {
        int mode;
        bool negativeBlock;
        double axis;       // returned
        double heading;    // row of the case heading
        double title;      // row of "応力図"
        double momentUnit; // row of "Ｍ[kN･m]"
        bool dotted;
    };
    const Case cases[] = {
        {kScreenOutput, false, 200, 174, 185, 205, false},
        {kScreenOutput, true, 200, 174.5, 185, 205, false},
        {kPrinterOutput, false, 196, 171, 185, 200.5, true},
        {kPrinterOutput, true, 200, 175.5, 185, 204.5, false},
    };
    const auto sample = calculate_design();
    for (const Case& c : cases) {
        CanvasFixture f(c.mode);
        DiagramFrame frame;
        frame.labelX = c.mode == kPrinterOutput ? 15.0 : 8.8;
        const run::DiagramBlock block = labelled_block("長期Ｇ＋Ｐ", c.negativeBlock);
        const double axis =
            draw_diagram_block(f.canvas, sample->report_data(), frame, block, 200).axisRow;
        SCOPED_TRACE(std::to_string(c.mode) + (c.negativeBlock ? " negative" : ""));
        EXPECT_EQ(axis, c.axis);
        const auto row_of = [&](const std::string& text) {
            const RecordedText* t = text_named(f.surface, text);
            return t ? t->at.y : -1;
        };
        const auto heading =
            std::find_if(f.surface.texts().begin(), f.surface.texts().end(),
                         [](const RecordedText& t) { return t.text.find("■長期") != t.text.npos; });
        ASSERT_NE(heading, f.surface.texts().end());
        EXPECT_EQ(heading->at.y, mm_to_px(f.canvas, c.heading));
        EXPECT_EQ(heading->at.x, mm_to_px(f.canvas, c.mode == kPrinterOutput ? 14 : 6));
        EXPECT_EQ(row_of("応力図"), mm_to_px(f.canvas, c.title));
        EXPECT_EQ(row_of("Ｍ[kN･m]"), mm_to_px(f.canvas, c.momentUnit));
        EXPECT_EQ(row_of("(Ｑ[kN])"), mm_to_px(f.canvas, c.axis + 15));
        EXPECT_EQ(row_of("δ[mm]"), mm_to_px(f.canvas, c.axis + 10));
        // The load diagram keeps the row the block was given.
        EXPECT_EQ(row_of("0.500"), mm_to_px(f.canvas, 179.5));

        const int x = f.canvas.leftMargin + mm_to_px(f.canvas, 2);
        const int y = mm_to_px(f.canvas, 220);
        const bool dotted = std::any_of(
            f.surface.lines().begin(), f.surface.lines().end(), [&](const RecordedLine& l) {
                return l.pen.style == PenStyle::dot && l.from == Point{x, y} &&
                       l.to == Point{x + mm_to_px(f.canvas, 176), y};
            });
        EXPECT_EQ(dotted, c.dotted);
        EXPECT_EQ(f.surface.pen().style, PenStyle::solid);
    }
}

// Spans too short to hold their values: the blocks grow, and on paper a block
// that would run past the sheet's frame goes on to a sheet of its own, framed
// like the first; nothing is drawn below a frame.
TEST(DiagramBlock, BlocksThatGrowGoOnToASheetOfTheirOwn) {
    const auto sample = calculate_design(
        {.spans = {200, 200, 200, 200}, .leftCantilever = 1000, .heavySnow = true});
    CanvasFixture f(kPrinterOutput, {{}, "", "2024/05/01"});
    const ReportData data = sample->report_data();
    draw_report(f.canvas, data);
    const RecordedText* title = text_named(f.surface, "荷   　  重");
    ASSERT_NE(title, nullptr);
    const int first = title->page;
    const int last = f.surface.page_count() - 1;
    EXPECT_GT(last, first) << "the diagrams go on to another sheet";
    const int frame_foot = mm_to_px(f.canvas, 15) - mm_to_px(f.canvas, 5) + mm_to_px(f.canvas, 265);
    for (int page = first; page <= last; ++page) {
        int frames = 0;
        for (const RecordedRectangle& r : f.surface.rectangles())
            frames += r.page == page && r.rect.bottom == frame_foot;
        EXPECT_EQ(frames, 1) << "sheet " << page;
        for (const RecordedText& t : f.surface.texts()) {
            if (t.page != page || t.text.find("Velmora") != std::string::npos ||
                t.text.find("FileName") != std::string::npos)
                continue;
            EXPECT_LE(t.box.bottom, frame_foot) << t.text << " on sheet " << page;
        }
    }
}

} // namespace
} // namespace korvex::report
