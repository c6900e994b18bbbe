#pragma once

// "海率の地図": the small map of the sea ratio's reference, opened from the snow
// panel. It draws the same figure the report draws (report/sea_map.h) on an
// image, and follows the form while it is open.

#include <optional>

#include <QDialog>
#include <QImage>

#include "form/dialog_layouts.h"
#include "report/sea_map.h"
#include "sea/coastline.h"

class QLabel;
class QPushButton;

namespace korvex::app {

class SeaMapWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMapWidth = form::kSeaMapWidth;

    explicit SeaMapWindow(QWidget* parent = nullptr);

    // The map of `figure`; without a figure or coastline the window says that
    // there is nothing to show. The same figure again is not drawn again.
    void show_figure(const report::SeaMapFigure* figure, const sea::Coastline* coastline);

    // What the window shows now (for tests).
    const QImage& image() const { return image_; }

private:
    QLabel* map_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QImage image_;
    std::optional<report::SeaMapFigure> shown_;
    const sea::Coastline* shownCoastline_ = nullptr;
};

} // namespace korvex::app
