#pragma once

// Canvases on recording surfaces shaped like the two real devices: the result
// window's 72-dpi image with desktop fonts and an A4 sheet at 600 dpi.

#include <ostream>

#include "report/recording_surface.h"
#include "report/report_canvas.h"

namespace korvex::report {

inline void PrintTo(const Point& p, std::ostream* os) {
    *os << '(' << p.x << ", " << p.y << ')';
}

inline void PrintTo(const Font& f, std::ostream* os) {
    *os << f.name << ' ' << f.size << "pt" << (f.bold ? " bold" : "") << " #" << std::hex << f.color
        << std::dec;
}

} // namespace korvex::report

namespace korvex::report::testing {

inline SurfaceGeometry screen_geometry() {
    return {72, {565, 3350}, 96};
}
inline SurfaceGeometry paper_geometry() {
    return {600, {4961, 7016}, 600};
}

struct CanvasFixture {
    RecordingSurface surface;
    ReportCanvas canvas;

    explicit CanvasFixture(int mode, ReportDocument document = {})
        : surface(mode == kPrinterOutput ? paper_geometry() : screen_geometry()) {
        begin_report(canvas, mode, surface, std::move(document));
    }
};

} // namespace korvex::report::testing
