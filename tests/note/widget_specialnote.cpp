// The notes the program writes itself: the special notes on their timer and the help note.
#include "BuildConfig.h"
#include "FakeSystemInfo.h"
#include "NoteWidgets.h"
#include "TestHome.h"
#include "note/NoteActivity.h"
#include "note/frmMain.h"
#include "platform/Clock.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"

#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

class SpecialNoteWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        auto fake = FakeSystemInfo::install();
        fake->memory.totalPhys = 1610612736;
        fake->driveList = {{"/", "ROOT", DriveFixed, true, 1 << 30, 0}};
    }
    void cleanup() {
        deleteAllNotes();
        SystemInfo::setOverride(nullptr);
        Clock::setOverride({});
    }

    // The hidden items do nothing; each shown one turns the note into its kind with its interval,
    // read-only and unsaveable; "Reset" lasts until the next refresh; "Clear All" leaves a plain,
    // editable, empty note with the timer stopped.
    void itemsSwitchResetAndClear() {
        frmMain w;
        const NoteMenuItems& m = w.menuItems();
        w.setIsDirty(true);
        w.RTB1->setText("my words");
        for (QAction* hidden : {m.mnuSNWeather, m.mnuSNStock, m.mnuSNNotes})
            hidden->trigger();
        QVERIFY(w.RTB1->text() == "my words" && !w.Timer1->isActive());
        const struct {
            QAction* item;
            const char* text;
            int interval;
        } kinds[] = {{m.mnuSNTime, "Time:\r\n", 1000},
                     {m.mnuComputerMemory, "Memory:\r\nTotal Physical: 1536M\r\n", 32500},
                     {m.mnuDrives, "Drive(s):\r\n/  ROOT (Local Hard Drive)  \r\n", 32500}};
        for (const auto& kind : kinds) {
            kind.item->trigger();
            QVERIFY2(w.RTB1->text().startsWith(kind.text), qPrintable(w.RTB1->text()));
            QVERIFY(w.RTB1->isReadOnly() && w.RTB1->cursorWidth() == 0);
            QVERIFY(!m.mnuSave[0]->isEnabled() && !m.mnuSave[1]->isEnabled());
            QVERIFY(w.Timer1->isActive() && w.Timer1->remainingTime() > kind.interval - 500);
            QCOMPARE(w.Timer1->interval(), kind.interval);
        }
        m.mnuSystemReset->trigger();
        QVERIFY(w.RTB1->text() == "[Note]" && w.RTB1->isReadOnly() && w.Timer1->isActive());
        w.DisplaySpecialNote(w.noteType()); // as the next tick does
        QVERIFY(w.RTB1->text().startsWith("Drive(s):"));

        m.mnuEdit[2]->trigger();
        QVERIFY(w.RTB1->text().isEmpty() && !w.RTB1->isReadOnly() && !w.Timer1->isActive());
        QVERIFY(m.mnuSave[0]->isEnabled() && m.mnuSave[1]->isEnabled());
        QCOMPARE(w.lblCaption->text(), QString(" Pinleaf"));
        w.DisplaySpecialNote(0);
        w.DisplaySpecialNote(4);
        QVERIFY(!w.RTB1->isReadOnly() && !w.Timer1->isActive());
    }

    // The timer rewrites a time note about every second; the caption is marked from the first
    // refresh on; the running copy is not told of each tick. A refresh runs nothing else in
    // between: a "Clear All" chosen as a tick comes stays done. A closed special note is refreshed
    // no more and its timer goes with the window.
    void timerRefreshesOnlyWhileTheNoteIsSpecial() {
        QTime now(21, 5, 7);
        Clock::setOverride([&now] {
            now = now.addSecs(1);
            return QDateTime(QDate(2026, 1, 2), now);
        });
        auto* w = new frmMain;
        w->show();
        w->menuItems().mnuSNTime->trigger();
        QCOMPARE(w->RTB1->text(), QString("Time:\r\n09:05:08 PM"));
        QCOMPARE(w->lblCaption->text(), QString(" Pinleaf"));
        QSignalSpy changes(NoteActivity::instance(), &NoteActivity::changed);
        QTRY_COMPARE_WITH_TIMEOUT(w->RTB1->text(), QString("Time:\r\n09:05:09 PM"), 1500);
        QCOMPARE(w->lblCaption->text(), QString(" Pinleaf*"));
        QCOMPARE(changes.count(), 0);

        QMetaObject::invokeMethod(w->menuItems().mnuEdit[2], &QAction::trigger,
                                  Qt::QueuedConnection);
        w->DisplaySpecialNote(frmMain::TimeNote);
        QVERIFY(w->RTB1->isReadOnly());
        QTRY_VERIFY(!w->RTB1->isReadOnly());
        QVERIFY(w->RTB1->text().isEmpty() && !w->Timer1->isActive());

        w->menuItems().mnuSNTime->trigger();
        QPointer<QTimer> timer = w->Timer1;
        QVERIFY(w->close());
        QVERIFY(!timer->isActive());
        QTRY_VERIFY(timer.isNull());
    }

    // "Help" opens a read-only help note, unmarked and untouched by typing, beside the note; help
    // from a help note opens one further along. The whole help fits the note at 96 dpi, without a
    // scroll bar.
    void helpOpensAReadOnlyNoteBeside() {
        frmMain w;
        w.show();
        w.menuItems().mnuHelp->trigger();
        frmMain* help = openNotes().last();
        const QString text = help->RTB1->text();
        QVERIFY(text.startsWith("Help\r\n") &&
                text.contains(QLatin1String(BuildConfig::FeedbackAddress)));
        QVERIFY(help->RTB1->isReadOnly() && help->lblCaption->text() == " Pinleaf");
        QTest::mouseClick(help->RTB1->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::keyClicks(help->RTB1, "typed");
        QCOMPARE(help->RTB1->text(), text);
        help->menuItems().mnuHelp->trigger();
        QCOMPARE(openNotes().last()->pos(),
                 Twips::toPixels(help->Left() + 200, help->Top() + 200, 1, 1).topLeft());
        QCOMPARE(w.RTB1->text(), QString("[Note]"));

        QVERIFY(QTest::qWaitForWindowExposed(help));
        QCOMPARE(help->logicalDpiY(), 96);
        QScrollBar* bar = help->RTB1->verticalScrollBar();
        QVERIFY2(bar->maximum() == 0 && !bar->isVisible(),
                 qPrintable(QString("the help scrolls by %1 pixels").arg(bar->maximum())));
    }
};

PINLEAF_TEST_MAIN(SpecialNoteWindowTest)
#include "widget_specialnote.moc"
