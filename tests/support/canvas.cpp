#include "tests/support/canvas.h"

#include <algorithm>
#include <cstdlib>

#include "report/primitives.h"

namespace korvex::report {

void PrintTo(const Point& p, std::ostream* os) {
    *os << '(' << p.x << ", " << p.y << ')';
}

void PrintTo(const Font& f, std::ostream* os) {
    *os << f.name << ' ' << f.size << "pt" << (f.bold ? " bold" : "") << " #" << std::hex << f.color
        << std::dec;
}

} // namespace korvex::report

namespace korvex::testing {

report::SurfaceGeometry screen_geometry() {
    return {72, {565, 3350}, 96};
}

report::SurfaceGeometry paper_geometry() {
    return {600, {4961, 7016}, 600};
}

CanvasFixture::CanvasFixture(int mode, report::ReportDocument document)
    : surface(mode == report::kPrinterOutput ? paper_geometry() : screen_geometry()) {
    report::begin_report(canvas, mode, surface, std::move(document));
}

Point at_mm(const report::ReportCanvas& canvas, double x, double y) {
    return {report::mm_to_px(canvas, x), report::mm_to_px(canvas, y)};
}

const RecordedText* text_named(const RecordingSurface& surface, std::string_view text) {
    for (const RecordedText& t : surface.texts())
        if (t.text == text) return &t;
    return nullptr;
}

int find_text(const std::vector<RecordedText>& texts, std::string_view prefix, int from) {
    for (int i = std::max(from, 0); i < static_cast<int>(texts.size()); ++i)
        if (texts[static_cast<std::size_t>(i)].text.starts_with(prefix)) return i;
    return -1;
}

int find_exact(const std::vector<RecordedText>& texts, std::string_view text, int from) {
    for (int i = std::max(from, 0); i < static_cast<int>(texts.size()); ++i)
        if (texts[static_cast<std::size_t>(i)].text == text) return i;
    return -1;
}

bool has_text(const RecordingSurface& surface, std::string_view text, Point at) {
    return std::any_of(surface.texts().begin(), surface.texts().end(),
                       [&](const RecordedText& t) { return t.text == text && t.at == at; });
}

bool has_line(const RecordingSurface& surface, Point from, Point to) {
    return std::any_of(surface.lines().begin(), surface.lines().end(),
                       [&](const RecordedLine& l) { return l.from == from && l.to == to; });
}

bool has_line_to(const RecordingSurface& surface, Point to, report::Color color) {
    return std::any_of(surface.lines().begin(), surface.lines().end(),
                       [&](const RecordedLine& l) { return l.to == to && l.pen.color == color; });
}

std::vector<const RecordedText*> rest_of_row(const std::vector<RecordedText>& texts, int i,
                                             int near) {
    std::vector<const RecordedText*> row;
    const RecordedText& first = texts.at(static_cast<std::size_t>(i));
    for (int j = i + 1; j < static_cast<int>(texts.size()); ++j) {
        const RecordedText& t = texts[static_cast<std::size_t>(j)];
        if (std::abs(t.at.y - first.at.y) > near) break;
        row.push_back(&t);
    }
    return row;
}

} // namespace korvex::testing
