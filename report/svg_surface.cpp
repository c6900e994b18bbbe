#include "report/svg_surface.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/number_text.h"
#include "report/report_fonts.h"

namespace korvex::report {

namespace {

std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string s = text;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

// The point where the ray from the centre of `bounds` towards `towards` meets
// the ellipse inscribed in it.
std::pair<double, double> on_ellipse(const Rect& bounds, Point towards) {
    const double cx = (bounds.left + bounds.right) / 2.0;
    const double cy = (bounds.top + bounds.bottom) / 2.0;
    const double rx = (bounds.right - bounds.left) / 2.0;
    const double ry = (bounds.bottom - bounds.top) / 2.0;
    const double angle =
        std::atan2((towards.y - cy) / (ry == 0 ? 1 : ry), (towards.x - cx) / (rx == 0 ? 1 : rx));
    return {cx + rx * std::cos(angle), cy + ry * std::sin(angle)};
}

} // namespace

SvgSurface::SvgSurface(SvgGeometry geometry, TextMeasurer measure)
    : geometry_(std::move(geometry)), measure_(std::move(measure)) {}

TextMetrics SvgSurface::measure_text(const Font& font, std::string_view text) const {
    return measure_(report_font_family(font.name),
                    report_font_pixel_size(font.size, geometry_.fontDpi), font.bold, text);
}

std::string SvgSurface::stroke() const {
    const Pen& p = pen();
    const int width = std::max(1, p.width);
    std::string s = " stroke=\"" + common::hex_colour(p.color) + "\" stroke-width=\"" +
                    std::to_string(width) + "\"";
    const std::vector<double> dashes = dash_lengths(p.style, geometry_.dpi);
    if (dashes.empty()) return s + " stroke-linecap=\"round\"";
    s += " stroke-dasharray=\"";
    for (std::size_t i = 0; i < dashes.size(); ++i) s += (i > 0 ? " " : "") + number(dashes[i]);
    return s + "\"";
}

int SvgSurface::draw_text(Point at, std::string_view text) {
    const TextMetrics m = text_metrics(font(), text);
    const int pixels = report_font_pixel_size(font().size, geometry_.fontDpi);
    std::string& body = bodies_.back();
    if (!brush().clear)
        body += "<rect x=\"" + std::to_string(at.x) + "\" y=\"" + std::to_string(at.y) +
                "\" width=\"" + number(m.advance) + "\" height=\"" + number(m.ascent + m.descent) +
                "\" fill=\"" + common::hex_colour(brush().color) + "\"/>\n";
    body += "<text x=\"" + std::to_string(at.x) + "\" y=\"" + number(at.y + m.ascent) +
            "\" font-family=\"" + report_font_family(font().name) + "\" font-size=\"" +
            std::to_string(pixels) + "\"";
    if (font().bold) body += " font-weight=\"bold\"";
    if (font().italic) body += " font-style=\"italic\"";
    if (font().underline) body += " text-decoration=\"underline\"";
    if (font().color != 0) body += " fill=\"" + common::hex_colour(font().color) + "\"";
    body += " xml:space=\"preserve\">" + escaped(text) + "</text>\n";
    return static_cast<int>(std::lround(m.advance));
}

void SvgSurface::draw_line(Point from, Point to) {
    bodies_.back() += "<line x1=\"" + std::to_string(from.x) + "\" y1=\"" + std::to_string(from.y) +
                      "\" x2=\"" + std::to_string(to.x) + "\" y2=\"" + std::to_string(to.y) + "\"" +
                      stroke() + "/>\n";
}

void SvgSurface::draw_rectangle(const Rect& r) {
    const std::string fill = brush().clear ? "none" : common::hex_colour(brush().color);
    bodies_.back() += "<rect x=\"" + std::to_string(r.left) + "\" y=\"" + std::to_string(r.top) +
                      "\" width=\"" + std::to_string(r.right - r.left) + "\" height=\"" +
                      std::to_string(r.bottom - r.top) + "\" fill=\"" + fill + "\"" + stroke() +
                      "/>\n";
}

void SvgSurface::draw_arc(const Rect& bounds, Point start, Point end) {
    const auto [x1, y1] = on_ellipse(bounds, start);
    const auto [x2, y2] = on_ellipse(bounds, end);
    const double rx = (bounds.right - bounds.left) / 2.0;
    const double ry = (bounds.bottom - bounds.top) / 2.0;
    const double cx = (bounds.left + bounds.right) / 2.0;
    const double cy = (bounds.top + bounds.bottom) / 2.0;
    // Counterclockwise as seen on the page is the decreasing angle of SVG's
    // downward y axis: sweep flag 0. The span decides the large-arc flag.
    double from = std::atan2(-(y1 - cy), x1 - cx);
    double to = std::atan2(-(y2 - cy), x2 - cx);
    double span = to - from;
    while (span <= 0) span += 2 * 3.14159265358979;
    std::string& body = bodies_.back();
    if (std::abs(x1 - x2) < 1e-9 && std::abs(y1 - y2) < 1e-9) {
        body += "<ellipse cx=\"" + number(cx) + "\" cy=\"" + number(cy) + "\" rx=\"" + number(rx) +
                "\" ry=\"" + number(ry) + "\" fill=\"none\"" + stroke() + "/>\n";
        return;
    }
    body += "<path d=\"M " + number(x1) + " " + number(y1) + " A " + number(rx) + " " + number(ry) +
            " 0 " + (span > 3.14159265358979 ? "1" : "0") + " 0 " + number(x2) + " " + number(y2) +
            "\" fill=\"none\"" + stroke() + "/>\n";
}

void SvgSurface::draw_fill(const Rect& r, Color color) {
    bodies_.back() += "<rect x=\"" + std::to_string(r.left) + "\" y=\"" + std::to_string(r.top) +
                      "\" width=\"" + std::to_string(r.right - r.left) + "\" height=\"" +
                      std::to_string(r.bottom - r.top) + "\" fill=\"" + common::hex_colour(color) +
                      "\"/>\n";
}

void SvgSurface::start_new_page() {
    bodies_.emplace_back();
}

std::vector<std::string> SvgSurface::pages() const {
    std::vector<std::string> out;
    const std::string w = std::to_string(geometry_.pageSize.width);
    const std::string h = std::to_string(geometry_.pageSize.height);
    for (const std::string& body : bodies_)
        out.push_back("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + w + " " + h +
                      "\" width=\"" + geometry_.width + "\" height=\"" + geometry_.height +
                      "\">\n<rect width=\"" + w + "\" height=\"" + h + "\" fill=\"#FFFFFF\"/>\n" +
                      body + "</svg>\n");
    return out;
}

} // namespace korvex::report
