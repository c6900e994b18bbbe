// korvex_draw_pictures FOLDER: writes the pictures the input window loads from
// its data folder.

#include <cstdio>
#include <functional>

#include <QDir>
#include <QGuiApplication>

#include "pictures.h"

using namespace korvex::pictures;

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: korvex_draw_pictures FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const std::pair<const char*, std::function<QImage()>> pictures[] = {
        {"Shed_roof.bmp", shed_roof},
        {"Gable_roof.bmp", gable_roof},
        {"Circular_arc_roof.bmp", circular_arc_roof},
        {"Independent_roof.bmp", independent_roof},
        {"Shape_close.bmp", closed_building},
        {"Shape_windward.bmp", windward_open_building},
        {"Shape_leeward.bmp", leeward_open_building},
        {"Shape_gable.bmp", gable_canopy},
        {"Shape_wing_roof.bmp", wing_canopy},
        {"Roughness.bmp", roughness_categories},
    };
    for (const auto& [name, draw] : pictures) {
        const QString file = folder.filePath(QString::fromLatin1(name));
        // 24-bit colour: every program that reads BMP files reads these.
        if (!draw().convertToFormat(QImage::Format_RGB888).save(file, "BMP")) {
            std::fprintf(stderr, "korvex_draw_pictures: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
