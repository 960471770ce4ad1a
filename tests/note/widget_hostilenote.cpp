#include "FifoTrap.h"
#include "TestHome.h"
#include "note/frmMain.h"
#include "platform/RichTextBox.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTextDocument>
#include <QToolTip>
#include <QtTest>

#include <sys/resource.h>

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
};

PINLEAF_TEST_MAIN(HostileNoteTest)
#include "widget_hostilenote.moc"
