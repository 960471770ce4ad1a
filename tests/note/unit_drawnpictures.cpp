// The note's pictures drawn in advance must be exactly what their SVG files draw, so a changed
// SVG without `make pictures` is caught here, and a damaged file falls back to the SVG.
#include "note/DrawnIcon.h"
#include "note/ImageList.h"

#include <QResource>
#include <QTest>

class DrawnPicturesTest : public QObject {
    Q_OBJECT
private slots:
    void everyFileMatchesItsSvg() {
        for (const NotePictures::Drawn& d : NotePictures::drawnPictures()) {
            const QIcon svg(drawnIconSvg(d.name));
            const QIcon drawn = drawnIcon(d.name, d.sizes);
            for (int px : d.sizes) {
                const QImage expected = svg.pixmap(QSize(px, px), 1.0)
                                            .toImage()
                                            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
                const QImage file =
                    readDrawnPixels(QResource(drawnIconPixels(d.name, px)).uncompressedData(), px);
                QVERIFY2(file == expected,
                         qPrintable(drawnIconPixels(d.name, px) + " is stale: run make pictures"));
                QCOMPARE(drawn.pixmap(QSize(px, px), 1.0)
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied),
                         expected);
            }
        }
    }

    void otherSizesAndDamagedFilesComeFromTheSvg() {
        const QIcon drawn = drawnIcon(QStringLiteral("pinleaf"), {16});
        const QImage fromSvg =
            QIcon(drawnIconSvg(QStringLiteral("pinleaf"))).pixmap(QSize(24, 24), 1.0).toImage();
        QCOMPARE(drawn.pixmap(QSize(24, 24), 1.0).toImage(), fromSvg);
        const QByteArray pixels = drawnPixels(fromSvg);
        QCOMPARE(readDrawnPixels(pixels, 24),
                 fromSvg.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        QVERIFY(readDrawnPixels(pixels.left(pixels.size() - 1), 24).isNull());
        QVERIFY(readDrawnPixels(pixels, 23).isNull());
    }
};

QTEST_MAIN(DrawnPicturesTest)
#include "unit_drawnpictures.moc"
