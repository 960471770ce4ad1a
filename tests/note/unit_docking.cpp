#include "TestHome.h"
#include "note/clsDockingHandler.h"

#include <QApplication>
#include <QtTest>

namespace {
// A window of the given geometry (twips) that records where the handler puts it (pixels).
struct FakeWindow : DockTarget {
    double left, top, width, height, factor;
    QRect placed;
    int moves = 0;
    FakeWindow(double l, double t, double w, double h, double f)
        : left(l), top(t), width(w), height(h), factor(f) {}
    double Left() const override { return left; }
    double Top() const override { return top; }
    double Width() const override { return width; }
    double Height() const override { return height; }
    void placeWindow(int x, int y, int w, int h) override {
        placed = QRect(x, y, w, h);
        left = x * factor;
        top = y * factor;
        ++moves;
    }
};

// A 1000 x 800 pixel work area at (0, 0), snapping within 300 twips. The pointer is pressed
// 1000 twips into a control at the window's top-left corner; positions handed to the handler
// are relative to that control, which moves with the window.
struct Drag {
    FakeWindow window;
    clsDockingHandler handler;
    double pressX = 0, pressY = 0;
    Drag(double left, double top, double width = 3000, double height = 3000, double factor = 15)
        : window(left, top, width, height, factor),
          handler(DockScreen{[] { return QRect(0, 0, 1000, 800); }, factor, factor}) {
        handler.setParentForm(&window);
        handler.setSnapDistance(300);
        press();
    }
    void press() {
        pressX = window.left + 1000;
        pressY = window.top + 1000;
        handler.StartDockDrag(1000, 1000);
    }
    // Moves the pointer to an offset (twips) from where it was last pressed.
    void to(double dx, double dy) {
        handler.UpdateDockDrag(float(pressX + dx - window.left), float(pressY + dy - window.top));
    }
};
} // namespace

// Snapping maths of the docking handler on a known work area and twips factor.
class DockingTest : public QObject {
    Q_OBJECT
private slots:
    // 255 twips from the left edge snaps flush; the window then holds while the pointer stays
    // within 300 twips of its grab point either way: 45 further right, 555 left.
    void leftEdgeCatchesAndHolds() {
        Drag d(3000, 3000);
        d.to(-2745, 0);
        QCOMPARE(d.window.left, 0.0);
        QVERIFY(d.handler.dockedLeft());
        d.to(-2745 + 45, 0);
        QCOMPARE(d.window.left, 0.0);
        d.to(-2745 - 555, 0);
        QCOMPARE(d.window.left, 0.0);
        d.to(-2745 + 60, 0);
        QCOMPARE(d.window.left, 315.0); // under the pointer again
        QVERIFY(!d.handler.dockedLeft());

        // Pulled past the edge far enough, it follows the pointer off the work area.
        Drag e(3000, 3000);
        e.to(-2745, 0);
        e.to(-2745 - 570, 0);
        QCOMPARE(e.window.left, -315.0);
        QVERIFY(!e.handler.dockedLeft());
    }

    // The caught edges outlive the drag: the next press starts held on the edge.
    void dockedFlagsSurviveANewPress() {
        Drag d(3000, 3000);
        d.to(-2745, 0);
        d.press();
        d.to(285, 0);
        QCOMPARE(d.window.left, 0.0);
        d.to(315, 0);
        QCOMPARE(d.window.left, 315.0);
    }

    void bottomAndRightPlaceTheFarEdgeFlush() {
        Drag d(3000, 3000);
        d.to(9090, 5805); // 90 twips past the right edge, 195 short of the bottom
        QCOMPARE(d.window.placed, QRect(800, 600, 200, 200));
        QVERIFY(d.handler.dockedRight());
        QVERIFY(d.handler.dockedBottom());
    }

    // A window about as large as the work area qualifies for both sides: left and top win.
    void leftBeatsRightAndTopBeatsBottom() {
        Drag d(990, 990, 14910, 11910);
        d.to(-900, -900);
        QCOMPARE(d.window.placed.topLeft(), QPoint(0, 0));
        QVERIFY(d.handler.dockedLeft() && d.handler.dockedRight());
        QVERIFY(d.handler.dockedTop() && d.handler.dockedBottom());
    }

    // Offsets and pixels both round halves to even; no parent, or an offset that rounds to
    // nothing, moves nothing.
    void roundingAndStillPointer() {
        Drag d(3000, 3000, 3000, 3000, 12);
        d.to(102.5, 0); // offset 102, left 3102 twips = 258.5 px
        QCOMPARE(d.window.placed.x(), 258);
        d.press();
        d.to(-1.5, 0); // offset -2, left 3094 twips = 257.83 px
        QCOMPARE(d.window.placed.x(), 258);
        const int moves = d.window.moves;
        d.to(0.4, -0.4);
        d.handler.setParentForm(nullptr);
        d.to(500, 500);
        QCOMPARE(d.window.moves, moves);
    }
};

PINLEAF_TEST_MAIN(DockingTest)
#include "unit_docking.moc"
