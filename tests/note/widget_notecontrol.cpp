// The note's drawn controls: the caption strip drawn once for all notes must still follow its
// text, size and colours, text is drawn as written where a label would put it and never beyond
// the control, and pictures fill their control, copied or blended alike. The pictures drawn in
// advance must be exactly what their SVG files draw, so a changed SVG without `make pictures` is
// caught here, and a damaged file falls back to the SVG.
#include "note/DrawnIcon.h"
#include "note/ImageList.h"
#include "note/NoteControl.h"

#include <QPainter>
#include <QResource>
#include <QTest>
#include <QWidget>

namespace {
// The window's surface around a control, as the control draws itself on it.
QImage look(const NoteControl& c, const QRect& surface) {
    QImage image(surface.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.translate(-surface.topLeft());
    c.draw(p);
    return image;
}
QImage look(const NoteControl& c) {
    return look(c, c.geometry());
}
QImage premultiplied(const QIcon& icon, int px) {
    return icon.pixmap(QSize(px, px), 1.0)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
} // namespace

class NoteControlTest : public QObject {
    Q_OBJECT
private slots:
    void stripFollowsTextSizeAndColours() {
        QWidget window;
        NoteControl a(&window), b(&window);
        for (NoteControl* c : {&a, &b}) {
            c->setGeometry(QRect(32, 1, 150, 17));
            c->setStrip(QColor(0x80, 0x80, 0x80), Qt::white);
            c->setText(QStringLiteral(" Pinleaf"));
        }
        const QImage clean = look(a);
        QVERIFY(look(b) == clean && clean.pixelColor(149, 0) == QColor(0x80, 0x80, 0x80));
        b.setText(QStringLiteral(" Pinleaf*"));
        QVERIFY(look(b) != clean);
        b.setText(QStringLiteral(" Pinleaf"));
        QCOMPARE(look(b), clean);
        b.setGeometry(QRect(32, 1, 160, 17));
        QCOMPARE(look(b).pixelColor(159, 8), QColor(0x80, 0x80, 0x80));
        b.setStrip(Qt::black, Qt::white);
        QCOMPARE(look(b).pixelColor(159, 8), QColor(Qt::black));

        NoteControl picture(&window);
        picture.setGeometry(QRect(0, 0, 17, 17));
        QVERIFY(picture.picture().isNull());
        picture.setPicture(NotePictures::close(), NotePictures::ButtonPx);
        picture.setGeometry(QRect(5, 5, 34, 20));
        QCOMPARE(picture.picture().size(), QSize(34, 20));
        const QImage placed = look(picture, QRect(0, 0, 50, 50));
        QCOMPARE(placed.copy(5, 5, 34, 20),
                 picture.picture().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied));
        QCOMPARE(placed.pixelColor(4, 4).alpha(), 0);

        // A picture copied from its drawing on the paper looks as blending it there does.
        for (const QColor paper : {QColor(0xff, 0xff, 0xc0), QColor(Qt::black)}) {
            const QPixmap drawing = picture.picture();
            QImage blended(drawing.size(), QImage::Format_RGB32), copied = blended;
            blended.fill(paper);
            copied.fill(Qt::red);
            QPainter(&blended).drawPixmap(0, 0, drawing);
            QPainter(&copied).drawPixmap(0, 0, NotePictures::onPaper(drawing, paper));
            QCOMPARE(copied, blended);
        }
    }

    // Text is drawn from its baseline, character for character: it must look exactly as a label
    // aligned left and centred vertically draws it, at every height and size, markup included,
    // and nothing of it may land outside the control.
    void textSitsWhereALabelPutsIt() {
        QWidget window;
        NoteControl c(&window);
        const QRect surface(0, 0, 200, 40);
        c.setText("12/6/2026 <b>9:15:58</b> &amp; AM");
        for (double points : {6.0, 8.25, 11.5}) {
            QFont f(QStringLiteral("DejaVu Sans"));
            f.setPointSizeF(points);
            c.setFont(f);
            for (int h = 8; h <= 30; h += 3) {
                // Narrow enough that the text is cut at the control's right edge.
                c.setGeometry(QRect(3, 5, 100, h));
                QImage expected(surface.size(), QImage::Format_ARGB32_Premultiplied);
                expected.fill(Qt::transparent);
                QPainter p(&expected);
                p.setClipRect(c.geometry());
                p.setFont(f);
                p.setPen(window.palette().color(QPalette::WindowText));
                p.drawText(c.geometry(), Qt::AlignLeft | Qt::AlignVCenter, c.text());
                p.end();
                QVERIFY2(look(c, surface) == expected,
                         qPrintable(QString("%1 pt, %2 px").arg(points).arg(h)));
            }
        }
    }

    void everyDrawnPictureMatchesItsSvg() {
        if (QIcon(drawnIconSvg(QStringLiteral("window/pinleaf"))).pixmap(16, 16).isNull())
            QSKIP("no SVG renderer in this build: the Linux build checks the drawn pixels");
        for (const NotePictures::Drawn& d : NotePictures::drawnPictures()) {
            const QIcon drawn = drawnIcon(d.name, d.sizes);
            for (int px : d.sizes) {
                const QImage expected = premultiplied(QIcon(drawnIconSvg(d.name)), px);
                const QImage file =
                    readDrawnPixels(QResource(drawnIconPixels(d.name, px)).uncompressedData(), px);
                QVERIFY2(file == expected,
                         qPrintable(drawnIconPixels(d.name, px) + " is stale: run make pictures"));
                QCOMPARE(premultiplied(drawn, px), expected);
            }
        }
        // Other sizes come from the SVG; pixels of the wrong length or size are no picture.
        const QIcon svg(drawnIconSvg(QStringLiteral("window/pinleaf")));
        QCOMPARE(premultiplied(drawnIcon(QStringLiteral("window/pinleaf"), {16}), 24),
                 premultiplied(svg, 24));
        const QByteArray pixels = drawnPixels(svg.pixmap(QSize(24, 24), 1.0).toImage());
        QCOMPARE(readDrawnPixels(pixels, 24), premultiplied(svg, 24));
        QVERIFY(readDrawnPixels(pixels.left(pixels.size() - 1), 24).isNull());
        QVERIFY(readDrawnPixels(pixels, 23).isNull());
    }
};

QTEST_MAIN(NoteControlTest)
#include "widget_notecontrol.moc"
