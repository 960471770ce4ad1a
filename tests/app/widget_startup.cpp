#include "NoteWidgets.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "app/modMain.h"
#include "note/DateStamp.h"
#include "platform/Notice.h"
#include "platform/SessionEnd.h"
#include "store/modNote.h"

namespace {
NoteRecord record(const QString& color, const QString& text, int left) {
    return {color, {}, text, 3000, 4500, left, 1500, "1/2/2026 3:04:05 PM"};
}
} // namespace

// Which windows start-up opens for a command line, a store it cannot read whole, or nothing
// usable, and the date stamp it gives new notes. A readable store's notes, each at its place, are
// the end-to-end tests' part.
class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QFile::remove(modNote::StorePath()); }
    void cleanup() { deleteAllNotes(); }

    // A note file in quotes or not, spaces joined, capitals allowed; any other file is none.
    // Options Pinleaf does not take are left out: a dash before a "--" that names no file.
    void commandLineNamesANoteFile() {
        QVERIFY(QDir::setCurrent(TestHome::root()));
        QFile dashed("-dashed.pnf");
        QVERIFY(dashed.open(QIODevice::WriteOnly));
        const std::pair<QStringList, QString> cases[] = {
            {{"-v", "--bogus", "/tmp/a.pnf", "-x"}, "/tmp/a.pnf"},
            {{"--", "-odd.pnf"}, "-odd.pnf"},
            {{"-dashed.pnf"}, "-dashed.pnf"},
            {{"-", "a.pnf"}, "- a.pnf"},
            {{}, ""},
            {{"/tmp/a.pnf"}, "/tmp/a.pnf"},
            {{"\"/tmp/A.PNF\""}, "/tmp/A.PNF"},
            {{"/tmp/my", "notes/a.pnf"}, "/tmp/my notes/a.pnf"},
            {{"/tmp/notepnf"}, "/tmp/notepnf"},
            {{"/tmp/a.txt"}, ""},
            {{"\"/tmp/a.pnf"}, "/tmp/a.pnf"},
            {{"\"/tmp/\"x\".pnf\""}, "/tmp/\"x\".pnf"},
            {{"\""}, ""},
        };
        for (const auto& [args, file] : cases) {
            const QStringList kept = modMain::WithoutOptions(args, nullptr);
            QCOMPARE(modMain::NoteFileFromCommandLine(modMain::CommandLineText(kept)), file);
        }
        QStringList ignored;
        QCOMPARE(modMain::WithoutOptions({"-v", "--new", "a", "--", "-b", "--new"}, &ignored),
                 QStringList({"a", "-b", "--new"}));
        QCOMPARE(ignored, QStringList({"-v"}));
        // What a later start hands to the running program: only what it alone asks for.
        const QString abs = TestHome::root() + "/a.pnf";
        const auto open = InstanceRequest::open(abs);
        const auto blank = InstanceRequest::newNote();
        const std::pair<QStringList, QList<InstanceRequest>> handed[] = {
            {{"--new"}, {blank}},
            {{"a.pnf"}, {open}},
            {{"\"" + abs + "\""}, {open}},
            {{"--new", "a.pnf", "--new"}, {open, blank}},
            {{"--", "--new"}, {}},
            {{"a.txt", "--new"}, {}},
            {{"-display", ":1", "--new"}, {}},
            {{"--new", "-v"}, {}},
            {{}, {}},
        };
        for (const auto& [args, requests] : handed)
            QVERIFY2(modMain::RequestsOfCommandLine(args) == requests, qPrintable(args.join(' ')));
        // The date stamp has the full year and the seconds in every locale.
        const QDateTime when(QDate(2026, 12, 6), QTime(9, 15, 58));
        QCOMPARE(DateStamp::format(when, QLocale(QLocale::English, QLocale::UnitedStates)),
                 QString("12/6/2026 9:15:58 AM"));
        QCOMPARE(DateStamp::format(when, QLocale(QLocale::German, QLocale::Germany)),
                 QString("06.12.2026 09:15:58"));
    }

    // A note file opens its first note only, with its absolute path as the note's file (a
    // relative one is taken from the folder the program starts in); the store is not looked at.
    void noteFileOnTheCommandLineOpensItsFirstNote() {
        const QString file = TestHome::root() + "/two notes.PNF";
        writeBytes(file, NoteDocument::storeForm(
                             {record("green", "first", 0), record("red", "second", 0)}));
        modNote::AppendNoteToStore(record("red", "in the store", 0));
        QDir::setCurrent(TestHome::root());
        modMain::Main("\"two notes.PNF\"");
        QDir::setCurrent(QDir::rootPath());
        const QList<frmMain*> notes = openNotes();
        QCOMPARE(notes.size(), 1);
        QVERIFY(notes[0]->RTB1->text() == "first" && notes[0]->IsDirty());
        QCOMPARE(notes[0]->Tag(), file);
        QVERIFY(QFile::exists(modNote::StorePath()));
    }

    // Anything unusable ends in one blank note; an unreadable store stays for the next start.
    void nothingUsableOpensOneBlankNote() {
        writeBytes(modNote::StorePath(), "<NOTES><NOTE>");
        const QString txt = writeBytes(TestHome::root() + "/plain.txt", "<NOTES/>");
        const QString broken = writeBytes(TestHome::root() + "/broken.pnf", "not xml");
        for (const QString& commandLine :
             {QString(), txt, TestHome::root() + "/missing.pnf", broken}) {
            modMain::Main(commandLine);
            const QList<frmMain*> notes = openNotes();
            QVERIFY2(notes.size() == 1 && notes[0]->RTB1->text() == "[Note]" &&
                         !notes[0]->IsDirty() && notes[0]->Tag().isEmpty(),
                     qPrintable(commandLine));
            cleanup();
        }
        QVERIFY(QFile::exists(modNote::StorePath()));
    }

    // A store that parses but does not read whole stays byte for byte; its complete notes open,
    // and once they are on screen the user is told where the file is.
    void halfReadableStoreIsKeptAndReported() {
        const QByteArray bytes = NoteDocument::storeForm({record("green", "complete", 0)})
                                     .replace("</NOTES>", "<NOTE><DATA>x</DATA></NOTE></NOTES>");
        writeBytes(modNote::StorePath(), bytes);
        const int noticesBefore = Notice::shown().size();
        modMain::Main(QString());
        QVERIFY(openNotes().size() == 1 && openNotes()[0]->RTB1->text() == "complete");
        QCOMPARE(readBytes(modNote::StorePath()), bytes);
        QCOMPARE(Notice::shown().size(), noticesBefore + 1);
        QVERIFY(Notice::shown().last().startsWith("Notes store could not be read: ") &&
                Notice::shown().last().contains(modNote::StorePath()));
    }

    // "--new" and the requests of later starts open after the notes of start-up, in the order
    // asked; a file that is no note file opens nothing; at the end of the logon nothing is taken.
    void requestsOpenAfterStartUp() {
        QList<NoteRecord> stored;
        for (int i = 0; i < 60; ++i)
            stored << record("green", QString("stored %1").arg(i), i * 10);
        writeBytes(modNote::StorePath(), NoteDocument::storeForm(stored));
        const QString file = writeBytes(TestHome::root() + "/asked.pnf",
                                        NoteDocument::storeForm({record("red", "asked", 0)}));
        const QString txt = writeBytes(TestHome::root() + "/asked.txt",
                                       NoteDocument::storeForm({record("red", "txt", 0)}));
        modMain::Main(QString(), true);
        QVERIFY(modMain::OpeningNotes());
        for (const QString& path : {file, txt, TestHome::root() + "/missing.pnf"})
            QVERIFY(modMain::TakeRequest(InstanceRequest::open(path)));
        QVERIFY(modMain::TakeRequest(InstanceRequest::newNote()));
        QVERIFY(!modMain::TakeRequest(InstanceRequest()));
        QTRY_COMPARE(openNotes().size(), 63);
        QTest::qWait(100);
        const QList<frmMain*> notes = openNotes();
        QCOMPARE(notes.size(), 63);
        QCOMPARE(notes[59]->RTB1->text(), QString("stored 59"));
        QVERIFY(notes[60]->RTB1->text() == "[Note]" && notes[60]->Tag().isEmpty());
        QVERIFY(notes[61]->RTB1->text() == "asked" && notes[61]->Tag() == file);
        QCOMPARE(notes[62]->RTB1->text(), QString("[Note]"));
        SessionEnd::markEnding();
        QVERIFY(!modMain::TakeRequest(InstanceRequest::newNote()));
    }
};

PINLEAF_TEST_MAIN(StartupTest)
#include "widget_startup.moc"
