// The report reads cleanly on both devices: on no sheet do two texts overlap,
// and no drawn line crosses a text or comes nearer to it than the air a figure
// keeps around its labels.
//
// Every example design, every design of the limits table and a spread of seeded
// random designs is drawn on the real devices, the result window's image and a
// PDF writer, through a recording surface that passes each call on. Each text is
// recorded with its box as that device measured it in the font it was drawn in.
//
// What is checked, on every sheet:
// - A text's box runs from its first to its last printed character (the spaces a
//   number is padded with leave no mark) and over its font's ascent and descent
//   below the point it was drawn at. Pieces of one line drawn one after another
//   from the pen, such as a formula with its exponents and subscripts or the
//   "---------- " and "OK" of a mark, are one text: a run may touch the text it
//   belongs to.
// - Two texts overlap when their boxes share more than a hairline (0.25 mm) both
//   across and down.
// - Every line drawn keeps clear of every text. The lines of a figure (beam
//   axes, moment and deflection curves, support triangles, load arrows and
//   their heads, the supports' centre lines, dimension lines, leaders, the
//   schematic beam of a check page, the roof figure's outlines and arcs) fail a
//   text when they come within 0.3 mm of its box, counted from the edge of their
//   pen: the air the layout keeps between a label and what stands beside it.
//   Frames (page frames, the boxes of headings, the verdict and the subject,
//   rules under and between sections, rectangle edges) hold texts laid out on
//   the page's own rows and fail one only when they run through its box more
//   than a hairline inside its edges.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>

#include "app/paper_surface.h"
#include "app/report_rendering.h"
#include "app/screen_image_surface.h"
#include "form/calculate.h"
#include "form/control_events.h"
#include "form/project_commands.h"
#include "form/site_selection.h"
#include "report/recording_surface.h"
#include "report/report_canvas.h"
#include "tests/support/designs.h"
#include "tests/support/limit_designs.h"

namespace korvex::app {
namespace {

using report::Box;
using report::RecordedText;
using report::RecordingSurface;
using report::Segment;

constexpr double kHairlineMm = 0.25;
constexpr double kClearanceMm = 0.3;
// A run continues its text from the pen: at most this far right of it and up or
// down (an exponent is raised 0.8 mm, a unit after an exponent set 1.5 mm off).
constexpr double kRunReachMm = 2.0;

struct Collision {
    int page = 0;
    std::string what;
};

std::string describe(const RecordedText& t) {
    std::ostringstream out;
    out << '"' << t.text << "\" at (" << t.at.x << ", " << t.at.y << ")";
    return out.str();
}

// Texts of one sheet grouped into the texts a reader sees: each entry holds the
// indices of its pieces.
std::vector<std::vector<std::size_t>> whole_texts(const std::vector<RecordedText>& texts,
                                                  double reach) {
    std::vector<std::vector<std::size_t>> groups;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const RecordedText& t = texts[i];
        bool continues = false;
        if (i > 0 && !groups.empty()) {
            const RecordedText& before = texts[i - 1];
            // The pen is left at the rounded end of the text before.
            const double pen = std::round(before.at.x + (before.box.right - before.at.x));
            continues = before.page == t.page && t.order == before.order + 1 &&
                        t.at.x >= pen - 1.0 && t.at.x <= pen + reach &&
                        std::abs(t.at.y - before.at.y) <= reach;
        }
        if (continues)
            groups.back().push_back(i);
        else
            groups.push_back({i});
    }
    return groups;
}

// Every line drawn on the sheet, with the width of its pen: lines of every role,
// the edges of rectangles and the chords of arcs.
std::vector<Segment> drawn_lines(const RecordingSurface& surface, int page) {
    std::vector<Segment> lines;
    for (const auto& l : surface.lines())
        if (l.page == page) lines.push_back({l.from, l.to, l.role, l.pen.width});
    for (const auto& r : surface.rectangles()) {
        if (r.page != page) continue;
        const report::Rect& q = r.rect;
        const report::Point corners[] = {
            {q.left, q.top}, {q.right, q.top}, {q.right, q.bottom}, {q.left, q.bottom}};
        for (int i = 0; i < 4; ++i)
            lines.push_back(
                {corners[i], corners[(i + 1) % 4], report::LineRole::frame, r.pen.width});
    }
    for (const auto& a : surface.arcs())
        if (a.page == page)
            for (Segment chord : report::arc_chords(a.bounds, a.start, a.end)) {
                chord.width = a.pen.width;
                lines.push_back(chord);
            }
    return lines;
}

const char* role_name(report::LineRole role) {
    switch (role) {
    case report::LineRole::figure:
        return "figure line";
    case report::LineRole::tick:
        return "tick";
    case report::LineRole::frame:
        return "frame line";
    }
    return "line";
}

std::vector<Collision> collisions(const RecordingSurface& surface) {
    const double per_mm = surface.dpi() / 25.4;
    const double hairline = kHairlineMm * per_mm;
    const double clearance = kClearanceMm * per_mm;
    std::vector<Collision> found;
    for (int page = 0; page < surface.page_count(); ++page) {
        std::vector<RecordedText> texts;
        for (const RecordedText& t : surface.texts())
            if (t.page == page && t.box.width() > 0.0) texts.push_back(t);
        const auto groups = whole_texts(texts, kRunReachMm * per_mm);
        for (std::size_t a = 0; a < groups.size(); ++a)
            for (std::size_t b = a + 1; b < groups.size(); ++b)
                for (std::size_t i : groups[a])
                    for (std::size_t j : groups[b])
                        if (report::boxes_overlap(texts[i].box, texts[j].box, hairline))
                            found.push_back({page, describe(texts[i]) + " and " +
                                                       describe(texts[j]) + " overlap"});
        // Each text once, with the first line that fails it.
        const std::vector<Segment> lines = drawn_lines(surface, page);
        for (const RecordedText& t : texts) {
            const auto meets = [&](const Segment& line) {
                // A line of a figure may not come within the clearance of a
                // text, counted from the edge of its pen; a frame may not run
                // through one.
                if (line.role == report::LineRole::frame)
                    return report::segment_crosses(line, t.box, hairline);
                return report::segment_crosses(line, t.box,
                                               -(clearance + std::max(1, line.width) / 2.0));
            };
            const auto line = std::find_if(lines.begin(), lines.end(), meets);
            if (line == lines.end()) continue;
            std::ostringstream out;
            out << describe(t)
                << (line->role == report::LineRole::frame ? " crosses the " : " is touched by the ")
                << role_name(line->role) << " (" << line->from.x << ", " << line->from.y << ")-("
                << line->to.x << ", " << line->to.y << ")";
            found.push_back({page, out.str()});
        }
    }
    return found;
}

std::vector<Collision> screen_collisions(const form::Session& session) {
    ScreenImageSurface image(screen_report_height(session));
    RecordingSurface recording(image, report::DeviceUse::draw);
    draw_session_report(session, report::kScreenOutput, recording);
    image.finish();
    return collisions(recording);
}

std::vector<Collision> paper_collisions(const form::Session& session) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    set_up_pdf_writer(writer);
    PaperSurface paper(writer);
    EXPECT_TRUE(paper.is_active());
    RecordingSurface recording(paper, report::DeviceUse::draw);
    draw_session_report(session, report::kPrinterOutput, recording);
    EXPECT_TRUE(paper.finish());
    return collisions(recording);
}

class ReportLayout : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "app_tests";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
        started = new form::Session;
        const auto error = form::start_session(*started, KORVEX_DATA_DIR, "layout");
        ASSERT_FALSE(error) << error->message;
    }
    static void TearDownTestSuite() {
        delete started;
        started = nullptr;
    }

    // Draws the calculated design on both devices and reports every collision.
    void expect_clean(const std::string& name, const form::Session& session) {
        const struct {
            const char* mode;
            std::vector<Collision> found;
        } modes[] = {{"screen", screen_collisions(session)}, {"paper", paper_collisions(session)}};
        for (const auto& m : modes) {
            totals[m.mode] += static_cast<int>(m.found.size());
            EXPECT_EQ(m.found.size(), 0u) << name << ", " << m.mode;
            constexpr std::size_t kShown = 800;
            for (std::size_t i = 0; i < m.found.size() && i < kShown; ++i)
                ADD_FAILURE() << name << ", " << m.mode << " sheet " << m.found[i].page + 1 << ": "
                              << m.found[i].what;
        }
    }

    static form::Session* started;
    std::map<std::string, int> totals;
};

form::Session* ReportLayout::started = nullptr;

TEST_F(ReportLayout, NoTextOfAnExampleOverlapsAnotherOrMeetsALine) {
    std::vector<std::filesystem::path> projects;
    for (const auto& entry : std::filesystem::directory_iterator(KORVEX_EXAMPLES))
        if (entry.path().extension() == ".kvxw") projects.push_back(entry.path());
    std::sort(projects.begin(), projects.end());
    ASSERT_EQ(projects.size(), 6u);
    for (const auto& project : projects) {
        auto session = std::make_unique<form::Session>(*started);
        const form::LoadOutcome loaded = form::load_project(*session, project);
        ASSERT_TRUE(loaded.applied && !loaded.failed) << project;
        ASSERT_FALSE(form::calculate(*session)) << project;
        // The footer names the file as the examples print it, from their folder.
        session->paths.currentFilePath = project.filename();
        expect_clean(project.stem().string(), *session);
    }
    for (const auto& [mode, count] : totals) RecordProperty(mode + "_collisions", count);
}

TEST_F(ReportLayout, NoTextOfADesignAtTheLimitsOverlapsAnotherOrMeetsALine) {
    for (const testing::LimitDesign& design : testing::limit_designs()) {
        auto session = std::make_unique<form::Session>(*started);
        testing::set_limit_design(*session, design);
        ASSERT_FALSE(form::calculate(*session)) << design.name;
        expect_clean(design.name, *session);
    }
    for (const auto& [mode, count] : totals) RecordProperty(mode + "_collisions", count);
}

// The snow page with the sea ratio's reference and its map: taken at the
// office of a coastal area with the formula's depth, and measured at the
// site's own point, on both sides of an arc roof's figure.
TEST_F(ReportLayout, NoTextOfTheSeaRatioMapOverlapsAnotherOrMeetsALine) {
    for (const bool entered : {false, true}) {
        auto session = std::make_unique<form::Session>(*started);
        ASSERT_FALSE(form::choose_area(session->form, session->siteTables, 2,
                                       "大船渡市(旧大船渡市)"));
        form::change_control(*session, "arcRoofRadio", "1");
        form::change_control(*session, "formulaDepthRadio", "1");
        if (entered) form::change_control(*session, "siteCoordinatesEdit", "39.0822, 141.7083");
        form::change_control(*session, "takeSeaRatioButton", "1");
        ASSERT_TRUE(session->form.site.seaRatioFromReference);
        ASSERT_FALSE(form::calculate(*session));
        ASSERT_TRUE(session->snapshot.seaMap);
        expect_clean(entered ? "sea ratio at the site" : "sea ratio at the office", *session);
    }
}

// A spread of designs no example or limit covers: every roof type and building
// form, one to four spans of their own lengths, overhangs on either side or
// both, loads entered directly, heavy snow. Seeded, so that a failure names a
// design that fails again.
std::vector<testing::DesignOptions> random_designs(int count) {
    std::mt19937 random(20240611);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(random); };
    const auto chance = [&](int percent) { return pick(1, 100) <= percent; };
    const auto overhang = [&] { return chance(50) ? 10 * pick(20, 100) : 0; };
    std::vector<testing::DesignOptions> designs;
    for (int i = 0; i < count; ++i) {
        testing::DesignOptions o;
        o.roofType = static_cast<calc::RoofType>(calc::code(calc::RoofType::monoPitch) + i % 4);
        o.canopyShape = chance(50) ? calc::CanopyShape::wing : calc::CanopyShape::gable;
        o.buildingForm = static_cast<calc::BuildingForm>(pick(0, 2));
        o.spans.resize(static_cast<std::size_t>(pick(1, 4)));
        // Mostly ordinary spans, now and then a very short or very long one.
        for (int& span : o.spans)
            span = chance(15)   ? 10 * pick(20, 100)
                   : chance(10) ? 10 * pick(600, 1200)
                                : 10 * pick(90, 450);
        o.leftCantilever = overhang();
        o.rightCantilever = overhang();
        o.directLoads = chance(25);
        o.directWindPositive = 10 * pick(10, 300);
        o.directWindNegative = 10 * pick(10, 500);
        o.heavySnow = chance(35);
        o.snowDepth = o.heavySnow ? pick(150, 400) : pick(0, 100);
        o.deckIndex = pick(0, 3);
        o.liveLoad = chance(30) ? 10 * pick(0, 100) : 0;
        o.otherDeadLoad = 10 * pick(0, 60);
        o.eaveHeightMm = 100 * pick(30, 300);
        o.buildingHeightMm = o.eaveHeightMm + 100 * pick(0, 50);
        o.spanDirectionLengthMm = 1000 * pick(5, 60);
        designs.push_back(o);
    }
    return designs;
}

std::string describe(const testing::DesignOptions& o) {
    std::ostringstream out;
    out << "roof " << calc::code(o.roofType) << ", spans";
    for (const int span : o.spans) out << ' ' << span;
    out << ", overhangs " << o.leftCantilever << '/' << o.rightCantilever
        << (o.directLoads ? ", direct loads" : "") << (o.heavySnow ? ", heavy snow " : ", snow ")
        << o.snowDepth << " cm";
    return out.str();
}

TEST_F(ReportLayout, NoTextOfARandomDesignOverlapsAnotherOrMeetsALine) {
    for (const testing::DesignOptions& options : random_designs(40)) {
        const auto design = testing::calculate_design(options);
        auto session = std::make_unique<form::Session>(*started);
        session->inputs = design->inputs;
        session->data = design->data;
        session->wind = design->wind;
        session->increase = design->increase;
        session->loads = design->loads;
        session->run = design->run;
        session->snapshot = design->window;
        expect_clean(describe(options), *session);
    }
    for (const auto& [mode, count] : totals) RecordProperty(mode + "_collisions", count);
}

} // namespace
} // namespace korvex::app
