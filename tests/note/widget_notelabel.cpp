// The note's light controls: the caption strip drawn once for all notes must still follow its
// text, size and colours, text is drawn as written where a label would put it, and pictures fill
// their control.
#include "note/ImageList.h"
#include "note/NoteLabel.h"

#include <QPainter>
#include <QTest>

namespace {
QImage look(QWidget& w) {
    QImage image(w.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    w.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}
} // namespace

class NoteLabelTest : public QObject {
    Q_OBJECT
private slots:
    void stripFollowsTextSizeAndColours() {
        QWidget window;
        NoteLabel a(&window), b(&window);
        for (NoteLabel* l : {&a, &b}) {
            l->setGeometry(0, 0, 150, 17);
            l->setStrip(QColor(0x80, 0x80, 0x80), Qt::white);
            l->setText(QStringLiteral(" Pinleaf"));
        }
        const QImage clean = look(a);
        QVERIFY(look(b) == clean && clean.pixelColor(149, 0) == QColor(0x80, 0x80, 0x80));
        b.setText(QStringLiteral(" Pinleaf*"));
        QVERIFY(look(b) != clean);
        b.setText(QStringLiteral(" Pinleaf"));
        QCOMPARE(look(b), clean);
        b.resize(160, 17);
        QCOMPARE(look(b).pixelColor(159, 8), QColor(0x80, 0x80, 0x80));
        b.setStrip(Qt::black, Qt::white);
        QCOMPARE(look(b).pixelColor(159, 8), QColor(Qt::black));

        NoteLabel picture(&window);
        picture.setGeometry(0, 0, 17, 17);
        QVERIFY(picture.picture().isNull());
        picture.setPicture(NotePictures::close(), NotePictures::ButtonPx);
        picture.resize(34, 20);
        QCOMPARE(picture.picture().size(), QSize(34, 20));
    }

    // Text is drawn from its baseline, character for character: it must look exactly as a label
    // aligned left and centred vertically draws it, at every height and size, markup included.
    void textSitsWhereALabelPutsIt() {
        QWidget window;
        NoteLabel l(&window);
        for (const QString text : {"12/6/2026 9:15:58 AM", "<b>x</b> &amp;"}) {
            l.setText(text);
            for (double points : {6.0, 8.25, 11.5}) {
                QFont f(QStringLiteral("DejaVu Sans"));
                f.setPointSizeF(points);
                l.setFont(f);
                for (int h = 8; h <= 30; h += 3) {
                    l.setGeometry(0, 0, 180, h);
                    QImage expected(l.size(), QImage::Format_ARGB32_Premultiplied);
                    expected.fill(Qt::transparent);
                    QPainter p(&expected);
                    p.setFont(l.font());
                    p.setPen(l.palette().color(QPalette::WindowText));
                    p.drawText(l.rect(), Qt::AlignLeft | Qt::AlignVCenter, text);
                    p.end();
                    QVERIFY2(look(l) == expected,
                             qPrintable(QString("%1: %2 pt, %3 px").arg(text).arg(points).arg(h)));
                }
            }
        }
    }
};

QTEST_MAIN(NoteLabelTest)
#include "widget_notelabel.moc"
