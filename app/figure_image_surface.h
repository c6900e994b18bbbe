#pragma once

// A figure of the report drawn on its own image, for a window to show: the
// given size in pixels at a desktop's 96 dpi, with twice as many pixels each way
// so that it stays sharp on today's screens.

#include <QImage>

#include "app/painter_surface.h"

namespace korvex::app {

class FigureImageSurface : public PainterSurface {
public:
    static constexpr int kDpi = 96;
    static constexpr int kPixelRatio = 2;

    FigureImageSurface(int width, int height);
    ~FigureImageSurface() override;

    // Ends drawing and hands over the image (device pixel ratio 2).
    QImage finish();

protected:
    void start_new_page() override {} // one figure, one image

private:
    QImage image_;
};

} // namespace korvex::app
