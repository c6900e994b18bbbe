// The report reads cleanly on both devices: on no sheet do two texts overlap,
// and no text crosses a frame line.
//
// Every example design and every design of the limits table is drawn on the real
// devices, the result window's image and a PDF writer, through a recording
// surface that passes each call on. Each text is recorded with its box as that
// device measured it in the font it was drawn in.
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
// - Frame lines are the edges of rectangles and the lines the report draws as
//   frames (page frames, the boxes of headings, the verdict and the subject,
//   rules under and between sections), and the ticks of the load figure (the
//   supports' centre lines and the ends of the span dimensions). A text crosses
//   one when the line runs through its box more than a hairline inside its
//   edges. Curves, axes, arrows, support symbols and leaders are drawings, not
//   frame lines: a label may stand beside them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
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
#include "form/project_commands.h"
#include "report/recording_surface.h"
#include "report/report_canvas.h"
#include "tests/support/limit_designs.h"

namespace korvex::app {
namespace {

using report::Box;
using report::RecordedText;
using report::RecordingSurface;
using report::Segment;

constexpr double kHairlineMm = 0.25;
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

std::vector<Segment> frame_lines(const RecordingSurface& surface, int page) {
    std::vector<Segment> frames;
    for (const auto& l : surface.lines())
        if (l.page == page && l.role != report::LineRole::figure)
            frames.push_back({l.from, l.to, l.role});
    for (const auto& r : surface.rectangles()) {
        if (r.page != page) continue;
        const report::Rect& q = r.rect;
        const report::Point corners[] = {
            {q.left, q.top}, {q.right, q.top}, {q.right, q.bottom}, {q.left, q.bottom}};
        for (int i = 0; i < 4; ++i)
            frames.push_back({corners[i], corners[(i + 1) % 4], report::LineRole::frame});
    }
    return frames;
}

std::vector<Collision> collisions(const RecordingSurface& surface) {
    const double per_mm = surface.dpi() / 25.4;
    const double hairline = kHairlineMm * per_mm;
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
        for (const Segment& line : frame_lines(surface, page))
            for (const RecordedText& t : texts)
                if (report::segment_crosses(line, t.box, hairline)) {
                    std::ostringstream out;
                    out << describe(t) << " crosses the "
                        << (line.role == report::LineRole::tick ? "tick" : "frame line") << " ("
                        << line.from.x << ", " << line.from.y << ")-(" << line.to.x << ", "
                        << line.to.y << ")";
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
            constexpr std::size_t kShown = 8;
            for (std::size_t i = 0; i < m.found.size() && i < kShown; ++i)
                ADD_FAILURE() << name << ", " << m.mode << " sheet " << m.found[i].page + 1 << ": "
                              << m.found[i].what;
        }
    }

    static form::Session* started;
    std::map<std::string, int> totals;
};

form::Session* ReportLayout::started = nullptr;

TEST_F(ReportLayout, NoTextOfAnExampleOverlapsAnotherOrCrossesAFrameLine) {
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

TEST_F(ReportLayout, NoTextOfADesignAtTheLimitsOverlapsAnotherOrCrossesAFrameLine) {
    for (const testing::LimitDesign& design : testing::limit_designs()) {
        auto session = std::make_unique<form::Session>(*started);
        testing::set_limit_design(*session, design);
        ASSERT_FALSE(form::calculate(*session)) << design.name;
        expect_clean(design.name, *session);
    }
    for (const auto& [mode, count] : totals) RecordProperty(mode + "_collisions", count);
}

} // namespace
} // namespace korvex::app
