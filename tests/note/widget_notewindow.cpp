#include "NoteWidgets.h"
#include "TestHome.h"
#include "app/modMain.h"
#include "note/frmMain.h"
#include "platform/PlainText.h"
#include "platform/RichTextBox.h"
#include "platform/TopLevel.h"
#include "platform/frmAbout.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QtTest>

// The window menu's commands: roll-up and restore, reset, new note, "Always on Top".
class NoteWindowTest : public QObject {
    Q_OBJECT
private slots:
    // Moves within one frame leave only the latest position, applied when the frame ends or the
    // button is released; the snapping sees that position, and a note snaps within 20 pixels.
    void dragCoalescesMovesAndSnaps() {
        frmMain w;
        w.move(300, 300);
        w.show();
        const int left = w.screen()->availableGeometry().left();
        const QPoint grab = w.lblCaption->mapToGlobal(QPoint(5, 5));
        const auto send = [&](QEvent::Type type, int dx, int dy, Qt::MouseButtons held) {
            const QPointF global(grab + QPoint(dx, dy));
            QMouseEvent e(type, w.lblCaption->mapFromGlobal(global), global, Qt::LeftButton, held,
                          {});
            QApplication::sendEvent(w.lblCaption, &e);
        };
        send(QEvent::MouseButtonPress, 0, 0, Qt::LeftButton);
        send(QEvent::MouseMove, 10, 0, Qt::LeftButton);
        QCOMPARE(w.pos(), QPoint(310, 300)); // the first move at once
        send(QEvent::MouseMove, 20, 0, Qt::LeftButton);
        send(QEvent::MouseMove, 40, 7, Qt::LeftButton);
        QCOMPARE(w.pos(), QPoint(310, 300)); // held until the frame ends
        QTRY_COMPARE(w.pos(), QPoint(340, 307));
        send(QEvent::MouseMove, left + 21 - 300, 7, Qt::LeftButton);
        QTRY_COMPARE(w.pos(), QPoint(left + 21, 307));
        send(QEvent::MouseMove, left + 20 - 300, 7, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, left + 20 - 300, 7, Qt::NoButton);
        QCOMPARE(w.pos(), QPoint(left, 307));
    }

    void rollUpAndRestoreRoundTrip() {
        frmMain w;
        w.setWidth(4500);
        w.setHeight(3000);
        w.move(40, 50);
        w.show();
        w.RTB1->setText("First line\r\nsecond line and a lot more text");
        w.menuItems().mnuSystemMinimize->trigger();
        QCOMPARE(w.size(), QSize(33, 28)); // 500 x 425 twips in whole pixels
        QVERIFY(w.isRolledUp());
        QCOMPARE(w.pos(), QPoint(40, 50));
        QVERIFY(!w.menuItems().mnuSystemMinimize->isEnabled());
        // The pair becomes one space; the first 35 characters are taken before that.
        QCOMPARE(w.imgIcon->toolTip(), asPlainTooltip("First line second line and a lot m"));

        w.menuItems().mnuSystemRestore->trigger();
        QCOMPARE(w.size(), QSize(300, 200));
        QVERIFY(w.imgIcon->toolTip().isEmpty());
        QVERIFY(w.menuItems().mnuSystemMinimize->isEnabled());
        QCOMPARE(w.RTB1->geometry().size(), QSize(285, 153)); // laid out for the full size again

        // Double-clicking the icon twice returns to the former size.
        QTest::mouseDClick(w.imgIcon, Qt::LeftButton);
        QVERIFY(w.isRolledUp());
        QTest::mouseDClick(w.imgIcon, Qt::LeftButton);
        QCOMPARE(w.size(), QSize(300, 200));

        // A pair cut by the 35-character limit leaves its carriage return at the end.
        frmMain cut;
        cut.RTB1->setText(QString(34, 'x') + "\r\nnext");
        cut.rollUp();
        QCOMPARE(cut.imgIcon->toolTip(), asPlainTooltip(QString(34, 'x') + "\r"));

        // A tile that never rolled up in this window (as a note stored rolled up comes back)
        // gets the default size instead of vanishing.
        frmMain stored;
        stored.setWidth(500);
        stored.setHeight(425);
        QVERIFY(stored.isRolledUp());
        QTest::mouseDClick(stored.imgIcon, Qt::LeftButton);
        QCOMPARE(stored.size(), QSize(223, 191));
    }

    void resetKeepsPositionAndState() {
        frmMain w;
        w.move(70, 80);
        w.SetColor("peach");
        w.setWidth(6000);
        w.RTB1->setText("text");
        w.RTB1->setReadOnly(true);
        w.lblDate->setText("old stamp");
        w.rollUp();
        w.setWidth(6000);
        w.menuItems().mnuSystemReset->trigger();
        QCOMPARE(w.pos(), QPoint(70, 80));
        QCOMPARE(w.size(), QSize(223, 191));
        QCOMPARE(w.colorSchemeName(), QString("yellow"));
        QCOMPARE(w.RTB1->text(), QString("[Note]"));
        QVERIFY(w.lblDate->text() != "old stamp");
        QVERIFY(w.RTB1->isReadOnly());
        QVERIFY(!w.menuItems().mnuSystemMinimize->isEnabled());
    }

    // The About dialog: modal and counted as a loaded window while it is open, the note out of
    // the topmost band meanwhile and back where its "Always on Top" item says afterwards.
    // "Always on Top" switches in place: the same native window, where it was.
    void aboutCommandPlacesTheNote() {
        QPointer<frmMain> w = new frmMain;
        const auto deleteNote = qScopeGuard([&w] { delete w; });
        w->move(200, 150);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QRect before = w->geometry();
        QWindow* handle = w->windowHandle();
        for (const bool onTop : {true, false}) {
            QCOMPARE(w->menuItems().mnuTop->isChecked(), onTop);
            bool checked = false;
            QTimer::singleShot(0, w, [w, &checked] {
                frmAbout* about = frmAbout::Loaded();
                checked =
                    QTest::qWaitFor([about] { return about && about->isVisible(); }) &&
                    about->isModal() && TopLevel::LoadedWindowCount() == 2 &&
                    !(w->windowFlags() & Qt::WindowStaysOnTopHint) &&
                    (about->geometry().center() - w->geometry().center()).manhattanLength() <= 8;
                if (about)
                    about->cmdOK->click();
            });
            w->menuItems().mnuAbout->trigger();
            QVERIFY(checked);
            QVERIFY(!frmAbout::Loaded());
            QCOMPARE(bool(w->windowFlags() & Qt::WindowStaysOnTopHint), onTop);
            QCOMPARE(bool(w->windowHandle()->flags() & Qt::WindowStaysOnTopHint), onTop);
            w->menuItems().mnuTop->trigger();
            QCOMPARE(bool(handle->flags() & Qt::WindowStaysOnTopHint), !onTop);
        }
        QVERIFY(w->windowHandle() == handle && w->geometry() == before && w->isVisible());
    }

    // "&New" opens an independent default note 200 twips further. One that would land off every
    // screen comes back onto the nearest, its caption strip inside the work area.
    void newNoteIsOffsetAndIndependent() {
        const QRect area = QApplication::primaryScreen()->availableGeometry();
        const auto newFrom = [](frmMain* w) {
            w->menuItems().mnuNew->trigger();
            return QPointer<frmMain>(openNotes().last());
        };
        auto* w = new frmMain;
        w->SetColor("blue");
        w->RTB1->setText("mine");
        w->move(area.topLeft() + QPoint(40, 50));
        w->show();
        QPointer<frmMain> created = newFrom(w);
        QVERIFY(created);
        QCOMPARE(created->pos(), w->pos() + QPoint(13, 13));
        QCOMPARE(created->colorSchemeName(), QString("yellow"));
        QCOMPARE(created->RTB1->text(), QString("[Note]"));
        delete w;
        QVERIFY(created && created->isVisible());

        created->move(area.right() - 5, area.bottom() - 5);
        created->ensureReachable(); // a corner on the screen is enough to stay
        QCOMPARE(created->pos(), QPoint(area.right() - 5, area.bottom() - 5));
        QPointer<frmMain> offScreen = newFrom(created);
        QVERIFY(offScreen);
        QCOMPARE(offScreen->pos(), QPoint(area.right() + 1 - offScreen->width(),
                                          area.bottom() + 1 - offScreen->lblCaption->height()));
        delete created;
        delete offScreen;
    }
};

PINLEAF_TEST_MAIN(NoteWindowTest)
#include "widget_notewindow.moc"
