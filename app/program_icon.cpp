#include "app/program_icon.h"

#include <QImageReader>

// The icons live in a static library: naming their initialiser keeps the linker
// from dropping them. It must be called outside any namespace.
static void init_icon_resources() {
    Q_INIT_RESOURCE(korvex_icons);
}

namespace korvex::app {

QIcon program_icon() {
    init_icon_resources();
    // The SVG reader is a plug-in that a machine may lack.
    if (QImageReader::supportedImageFormats().contains("svg")) {
        QIcon icon(QStringLiteral(":/icons/korvex.svg"));
        if (!icon.isNull()) return icon;
    }
    return QIcon(QStringLiteral(":/icons/korvex.png"));
}

} // namespace korvex::app
