#include "app/sea_map_window.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/figure_image_surface.h"
#include "app/form_view.h"
#include "form/dialog_layouts.h"

namespace korvex::app {

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

const form::DialogItem& item(const char* name) {
    return form::dialog_item(form::sea_map_dialog_layout(), name);
}

} // namespace

SeaMapWindow::SeaMapWindow(QWidget* parent) : QDialog(parent) {
    const form::DialogLayout& dialog = form::sea_map_dialog_layout();
    setObjectName(qt(dialog.name));
    setWindowTitle(qt(dialog.title));
    setFont(form_font());
    auto* layout = new QVBoxLayout(this);
    map_ = new QLabel(this);
    map_->setObjectName(qt(item("seaMapImage").name));
    map_->setAlignment(Qt::AlignCenter);
    map_->setMinimumSize(kMapWidth, kMapWidth);
    layout->addWidget(map_);
    closeButton_ = new QPushButton(qt(item("closeButton").text), this);
    closeButton_->setObjectName(qt(item("closeButton").name));
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
        const int padding = form::kSeaMapPadding;
        FigureImageSurface probe(1, 1);
        const int height = report::sea_map_height(probe, width);
        FigureImageSurface surface(width + 2 * padding, height + 2 * padding);
        if (report::draw_sea_map(surface, {padding, padding}, width, *coastline, *figure))
            image_ = surface.finish();
    }
    if (image_.isNull()) {
        map_->setPixmap({});
        map_->setText(qt(item("noMapMessage").text));
    } else {
        map_->setText({});
        map_->setPixmap(QPixmap::fromImage(image_));
    }
    adjustSize();
}

} // namespace korvex::app
