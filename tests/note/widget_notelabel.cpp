// The note's light controls: the caption strip drawn once for all notes must still follow its
// text, size and colours, text is drawn as written, and pictures fill their control.
#include "note/ImageList.h"
#include "note/NoteLabel.h"

#include <QPainter>
#include <QTest>

namespace {
QImage look(QWidget& w) {
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
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
        QCOMPARE(look(b), clean);
        QCOMPARE(clean.pixelColor(149, 0), QColor(0x80, 0x80, 0x80));
        b.setText(QStringLiteral(" Pinleaf*"));
        QVERIFY(look(b) != clean);
        b.setText(QStringLiteral(" Pinleaf"));
        QCOMPARE(look(b), clean);
        b.resize(160, 17);
        QCOMPARE(look(b).pixelColor(159, 8), QColor(0x80, 0x80, 0x80));
        b.setStrip(Qt::black, Qt::white);
        QCOMPARE(look(b).pixelColor(159, 8), QColor(Qt::black));
    }

    void textIsDrawnAsWritten() {
        QWidget window;
        QPalette p = window.palette();
        p.setColor(QPalette::Window, Qt::white);
        p.setColor(QPalette::WindowText, Qt::black);
        window.setPalette(p);
        window.setAutoFillBackground(true);
        window.resize(300, 20);
        NoteLabel markup(&window), plain(&window);
        markup.setGeometry(0, 0, 300, 20);
        plain.setGeometry(0, 0, 300, 20);
        markup.setText(QStringLiteral("<b>x</b>"));
        plain.setText(QStringLiteral("x"));
        // Markup would draw one bold x; drawn as written it is wider than a plain x.
        const auto inkWidth = [](const QImage& img) {
            int left = img.width(), right = -1;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    if (qGray(img.pixel(x, y)) < 128)
                        left = std::min(left, x), right = std::max(right, x);
            return right - left;
        };
        plain.hide();
        const int markupWidth = inkWidth(window.grab().toImage());
        markup.hide();
        plain.show();
        QVERIFY2(markupWidth > 3 * inkWidth(window.grab().toImage()), "markup was interpreted");
    }

    // The text is drawn from its baseline; it must land where a label aligned left and centred
    // vertically would put it, at every height and size.
    void textSitsWhereALabelPutsIt() {
        QWidget window;
        NoteLabel l(&window);
        l.setText(QStringLiteral("12/6/2026 9:15:58 AM"));
        for (double points : {6.0, 8.25, 9.0, 11.5}) {
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
                p.drawText(l.rect(), Qt::AlignLeft | Qt::AlignVCenter, l.text());
                p.end();
                QImage drawn(l.size(), QImage::Format_ARGB32_Premultiplied);
                drawn.fill(Qt::transparent);
                l.render(&drawn, QPoint(), QRegion(), QWidget::RenderFlags());
                QVERIFY2(drawn == expected,
                         qPrintable(QStringLiteral("%1 pt, %2 px high").arg(points).arg(h)));
            }
        }
    }

    void pictureFillsItsControl() {
        QWidget window;
        NoteLabel l(&window);
        l.setGeometry(0, 0, 17, 17);
        QVERIFY(l.picture().isNull());
        l.setPicture(NotePictures::close(), NotePictures::ButtonPx);
        QCOMPARE(l.picture().size(), QSize(17, 17));
        l.resize(34, 20);
        QCOMPARE(l.picture().size(), QSize(34, 20));
    }
};

QTEST_MAIN(NoteLabelTest)
#include "widget_notelabel.moc"
