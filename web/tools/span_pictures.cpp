// Writes the main window's sixteen span pictures as PNG files into a folder,
// drawn by the window's own code, for the browser edition's page.
//     korvex_span_pictures OUT_DIR

#include <QDir>
#include <QGuiApplication>

#include "app/span_picture.h"

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) return 2;
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) return 1;
    for (int i = 0; i < 16; ++i) {
        const korvex::app::SpanPictureName picture = korvex::app::span_picture_name(i);
        const QImage image =
            korvex::app::draw_span_picture(picture.spanCount, picture.cantileverMode);
        if (!image.save(folder.filePath(picture.name + QStringLiteral(".png")), "PNG")) return 1;
    }
    return 0;
}
