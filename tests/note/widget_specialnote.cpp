#include "FakeSystemInfo.h"
#include "TestHome.h"
#include "note/NoteActivity.h"
#include "note/frmMain.h"
#include "platform/Clock.h"
#include "platform/RichTextBox.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QSettings>
#include <QTimer>
#include <QtTest>

namespace {
QTextCharFormat formatAt(RichTextBox* box, int docPos) {
    QTextCursor c(box->document());
    c.setPosition(docPos + 1);
    return c.charFormat();
}

// A note the user has clicked into and typed in.
std::unique_ptr<frmMain> typedNote() {
    auto w = std::make_unique<frmMain>();
    w->setIsDirty(true);
    w->RTB1->setText("my words");
    return w;
}
} // namespace

class SpecialNoteWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QSettings(QStringLiteral("Pinleaf"), QStringLiteral("Pinleaf")).clear();
        auto fake = FakeSystemInfo::install();
        fake->memory.totalPhys = 1610612736;
        fake->driveList = {{"/", "ROOT", DriveFixed, true, 1 << 30, 0}};
    }
    void cleanup() {
        SystemInfo::setOverride(nullptr);
        Clock::setOverride({});
    }

    // Three items shown in the submenu, three hidden that do nothing; each shown one turns a
    // typed note into its special note.
    void itemsTurnATypedNoteSpecial() {
        auto w = typedNote();
        w->mnuPopUpMenu();
        const QList<QAction*> items = w->mnuSpecial->menu()->actions();
        QCOMPARE(items, QList<QAction*>({w->mnuSNTime, w->mnuSNWeather, w->mnuSNStock,
                                         w->mnuSNNotes, w->mnuComputerMemory, w->mnuDrives}));
        for (QAction* hidden : {w->mnuSNWeather, w->mnuSNStock, w->mnuSNNotes}) {
            QVERIFY(!hidden->isVisible());
            hidden->trigger();
        }
        QCOMPARE(w->RTB1->text(), QString("my words"));
        QVERIFY(!w->Timer1->isActive() && w->noteType() == frmMain::PlainNote);
        QCOMPARE(w->Timer1->interval(), frmMain::FiguresRefreshMs);

        const struct {
            QAction* NoteMenus::*item;
            const char* heading;
            int interval;
        } kinds[] = {{&NoteMenus::mnuSNTime, "Time:\r\n", 1000},
                     {&NoteMenus::mnuComputerMemory, "Memory:\r\nTotal Physical: 1536M", 32500},
                     {&NoteMenus::mnuDrives, "Drive(s):\r\n/  ROOT (Local Hard Drive)", 32500}};
        for (const auto& kind : kinds) {
            auto note = typedNote();
            QAction* item = (*note).*kind.item;
            QVERIFY(item->isVisible());
            item->trigger();
            QVERIFY2(note->RTB1->text().startsWith(kind.heading), qPrintable(note->RTB1->text()));
            QVERIFY(note->RTB1->isReadOnly() && note->IsDirty());
            QCOMPARE(note->RTB1->cursorWidth(), 0); // no caret blinks in the text
            QVERIFY(!note->mnuSave[0]->isEnabled() && !note->mnuSave[1]->isEnabled());
            QVERIFY(note->Timer1->isActive());
            QCOMPARE(note->Timer1->interval(), kind.interval);
            QCOMPARE(formatAt(note->RTB1, 0).fontWeight(), int(QFont::Bold));
            QCOMPARE(formatAt(note->RTB1, 0).foreground().color(), QColor(Qt::blue));
            QCOMPARE(formatAt(note->RTB1, 10).foreground().color(), QColor(Qt::black));
            QVERIFY(formatAt(note->RTB1, 10).fontWeight() != QFont::Bold);
        }
    }

    // Switching kinds takes the new interval; "Reset" shows the placeholder until the next
    // refresh; "Clear All" leaves a plain, editable, empty note and stops the timer.
    void switchResetAndClear() {
        auto w = typedNote();
        w->mnuSNTime->trigger();
        QCOMPARE(w->Timer1->interval(), 1000);
        w->mnuComputerMemory->trigger();
        QCOMPARE(w->Timer1->interval(), 32500);
        QCOMPARE(w->noteType(), qint32(frmMain::MemoryNote));
        QVERIFY(w->Timer1->isActive() && w->Timer1->remainingTime() > 30000);

        w->mnuSystemReset->trigger();
        QCOMPARE(w->RTB1->text(), QString("[Note]"));
        QVERIFY(w->RTB1->isReadOnly() && w->Timer1->isActive());
        w->DisplaySpecialNote(w->noteType()); // as the next tick does
        QVERIFY(w->RTB1->text().startsWith("Memory:"));

        w->mnuEdit[2]->trigger();
        QVERIFY(w->RTB1->text().isEmpty() && !w->RTB1->isReadOnly());
        QVERIFY(!w->Timer1->isActive() && w->RTB1->cursorWidth() == 1);
        QVERIFY(w->mnuSave[0]->isEnabled() && w->mnuSave[1]->isEnabled());
        QCOMPARE(w->lblCaption->text(), QString(" Pinleaf"));

        // Any other kind changes nothing.
        w->DisplaySpecialNote(0);
        w->DisplaySpecialNote(4);
        QVERIFY(!w->RTB1->isReadOnly() && !w->Timer1->isActive());
    }

    // The timer rewrites a time note about every second; the caption is marked from the first
    // refresh on; the running copy is not told of each tick.
    void timerRefreshesTheTime() {
        QTime now(21, 5, 7);
        Clock::setOverride([&now] {
            now = now.addSecs(1);
            return QDateTime(QDate(2026, 1, 2), now);
        });
        frmMain w;
        w.show();
        w.mnuSNTime->trigger();
        QCOMPARE(w.RTB1->text(), QString("Time:\r\n09:05:08 PM"));
        QCOMPARE(w.lblCaption->text(), QString(" Pinleaf"));
        QSignalSpy changes(NoteActivity::instance(), &NoteActivity::changed);
        QTRY_COMPARE_WITH_TIMEOUT(w.RTB1->text(), QString("Time:\r\n09:05:09 PM"), 1500);
        QCOMPARE(w.lblCaption->text(), QString(" Pinleaf*"));
        QVERIFY(w.RTB1->isReadOnly() && w.Timer1->isActive());
        QCOMPARE(changes.count(), 0);
    }

    // A refresh runs nothing else in between: a "Clear All" chosen as a tick comes stays done.
    // A closed special note is refreshed no more and its timer goes with the window.
    void refreshLeavesCommandsAndClosingAlone() {
        auto* w = new frmMain;
        w->show();
        w->mnuSNTime->trigger();
        QMetaObject::invokeMethod(w->mnuEdit[2], &QAction::trigger, Qt::QueuedConnection);
        w->DisplaySpecialNote(frmMain::TimeNote);
        QVERIFY(w->RTB1->isReadOnly());
        QTRY_VERIFY(!w->RTB1->isReadOnly());
        QVERIFY(w->RTB1->text().isEmpty() && !w->Timer1->isActive());

        w->mnuSNTime->trigger();
        QPointer<QTimer> timer = w->Timer1;
        QVERIFY(w->close());
        QVERIFY(!timer->isActive());
        QTRY_VERIFY(timer.isNull());
    }
};

PINLEAF_TEST_MAIN(SpecialNoteWindowTest)
#include "widget_specialnote.moc"
