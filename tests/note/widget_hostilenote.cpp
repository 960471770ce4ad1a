#include "FifoTrap.h"
#include "NoteWidgets.h"
#include "TestHome.h"
#include "note/frmMain.h"
#include "platform/RichTextBox.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QTextDocument>
#include <QToolTip>
#include <QtTest>

#include <sys/resource.h>

namespace {
bool light(const QColor& c) {
    return c.lightness() > 160;
}
bool dark(const QColor& c) {
    return c.lightness() < 90;
}
// Whiter than the yellow paper: white text or its edges.
bool whiterThanYellow(const QColor& c) {
    return c.blue() > 210;
}
} // namespace

// A note made from what a hostile file or store holds: its text shows as written and loads
// nothing, whatever it names.
class HostileNoteTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // Were the date stamp read as rich text again, /dev/zero would take all the memory;
        // a bound on it makes that fail fast instead.
        rlimit limit{};
        getrlimit(RLIMIT_AS, &limit);
        const rlim_t cap = rlim_t(4) << 30;
        if (limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur > cap) {
            limit.rlim_cur = cap;
            setrlimit(RLIMIT_AS, &limit);
        }
        // Relative names in markup are looked up from here.
        QDir::setCurrent(TestHome::root());
    }

    // Markup in the date stamp and in the roll-up preview is shown character for character; the
    // FIFO and the device it names are never opened.
    void markupShowsLiterally() {
        FifoTrap fifo(TestHome::root() + "/f");
        QVERIFY(fifo.isValid());
        QVERIFY(QFile::link("/dev/zero", TestHome::root() + "/zero.png"));
        frmMain w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (const QString& stamp :
             {QString("<img src=\"%1\">").arg(fifo.path()), QString("<img src=f>"),
              QString("<img src=\"%1/zero.png\">").arg(TestHome::root())}) {
            w.lblDate->setText(stamp);
            QVERIFY(!w.grab().isNull());
        }
        QVERIFY(!fifo.wasOpened());

        w.RTB1->setText("<b>x</b>  <img src=f> and more than thirty-five characters");
        w.rollUp();
        const QString tip = w.imgIcon->toolTip();
        // Qt shows a tooltip that looks like markup as rich text: what it shows is the preview.
        QVERIFY(Qt::mightBeRichText(tip));
        QTextDocument shown;
        shown.setHtml(tip);
        QCOMPARE(shown.toPlainText(), QString("<b>x</b>  <img src=f> and more than"));
        QToolTip::showText(w.imgIcon->mapToGlobal(QPoint(2, 2)), tip, w.imgIcon);
        QTRY_VERIFY(QToolTip::isVisible());
        QToolTip::hideText();
        QVERIFY(!fifo.wasOpened());
    }

    // A colour outside the table keeps its name and its black paper, and shows its text and date
    // in white. A known scheme turns them black again, text typed on the black paper included.
    void unknownColourShowsWhiteText() {
        frmMain w;
        w.setWidth(4500);
        w.RTB1->setText("WWWWWW");
        w.lblDate->setText("12/6/2026 9:15:58 AM");
        w.SetColor("mauve");
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.colorSchemeName(), QString("mauve"));
        QCOMPARE(w.toRecord().Color, QString("mauve"));
        // Typed at once, at the caret the colour was set at.
        QTest::keyClicks(w.RTB1, "MMMMMM");
        QTest::keyClick(w.RTB1, Qt::Key_Return);
        const auto text = [&] { return w.grab(w.RTB1->geometry()).toImage(); };
        // The date up to the sizing grip, whose picture has white in it.
        QRect dateArea = w.lblDate->geometry();
        dateArea.setRight(w.imgResize->x() - 1);
        const auto date = [&] { return w.grab(dateArea).toImage(); };
        QVERIFY(pixels(text(), light) > 20 && pixels(date(), light) > 20);
        QVERIFY(pixels(text(), dark) > pixels(text(), light));

        w.SetColor("Yellow");
        QCOMPARE(w.colorSchemeName(), QString("Yellow"));
        QVERIFY(pixels(text(), dark) > 20 && pixels(date(), dark) > 20);
        QCOMPARE(pixels(text(), whiterThanYellow), 0);
        QCOMPARE(pixels(date(), whiterThanYellow), 0);
    }

    // Sizes end between the rolled-up tile and all screens together, positions within a few
    // desktop sizes of them; numbers inside the bounds are written back as they came.
    void geometryIsBounded() {
        QRect desktop;
        for (const QScreen* screen : QGuiApplication::screens())
            desktop |= screen->geometry();
        frmMain w;
        w.setHeight(2147483647);
        w.setWidth(2147483647);
        w.setTop(-2147483648.0);
        w.setLeft(2147483647);
        QCOMPARE(w.size(), desktop.size());
        QVERIFY(w.x() > desktop.right() && w.x() <= desktop.right() + 3 * desktop.width());
        QVERIFY(w.y() < desktop.top() && w.y() >= desktop.top() - 3 * desktop.height());
        w.show();
        QVERIFY(!w.grab().isNull());
        w.setWidth(qQNaN());
        w.setHeight(-1);
        QVERIFY(w.isRolledUp());
        QCOMPARE(w.size(), QSize(33, 28));

        w.setHeight(2865);
        w.setWidth(3345);
        w.setTop(600);
        w.setLeft(-1200);
        auto r = w.toRecord();
        QVERIFY(r.Height == 2865 && r.Width == 3345 && r.Top == 600 && r.Left == -1200);
        w.setHeight(desktop.height() * 15);
        w.setWidth(510);
        r = w.toRecord();
        QVERIFY(r.Height == desktop.height() * 15 && r.Width == 510);
    }
};

PINLEAF_TEST_MAIN(HostileNoteTest)
#include "widget_hostilenote.moc"
