#include "TestHome.h"
#include "note/ScreenFit.h"

#include <QApplication>
#include <QtTest>

#include <limits>

namespace {
// A wide screen and a taller one to its right, tops aligned, each with a task bar taken off.
const QList<QRect> Areas{QRect(0, 0, 1000, 760), QRect(1000, 0, 1280, 984)};
constexpr int Caption = 20;

QPoint fitted(const QRect& window) {
    return ScreenFit::reachableTopLeft(window, Caption, Areas);
}
} // namespace

class ScreenFitTest : public QObject {
    Q_OBJECT
private slots:
    // Numbers inside the bounds are kept exactly; the others, infinities and NaN among them,
    // end on a bound.
    void boundedKeepsSaneValues() {
        const double inf = std::numeric_limits<double>::infinity();
        for (double sane : {500.0, 3345.5, 19200.0})
            QCOMPARE(ScreenFit::bounded(sane, 500, 19200), sane);
        QCOMPARE(ScreenFit::bounded(2147483647.0, 500, 19200), 19200.0);
        QCOMPARE(ScreenFit::bounded(-2147483648.0, -300, 19200), -300.0);
        QCOMPARE(ScreenFit::bounded(inf, 500, 19200), 19200.0);
        QCOMPARE(ScreenFit::bounded(-inf, 500, 19200), 500.0);
        QCOMPARE(ScreenFit::bounded(std::numeric_limits<double>::quiet_NaN(), 500, 19200), 500.0);
        QCOMPARE(ScreenFit::bounded(7000, 500, 300), 500.0);
    }

    // Any part of the caption strip on a screen keeps the note exactly where it is: flush with
    // an edge, hanging off one, or with its body off while its strip is on.
    void reachableNotesStay() {
        const QList<QRect> staying{
            {0, 0, 300, 200},       {700, 740, 300, 200},  {-299, 100, 300, 200},
            {2279, 983, 300, 200},  {850, 30, 300, 200},   {100, -19, 300, 200},
            {1500, 983, 300, 2000}, {-299, 759, 300, 200},
        };
        for (const QRect& w : staying)
            QCOMPARE(fitted(w), w.topLeft());
        QCOMPARE(ScreenFit::reachableTopLeft(QRect(-5000, -5000, 300, 200), Caption, {}),
                 QPoint(-5000, -5000));
    }

    // A note out of reach moves onto the nearest screen by the shortest way that shows its whole
    // caption strip; a strip wider than the screen shows its left end.
    void unreachableNotesComeBack() {
        // Just off an edge: no more than is needed.
        QCOMPARE(fitted(QRect(1000 - 300, 760, 300, 200)), QPoint(700, 740));
        QCOMPARE(fitted(QRect(-300, 100, 300, 200)), QPoint(0, 100));
        QCOMPARE(fitted(QRect(100, -Caption, 300, 200)), QPoint(100, 0));
        // Further off: the nearest screen takes it, by the distance to its strip.
        QCOMPARE(fitted(QRect(200, 1200, 300, 200)), QPoint(200, 740));
        QCOMPARE(fitted(QRect(700, 990, 300, 200)), QPoint(1000, 964));
        QCOMPARE(fitted(QRect(90000, -90000, 300, 200)), QPoint(1980, 0));
        QCOMPARE(fitted(QRect(-90000, 90000, 300, 200)), QPoint(0, 740));
        QCOMPARE(fitted(QRect(3000, 300, 5000, 200)), QPoint(1000, 300));
        // A caption as high as the screen (or none) still comes back.
        QCOMPARE(ScreenFit::reachableTopLeft(QRect(0, 800, 300, 200), 2000, Areas), QPoint(0, 0));
        QCOMPARE(ScreenFit::reachableTopLeft(QRect(0, 800, 0, 0), 0, Areas), QPoint(0, 759));
    }
};

PINLEAF_TEST_MAIN(ScreenFitTest)
#include "unit_screenfit.moc"
