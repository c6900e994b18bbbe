#include "app/figure_image_surface.h"

namespace korvex::app {

FigureImageSurface::FigureImageSurface(int width, int height)
    : PainterSurface(kDpi, kDpi),
      image_(width * kPixelRatio, height * kPixelRatio, QImage::Format_RGB32) {
    image_.setDevicePixelRatio(kPixelRatio);
    image_.fill(Qt::white);
    begin(&image_, {width, height});
}

FigureImageSurface::~FigureImageSurface() {
    end();
}

QImage FigureImageSurface::finish() {
    end();
    return image_;
}

} // namespace korvex::app
