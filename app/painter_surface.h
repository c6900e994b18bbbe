#pragma once

// The report surface on a QPainter: the marks of every device (screen image,
// printer, PDF). Text is placed by its top like the report expects, while
// QPainter writes at the base line.

#include <optional>

#include <QFontMetricsF>
#include <QPainter>

#include "report/surface.h"

namespace korvex::app {

class PainterSurface : public report::Surface {
public:
    int dpi() const override { return dpi_; }
    report::Size page_size() const override { return pageSize_; }
    int font_dpi() const { return fontDpi_; }
    bool is_active() const { return painter_.isActive(); }

protected:
    // QFontMetricsF of the font as this device draws it.
    report::TextMetrics measure_text(const report::Font& font,
                                     std::string_view text) const override;

    // `dpi`: pixels per inch of the report coordinates; `font_dpi`: pixels per
    // inch at which point sizes become pixel sizes.
    PainterSurface(int dpi, int font_dpi) : dpi_(dpi), fontDpi_(font_dpi) {}

    // Starts painting; `page_size` is the drawable area in report pixels.
    bool begin(QPaintDevice* device, report::Size page_size);
    bool end();
    QPainter& painter() { return painter_; }

    int draw_text(report::Point at, std::string_view text) override;
    void draw_line(report::Point from, report::Point to) override;
    void draw_rectangle(const report::Rect& rect) override;
    void draw_arc(const report::Rect& bounds, report::Point start, report::Point end) override;
    void draw_fill(const report::Rect& rect, report::Color color) override;

    void font_changed() override { fontDirty_ = true; }

private:
    void apply_font();
    void apply_pen();
    const QFontMetricsF& metrics_for(const report::Font& font) const;

    QPainter painter_;
    QPaintDevice* device_ = nullptr;
    // The report measures many texts in few fonts: the metrics of the last one.
    mutable std::optional<report::Font> measuredFont_;
    mutable std::optional<QFontMetricsF> metrics_;
    int dpi_;
    int fontDpi_;
    report::Size pageSize_;
    bool fontDirty_ = true;
};

} // namespace korvex::app
