#pragma once

// The report image inside the result window's scroll box. The image is rendered
// at twice its size; the view shows it at its own size and scales it smoothly
// for screens of another pixel ratio, so the text stays sharp.

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace korvex::app {

class ReportView : public QWidget {
public:
    explicit ReportView(QWidget* parent = nullptr);

    void set_image(const QImage& image);
    // An empty view of the window's colour, sized as before.
    void clear();
    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPixmap& pixmap_for(qreal ratio);

    QImage image_;
    QPixmap pixmap_;
};

} // namespace korvex::app
