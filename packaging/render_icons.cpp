// Build-time tool: renders the window's icon art into the PNG files of the hicolor icon theme,
// so the launcher icon and the window icon are always the same picture.
//
// Usage: render_icons OUTPUT_DIR ICON_NAME
// Writes OUTPUT_DIR/<N>x<N>/apps/ICON_NAME.png for every installed size N.

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QString>

#include <array>
#include <cstdio>

#include "ui/widgets/artwork.h"

namespace {

constexpr std::array icon_sizes{16, 32, 48, 256};

bool write_icon(const QDir& output, const QString& icon_name, int size) {
    const QString folder = QStringLiteral("%1x%1/apps").arg(size);
    if (!output.mkpath(folder)) {
        std::fprintf(stderr, "render_icons: cannot create %s\n",
                     qPrintable(output.filePath(folder)));
        return false;
    }
    // Saved as an image so that the file holds exactly size x size pixels, whatever the
    // pixmap's device pixel ratio.
    const QImage image = draw_app_icon(size).toImage();
    if (image.width() != size || image.height() != size) {
        std::fprintf(stderr, "render_icons: asked for %d px, got %d x %d\n", size, image.width(),
                     image.height());
        return false;
    }
    const QString path = output.filePath(folder + QLatin1Char('/') + icon_name + ".png");
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "render_icons: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR ICON_NAME\n",
                     argc > 0 ? argv[0] : "render_icons");
        return 2;
    }
    // A build machine has no display; drawing into pixmaps needs none.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const QDir output(QString::fromLocal8Bit(argv[1]));
    const QString icon_name = QString::fromLocal8Bit(argv[2]);
    for (const int size : icon_sizes) {
        if (!write_icon(output, icon_name, size)) {
            return 1;
        }
    }
    return 0;
}
