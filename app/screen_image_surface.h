#pragma once

// The report as the result window shows it: one tall image, 565 report pixels
// wide at 72 pixels per inch, its fonts sized as on a 96-dpi desktop. The image
// has twice as many pixels each way so that it stays sharp on today's screens;
// the report still draws in the 565-pixel-wide coordinates.

#include <QImage>

#include "app/painter_surface.h"

namespace korvex::app {

class ScreenImageSurface : public PainterSurface {
public:
    static constexpr int kWidth = 565;
    static constexpr int kDpi = 72;
    static constexpr int kFontDpi = 96;
    static constexpr int kPixelRatio = 2;

    // `height`: 3350 or 3550 report pixels, as the report needs.
    explicit ScreenImageSurface(int height);
    ~ScreenImageSurface() override;

    // Ends drawing and hands over the image (device pixel ratio 2).
    QImage finish();

protected:
    void start_new_page() override {} // the screen report is one long page

private:
    QImage image_;
};

} // namespace korvex::app
