#include "NoteWidgets.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "app/CaptureKey.h"
#include "app/modMain.h"
#include "note/DateStamp.h"
#include "platform/Notice.h"
#include "platform/SessionEnd.h"
#include "platform/Twips.h"
#include "store/modNote.h"

#include <QSignalSpy>

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

    // The capture shortcut: the setting read as portable text, the default for anything that
    // is no usable shortcut; the notice once per shortcut taken; on a display without global
    // shortcuts (offscreen) a problem for the tray and no notice.
    void captureKeySettingAndReports() {
        QSettings s("Pinleaf", "Pinleaf");
        const std::pair<const char*, QKeySequence> settings[] = {
            {nullptr, QKeySequence("Ctrl+Alt+N")},
            {"Ctrl+Shift+F5", QKeySequence("Ctrl+Shift+F5")},
            {" Meta+K ", QKeySequence("Meta+K")},
            {"", QKeySequence("Ctrl+Alt+N")},
            {"not a key", QKeySequence("Ctrl+Alt+N")},
            {"Shift+N", QKeySequence("Ctrl+Alt+N")},
            {"Ctrl+A, Ctrl+B", QKeySequence("Ctrl+Alt+N")},
        };
        for (const auto& [value, expected] : settings) {
            if (value)
                s.setValue("Config/CaptureShortcut", value);
            else
                s.remove("Config/CaptureShortcut");
            s.sync();
            QVERIFY2(CaptureKey::configuredSequence() == expected, value);
        }

        using S = GlobalShortcut;
        const std::tuple<S::Status, const char*, bool, const char*> reports[] = {
            {S::Taken, "", true, "Ctrl+Alt+N"},
            {S::Taken, "Ctrl+Alt+N", false, "Ctrl+Alt+N"},
            {S::Taken, "Ctrl+Alt+J", true, "Ctrl+Alt+N"},
            {S::Active, "Ctrl+Alt+N", false, ""},
            {S::Unavailable, "Ctrl+Alt+N", false, "Ctrl+Alt+N"},
            {S::Refused, "", false, ""},
        };
        for (const auto& [status, before, notice, after] : reports) {
            const CaptureKey::Report r = CaptureKey::reportFor(status, "Ctrl+Alt+N", before);
            QVERIFY2(r.notice == notice && r.reported == after, before);
        }

        s.setValue("Config/CaptureShortcut", "Ctrl+Shift+F5");
        s.setValue("Config/CaptureShortcutReported", "Ctrl+Shift+F5");
        s.sync();
        const int noticesBefore = Notice::shown().size();
        CaptureKey* key = CaptureKey::start(this);
        QSignalSpy problems(key, &CaptureKey::problemChanged);
        QCOMPARE(key->sequence(), QKeySequence("Ctrl+Shift+F5"));
        QVERIFY(key->problem().isEmpty());
        const auto reported = [] {
            return QSettings("Pinleaf", "Pinleaf").value("Config/CaptureShortcutReported");
        };
#ifdef Q_OS_WIN
        // A hot key of this thread: the key works, so its report is forgotten; a second
        // shortcut of the same key finds it taken, and has it once the first gives it back.
        QTRY_VERIFY(!reported().isValid());
        QVERIFY(key->problem().isEmpty() && problems.isEmpty());
        auto second = std::make_unique<GlobalShortcut>(QKeySequence("Ctrl+Shift+F5"));
        QCOMPARE(second->status(), GlobalShortcut::Taken);
        QVERIFY(second->problem().contains("Ctrl+Shift+F5"));
        delete key;
        key = nullptr;
        second = std::make_unique<GlobalShortcut>(QKeySequence("Ctrl+Shift+F5"));
        QCOMPARE(second->status(), GlobalShortcut::Active);
#else
        // Offscreen there are no keys of the whole desktop: a problem for the tray, no notice,
        // and the report stays as it was.
        QTRY_COMPARE(problems.size(), 1);
        QVERIFY(!key->problem().isEmpty() && key->problem() == problems[0][0].toString());
        QCOMPARE(reported().toString(), QString("Ctrl+Shift+F5"));
#endif
        QCOMPARE(Notice::shown().size(), noticesBefore);
        QCOMPARE(GlobalShortcut(QKeySequence("Shift+N")).status(), GlobalShortcut::Refused);
        delete key;
        s.remove("Config");
    }

    // A captured note opens where a new note opens, holds the text (the placeholder for white
    // space), counts as the user's, and has the keyboard with the caret after the text.
    void capturedNoteHoldsTheText() {
        frmMain* plain = frmMain::openCapturedNote(" \n\t ");
        QVERIFY(frmMain::isPlaceholder(plain->RTB1->text()) && !plain->IsDirty());
        frmMain* note = frmMain::openCapturedNote("first line\nsecond");
        QCOMPARE(note->RTB1->text(), QString("first line\r\nsecond"));
        QVERIFY(note->IsDirty());
        // Down and right of the note already standing where new notes open.
        QCOMPARE(note->pos(), plain->pos() + QPoint(Twips::toPixelsX(frmMain::NewNoteOffsetTwips),
                                                    Twips::toPixelsY(frmMain::NewNoteOffsetTwips)));
        QTRY_VERIFY(note->isActiveWindow());
        QVERIFY(note->RTB1->hasFocus() && note->RTB1->textCursor().atEnd());
        QCOMPARE(openNotes().size(), 2);
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
