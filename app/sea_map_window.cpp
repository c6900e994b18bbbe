#include "app/sea_map_window.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/figure_image_surface.h"
#include "app/form_view.h"

namespace korvex::app {

namespace {

constexpr int kFramePadding = 10;

} // namespace

SeaMapWindow::SeaMapWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SeaMapWindow"));
    setWindowTitle(QStringLiteral("海率の地図"));
    setFont(form_font());
    auto* layout = new QVBoxLayout(this);
    map_ = new QLabel(this);
    map_->setObjectName(QStringLiteral("seaMapImage"));
    map_->setAlignment(Qt::AlignCenter);
    map_->setMinimumSize(kMapWidth, kMapWidth);
    layout->addWidget(map_);
    closeButton_ = new QPushButton(QStringLiteral("閉じる"), this);
    closeButton_->setObjectName(QStringLiteral("closeButton"));
    layout->addWidget(closeButton_, 0, Qt::AlignRight);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::close);
}

void SeaMapWindow::show_figure(const report::SeaMapFigure* figure,
                               const sea::Coastline* coastline) {
    const std::optional<report::SeaMapFigure> wanted =
        figure ? std::optional(*figure) : std::nullopt;
    if (!image_.isNull() && wanted == shown_ && coastline == shownCoastline_) return;
    shown_ = wanted;
    shownCoastline_ = coastline;
    image_ = QImage();
    if (figure && coastline) {
        const int width = kMapWidth;
        FigureImageSurface probe(1, 1);
        const int height = report::sea_map_height(probe, width);
        FigureImageSurface surface(width + 2 * kFramePadding, height + 2 * kFramePadding);
        if (report::draw_sea_map(surface, {kFramePadding, kFramePadding}, width, *coastline,
                                 *figure))
            image_ = surface.finish();
    }
    if (image_.isNull()) {
        map_->setPixmap({});
        map_->setText(QStringLiteral(
            "海率参考値がないため、地図はありません。\n海率計算用半径Rと、役所または建設地の位置が"
            "必要です。"));
    } else {
        map_->setText({});
        map_->setPixmap(QPixmap::fromImage(image_));
    }
    adjustSize();
}

} // namespace korvex::app
