#include "app/screen_image_surface.h"

namespace korvex::app {

ScreenImageSurface::ScreenImageSurface(int height)
    : PainterSurface(kDpi, kFontDpi),
      image_(kWidth * kPixelRatio, height * kPixelRatio, QImage::Format_RGB32) {
    image_.setDevicePixelRatio(kPixelRatio);
    image_.fill(Qt::white);
    begin(&image_, {kWidth, height});
}

ScreenImageSurface::~ScreenImageSurface() {
    end();
}

QImage ScreenImageSurface::finish() {
    end();
    return image_;
}

} // namespace korvex::app
