// The pure arithmetic behind a note's place: edge snapping, the way back onto a
// screen, the controls' layout, and the e-mail and web addresses.
#include "TestHome.h"
#include "note/NoteLayout.h"
#include "note/ScreenFit.h"
#include "note/WebLinks.h"
#include "note/clsDockingHandler.h"

#include <QApplication>
#include <QUrlQuery>
#include <QtTest>

#include <limits>

namespace {
// A window of the given geometry (twips) that records where the handler puts it
// (pixels).
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

// A drag on a 1000 x 800 pixel work area at (0, 0), snapping within 300 twips,
// the pointer pressed 1000 twips into a control at the window's top-left
// corner.
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

// A wide screen and a taller one to its right, tops aligned, each with a task
// bar taken off.
const QList<QRect> Areas{QRect(0, 0, 1000, 760), QRect(1000, 0, 1280, 984)};
} // namespace

class NotePlacesTest : public QObject {
    Q_OBJECT
private slots:
    // 255 twips from the left edge snaps flush; the window then holds while the
    // pointer stays within 300 twips of its grab point either way, across a new
    // press too; pulled further it follows the pointer again, off the work area
    // as well.
    void dockingCatchesAndHoldsAnEdge() {
        Drag d(3000, 3000);
        const struct {
            bool press;
            double dx, left;
        } steps[] = {{false, -2745, 0}, {false, -2700, 0}, {false, -3300, 0}, {false, -2685, 315},
                     {false, -2745, 0}, {true, 285, 0},    {false, 315, 315}};
        for (const auto& s : steps) {
            if (s.press)
                d.press();
            d.to(s.dx, 0);
            QVERIFY2(d.window.left == s.left, qPrintable(QString("at %1").arg(s.dx)));
        }
        Drag e(3000, 3000);
        e.to(-2745, 0);
        e.to(-2745 - 570, 0);
        QCOMPARE(e.window.left, -315.0);
        QVERIFY(!e.handler.dockedLeft());
    }

    // The far edges are placed flush; a window as large as the work area
    // qualifies for both sides, and left and top win. Offsets and pixels round
    // halves to even; no parent, or an offset that rounds to nothing, moves
    // nothing.
    void dockingFarEdgesAndRounding() {
        Drag d(3000, 3000);
        d.to(9090, 5805); // 90 twips past the right edge, 195 short of the bottom
        QCOMPARE(d.window.placed, QRect(800, 600, 200, 200));
        Drag big(990, 990, 14910, 11910);
        big.to(-900, -900);
        QCOMPARE(big.window.placed.topLeft(), QPoint(0, 0));
        QVERIFY(big.handler.dockedRight() && big.handler.dockedBottom());

        Drag r(3000, 3000, 3000, 3000, 12);
        r.to(102.5, 0); // offset 102, left 3102 twips = 258.5 px
        QCOMPARE(r.window.placed.x(), 258);
        r.press();
        r.to(-1.5, 0); // offset -2, left 3094 twips = 257.83 px
        QCOMPARE(r.window.placed.x(), 258);
        const int moves = r.window.moves;
        r.to(0.4, -0.4);
        r.handler.setParentForm(nullptr);
        r.to(500, 500);
        QCOMPARE(r.window.moves, moves);
    }

    // Numbers inside the bounds are kept exactly; the others, NaN among them, end
    // on a bound.
    void boundedKeepsSaneValues() {
        QCOMPARE(ScreenFit::bounded(3345.5, 500, 19200), 3345.5);
        QCOMPARE(ScreenFit::bounded(2147483647.0, 500, 19200), 19200.0);
        QCOMPARE(ScreenFit::bounded(-std::numeric_limits<double>::infinity(), 500, 19200), 500.0);
        QCOMPARE(ScreenFit::bounded(std::numeric_limits<double>::quiet_NaN(), 500, 19200), 500.0);
        QCOMPARE(ScreenFit::bounded(7000, 500, 300), 500.0);
    }

    // Any part of the caption strip (20 px) on a screen keeps the note where it
    // is; a note out of reach moves onto the nearest screen by the shortest way
    // that shows its whole strip, and a strip wider than the screen shows its
    // left end.
    void screenFitBringsBackOnlyWhatIsOutOfReach() {
        const QRect stay[] = {{700, 740, 300, 200},
                              {-299, 100, 300, 200},
                              {2279, 983, 300, 200},
                              {100, -19, 300, 200},
                              {1500, 983, 300, 2000}};
        for (const QRect& w : stay)
            QCOMPARE(ScreenFit::reachableTopLeft(w, 20, Areas), w.topLeft());
        const std::pair<QPoint, QPoint> moved[] = {
            {{700, 760}, {700, 740}},   {{-300, 100}, {0, 100}},   {{100, -20}, {100, 0}},
            {{200, 1200}, {200, 740}},  {{700, 990}, {1000, 964}}, {{90000, -90000}, {1980, 0}},
            {{-90000, 90000}, {0, 740}}};
        for (const auto& [from, to] : moved)
            QCOMPARE(ScreenFit::reachableTopLeft(QRect(from, QSize(300, 200)), 20, Areas), to);
        QCOMPARE(ScreenFit::reachableTopLeft(QRect(3000, 300, 5000, 200), 20, Areas),
                 QPoint(1000, 300));
        QCOMPARE(ScreenFit::reachableTopLeft(QRect(0, 800, 300, 200), 2000, Areas), QPoint(0, 0));
        QCOMPARE(ScreenFit::reachableTopLeft(QRect(-5000, -5000, 300, 200), 20, {}),
                 QPoint(-5000, -5000));
    }

    // The design places are those of the default size; a negative size ends the
    // layout at that step and later controls keep their old places.
    void layoutStopsAtTheFirstNegativeSize_data() {
        QTest::addColumn<int>("W");
        QTest::addColumn<int>("H");
        QTest::addColumn<int>("steps");
        QTest::newRow("default size") << 3345 << 2865 << NoteLayout::StepCount;
        QTest::newRow("rolled-up tile") << 500 << 425 << 0;
        QTest::newRow("height just under the text box") << 3345 << 699 << 0;
        QTest::newRow("height exactly the text box") << 3345 << 700 << NoteLayout::StepCount;
        QTest::newRow("narrower than the text box margin") << 219 << 2865 << 1;
        QTest::newRow("narrower than the caption") << 1099 << 2865 << 10;
    }
    void layoutStopsAtTheFirstNegativeSize() {
        QFETCH(int, W);
        QFETCH(int, H);
        QFETCH(int, steps);
        NoteLayout l;
        const NoteLayout before = l;
        QCOMPARE(l.apply(W, H), steps);
        if (steps == 0 || (W == 3345 && H == 2865))
            QVERIFY(l == before);
        if (steps == 10) {
            QCOMPARE(l.lblCaption, before.lblCaption);
            QCOMPARE(l.imgResize.left, double(W - 230));
        }
    }

    // Whatever the note says stays inside the body, as the mail program reads it
    // back.
    void mailtoBodyHoldsTheWholeText() {
        const QString to = "feedback@example.com";
        QCOMPARE(WebLinks::MailtoAddress(to, "a b\r\n\u00e9"),
                 "mailto:feedback@example.com?subject=Pinleaf "
                 "Note&Body=a%20b%0D%0A%C3%A9");
        for (const QString body : {"x&cc=evil@example.org", "1 & 2 ? #top 100% a=b+c",
                                   "%0D%0Acc=evil@example.org&attach=/etc/passwd"}) {
            const QUrl url(WebLinks::MailtoAddress(to, body));
            QCOMPARE(url.path(), to);
            QCOMPARE(
                QUrlQuery(url.query(QUrl::FullyEncoded)).queryItems(QUrl::FullyDecoded),
                (QList<std::pair<QString, QString>>{{"subject", "Pinleaf Note"}, {"Body", body}}));
        }
        QCOMPARE(WebLinks::WebSiteUrl(" example.com/notes "), QUrl("https://example.com/notes"));
        QCOMPARE(WebLinks::WebSiteUrl("http://example.com/"), QUrl("http://example.com/"));
    }
};

PINLEAF_TEST_MAIN(NotePlacesTest)
#include "unit_noteplaces.moc"
