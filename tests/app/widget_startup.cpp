#include "NoteWidgets.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "app/modMain.h"
#include "note/frmMain.h"
#include "platform/Notice.h"
#include "platform/RichTextBox.h"
#include "store/modNote.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QtTest>

namespace {
NoteRecord record(const QString& color, const QString& text, int left) {
    return {color, {}, text, 3000, 4500, left, 1500, "1/2/2026 3:04:05 PM"};
}
} // namespace

// Which windows start-up opens for a command line, a notes store, or nothing usable.
class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QFile::remove(modNote::StorePath()); }
    void cleanup() { deleteAllNotes(); }

    void storeOpensEveryNoteInOrderAndIsDeleted() {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        modNote::AppendNoteToStore(record("blue", "one\r\ntwo", 1500));
        modNote::AppendNoteToStore(record("peach", "three", -1200));
        // Off every screen, and flush with the right edge.
        modNote::AppendNoteToStore(record("grey", "lost", -900000));
        modNote::AppendNoteToStore(record("red", "flush", (screen.right() + 1 - 300) * 15));
        modMain::Main(QString());
        const QList<frmMain*> notes = openNotes();
        QCOMPARE(notes.size(), 4);
        QCOMPARE(notes[2]->pos(), QPoint(0, 100));
        QCOMPARE(notes[3]->geometry().right(), screen.right());
        QCOMPARE(notes[0]->RTB1->text(), QString("one\r\ntwo"));
        QCOMPARE(notes[0]->colorSchemeName(), QString("blue"));
        QCOMPARE(notes[0]->lblDate->text(), QString("1/2/2026 3:04:05 PM"));
        QCOMPARE(notes[0]->geometry(), QRect(100, 100, 300, 200));
        QCOMPARE(notes[1]->pos(), QPoint(-80, 100));
        for (frmMain* n : notes) {
            QVERIFY(n->IsDirty());
            QVERIFY(n->Tag().isEmpty());
            QCOMPARE(n->lblCaption->text(), QString(" Pinleaf"));
        }
        QVERIFY(!QFile::exists(modNote::StorePath()));
    }

    // A note file opens its first note only, with its absolute path as the note's file; the
    // store is not looked at.
    void noteFileOnTheCommandLineOpensItsFirstNote() {
        modNote::AppendNoteToStore(record("green", "in the store", 0));
        const QString file = TestHome::root() + "/two notes.PNF";
        QFile::copy(modNote::StorePath(), file);
        modNote::AppendNoteToStore(record("red", "second", 0));
        QFile::remove(file);
        QFile::copy(modNote::StorePath(), file);

        // A relative path is taken from the folder the program starts in, once.
        QDir::setCurrent(TestHome::root());
        modMain::Main("\"two notes.PNF\"");
        QDir::setCurrent(QDir::rootPath());
        const QList<frmMain*> notes = openNotes();
        QCOMPARE(notes.size(), 1);
        QCOMPARE(notes[0]->RTB1->text(), QString("in the store"));
        QCOMPARE(notes[0]->Tag(), file);
        QVERIFY(notes[0]->IsDirty());
        QVERIFY(QFile::exists(modNote::StorePath()));
    }

    // Anything unusable ends in one blank note; an unreadable store stays for the next start.
    void nothingUsableOpensOneBlankNote() {
        writeBytes(modNote::StorePath(), "<NOTES><NOTE>");
        const QString txt = TestHome::root() + "/plain.txt";
        writeBytes(txt, "<NOTES/>");
        const QString broken = TestHome::root() + "/broken.pnf";
        writeBytes(broken, "not xml");
        for (const QString& commandLine :
             {QString(), txt, TestHome::root() + "/missing.pnf", broken}) {
            modMain::Main(commandLine);
            const QList<frmMain*> notes = openNotes();
            QCOMPARE(notes.size(), 1);
            QCOMPARE(notes[0]->RTB1->text(), QString("[Note]"));
            QVERIFY(!notes[0]->IsDirty() && notes[0]->Tag().isEmpty());
            cleanup();
        }
        QVERIFY(QFile::exists(modNote::StorePath()));
    }

    // A store that parses but does not read whole stays byte for byte; its complete notes open,
    // and once they are on screen the user is told where the file is.
    void halfReadableStoreIsKeptAndReported() {
        modNote::AppendNoteToStore(record("green", "complete", 0));
        QByteArray bytes = readBytes(modNote::StorePath());
        bytes.replace("</NOTES>", "<NOTE><DATA>no geometry</DATA></NOTE></NOTES>");
        writeBytes(modNote::StorePath(), bytes);
        const int noticesBefore = Notice::shown().size();
        modMain::Main(QString());
        QCOMPARE(openNotes().size(), 1);
        QCOMPARE(openNotes()[0]->RTB1->text(), QString("complete"));
        QCOMPARE(readBytes(modNote::StorePath()), bytes);
        QCOMPARE(Notice::shown().size(), noticesBefore + 1);
        QVERIFY(Notice::shown().last().startsWith("Notes store could not be read: "));
        QVERIFY(Notice::shown().last().contains(modNote::StorePath()));
    }
};

PINLEAF_TEST_MAIN(StartupTest)
#include "widget_startup.moc"
