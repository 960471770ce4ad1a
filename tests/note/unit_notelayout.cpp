#include "TestHome.h"
#include "note/NoteLayout.h"

#include <QApplication>
#include <QtTest>

class NoteLayoutTest : public QObject {
    Q_OBJECT
private slots:
    // The design places are those of a note at its default size, so a note that first
    // appears smaller than that shows its controls where a fresh note has them.
    void designPlacesMatchDefaultSize() {
        NoteLayout design;
        NoteLayout laidOut;
        QCOMPARE(laidOut.apply(3345, 2865), NoteLayout::StepCount);
        QVERIFY(laidOut == design);
    }

    void placesFollowTheOuterSize() {
        NoteLayout l;
        QCOMPARE(l.apply(6000, 6200), NoteLayout::StepCount);
        QCOMPARE(l.RTB1, (TwipsRect{45, 360, 5780, 5500}));
        QCOMPARE(l.lblDate, (TwipsRect{40, 5880, 5820, 255}));
        QCOMPARE(l.Line1, (TwipsLine{50, 5850, 5780, 5850}));
        QCOMPARE(l.imgResize, (TwipsRect{5770, 5970, 180, 180}));
        QCOMPARE(l.lblCaption.width, 4900.0);
        QCOMPARE(l.CloseImage.left, 5715.0);
        QCOMPARE(l.imgHelp.left, 5440.0);
        // The icon and the left edges never move.
        QCOMPARE(l.imgIcon, (TwipsRect{0, 15, 480, 480}));
        QCOMPARE(l.lblCaption.left, 480.0);
    }

    // A negative size ends the layout at that step; later controls keep their old places.
    void stopsAtTheFirstNegativeSize_data() {
        QTest::addColumn<int>("W");
        QTest::addColumn<int>("H");
        QTest::addColumn<int>("steps");
        QTest::newRow("rolled-up tile") << 500 << 425 << 0;
        QTest::newRow("height just under the text box") << 3345 << 699 << 0;
        QTest::newRow("height exactly the text box") << 3345 << 700 << NoteLayout::StepCount;
        QTest::newRow("narrower than the text box margin") << 219 << 2865 << 1;
        QTest::newRow("tile width at full height") << 500 << 2865 << 10;
        QTest::newRow("narrower than the caption") << 1099 << 2865 << 10;
    }
    void stopsAtTheFirstNegativeSize() {
        QFETCH(int, W);
        QFETCH(int, H);
        QFETCH(int, steps);
        NoteLayout l;
        const NoteLayout before = l;
        QCOMPARE(l.apply(W, H), steps);
        if (steps < 11) {
            QCOMPARE(l.lblCaption, before.lblCaption);
            QCOMPARE(l.CloseImage, before.CloseImage);
            QCOMPARE(l.imgHelp, before.imgHelp);
        }
        if (steps == 0)
            QVERIFY(l == before);
        if (steps == 10) {
            QCOMPARE(l.imgResize.left, double(W - 230));
            QCOMPARE(l.RTB1.width, double(W - 220));
        }
    }
};

PINLEAF_TEST_MAIN(NoteLayoutTest)
#include "unit_notelayout.moc"
