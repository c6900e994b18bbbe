#pragma once

// A surface that writes every sheet as an SVG document, for the browser edition:
// the same pages the printer gets, drawn by the same report code. Texts are
// measured by whoever shows them (the browser, with the fonts it will draw in),
// so the pen lands where it lands on the device.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "report/surface.h"

namespace korvex::report {

// How a text in `family` (a CSS font family) at `pixel_size` pixels measures on
// the device that will show it.
using TextMeasurer = std::function<TextMetrics(const std::string& family, int pixel_size, bool bold,
                                               std::string_view text)>;

struct SvgGeometry {
    int dpi = 600;
    Size pageSize{4961, 7016}; // A4 at 600 dpi
    int fontDpi = 600;
    // The sheet's size for the viewer, e.g. "210mm".
    std::string width = "210mm";
    std::string height = "297mm";
};

class SvgSurface : public Surface {
public:
    SvgSurface(SvgGeometry geometry, TextMeasurer measure);

    int dpi() const override { return geometry_.dpi; }
    Size page_size() const override { return geometry_.pageSize; }

    // Every sheet drawn so far as a complete SVG document.
    std::vector<std::string> pages() const;

protected:
    TextMetrics measure_text(const Font& font, std::string_view text) const override;
    int draw_text(Point at, std::string_view text) override;
    void draw_line(Point from, Point to) override;
    void draw_rectangle(const Rect& rect) override;
    void draw_arc(const Rect& bounds, Point start, Point end) override;
    void draw_fill(const Rect& rect, Color color) override;
    void start_new_page() override;

private:
    std::string stroke() const;

    SvgGeometry geometry_;
    TextMeasurer measure_;
    std::vector<std::string> bodies_{1};
};

} // namespace korvex::report
