// Draws the note's pictures and the menu pictures from their SVG files into the files of pixels
// the program reads at the sizes it shows them at (resources/icons/*/drawn). Run by `make pictures`
// whenever an SVG changes; a unit test checks that the files match their SVG files.
#include "note/DrawnIcon.h"
#include "note/ImageList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_pictures <resources/icons folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const NotePictures::Drawn& d : NotePictures::drawnPictures()) {
        const QIcon svg(drawnIconSvg(d.name));
        for (int px : d.sizes) {
            const QString path = folder.filePath(drawnIconPixels(d.name, px).mid(8));
            QDir().mkpath(QFileInfo(path).absolutePath());
            QFile file(path);
            const QByteArray pixels = drawnPixels(svg.pixmap(QSize(px, px), 1.0).toImage());
            if (!file.open(QIODevice::WriteOnly) || file.write(pixels) != pixels.size() ||
                !file.flush()) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
                return 1;
            }
        }
    }
    return 0;
}
