#include "ScriptedFileDialogBackend.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "store/FileRead.h"
#include "store/modNote.h"

#include <climits>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>

using namespace modNote;
using Notes = QList<NoteRecord>;

namespace {

const char* const WorkerArg = "--append-worker";
// Two copies ending at the same logoff, 50 notes each; without the store lock they lose some.
constexpr int PerWorker = 50;

NoteRecord note(const QString& data, const QString& source = {}, const QString& color = "blue",
                const QString& timeDate = "06.12.2024 10:03") {
    return {color, source, data, 2000, 3000, -1200, 40, timeDate};
}

// A one-note store whose note text is `data`, after `head` (a declaration or a byte-order mark).
QByteArray store(const QByteArray& head, const QByteArray& data) {
    return head + "<NOTES><NOTE><COLOR/><DATA>" + data +
           "</DATA><TIMEDATE/><HEIGHT>1</HEIGHT>"
           "<WIDTH>2</WIDTH><LEFT>3</LEFT><TOP>4</TOP></NOTE></NOTES>";
}

// A child of concurrentAppends, in the parent's isolated home (inherited through the
// environment): says it is ready, then appends its notes as soon as its input is closed.
int appendWorker(const QString& tag) {
    std::puts("ready");
    std::fflush(stdout);
    std::getchar();
    for (int i = 0; i < PerWorker; ++i)
        AppendNoteToStore(note(tag + QString::number(i)));
    return 0;
}

} // namespace

class ModNoteTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    // The isolated home is set up before the test object exists.
    const QString m_store = StorePath(), m_storeDir = QFileInfo(m_store).absolutePath();
    std::shared_ptr<ScriptedFileDialogBackend> m_dialogs;

private slots:
    void init() {
        QDir(m_storeDir).removeRecursively();
        m_dialogs = std::make_shared<ScriptedFileDialogBackend>();
        FileDialogBackend::setOverride(m_dialogs);
    }
    void cleanup() { FileDialogBackend::setOverride(nullptr); }

    // The text form byte for byte (escaping ampersands first, or "<" would become "&amp;lt;").
    // Both writers, the text form and the XML writer of later appends, drop what XML cannot
    // carry, so every document written reads back; a store's encoding is kept.
    void writtenNotesReadBack() {
        const QString bad = QString::fromUtf16(u"\x1\0\x1F\xD800\xFFFF\xFFFE\xDC00", 7);
        const QString text = "1\r\n<a href='x'> & \"z\" \u00e9\U0001F600\uFFFD";
        const QString path = m_dir.filePath("a.pnf");
        const NoteRecord written = note(text + bad + "\nlf", "", "yellow" + bad, "<now>" + bad);
        NoteRecord want = note(text + "\r\nlf", path, "yellow", "<now>");
        // A name typed without extension gets ".pnf"; the save dialog asks before it replaces.
        m_dialogs->chooseFile(m_dir.filePath("a"));
        QCOMPARE(SaveNoteFile(written, ""), path);
        const FileDialogRequest save = m_dialogs->lastRequest();
        QVERIFY(save.title == "Select a file: " && save.filter == "Pinleaf Note (*.pnf)|*.pnf" &&
                (save.flags & FileDialogFlags::OverwritePrompt));
        QCOMPARE(readBytes(path),
                 "<?xml version=\"1.0\" standalone=\"yes\"?>\r\n<NOTES>\r\n<NOTE>\r\n"
                 "<COLOR>yellow</COLOR>\r\n<DATA>1\r\n&lt;a href=&apos;x&apos;&gt; &amp; &quot;z"
                 "&quot; \xC3\xA9\xF0\x9F\x98\x80\xEF\xBF\xBD\nlf</DATA>\r\n"
                 "<TIMEDATE>&lt;now&gt;</TIMEDATE>\r\n<HEIGHT>2000</HEIGHT>\r\n<WIDTH>3000</WIDTH>"
                 "\r\n<LEFT>-1200</LEFT>\r\n<TOP>40</TOP>\r\n</NOTE>\r\n</NOTES>\r\n");
        m_dialogs->chooseFile(path);
        QCOMPARE(ReadNotes(false, ""), Notes{want});

        // A note of blanks keeps them. Appended notes put each child between line breaks, in
        // the order stores have always had.
        want.SourcePath = m_store;
        const NoteRecord blanks = note("  \r\n  ", m_store);
        for (const NoteRecord& r : {written, blanks, written})
            AppendNoteToStore(r);
        QCOMPARE(ReadNotes(true, ""), (Notes{want, blanks, want}));
        QVERIFY(
            readBytes(m_store).contains("</NOTE>\r\n\r\n<NOTE>\r\n<DATA>  \r\n  </DATA>\r\n\r\n"
                                        "<TIMEDATE>06.12.2024 10:03</TIMEDATE>\r\n\r\n"
                                        "<COLOR>blue</COLOR>\r\n\r\n<HEIGHT>2000</HEIGHT>\r\n\r\n"
                                        "<WIDTH>3000</WIDTH>\r\n\r\n<LEFT>-1200</LEFT>\r\n\r\n"
                                        "<TOP>40</TOP>\r\n</NOTE>\r\n\r\n<NOTE>"));
        // Appends lose no character: a store in a single-byte encoding becomes UTF-8 and says so,
        // one that declares nothing and is not UTF-8 is read as Windows-1252, and a byte-order
        // mark stays. The declaration keeps its spelling (blanks and quotes), in UTF-16 too; only a
        // single-byte store's encoding name changes.
        const QString wide = "\u00e9 \u20ac \U0001F600";
        const auto utf16 = [](const QByteArray& ascii) {
            const QString text = QString::fromLatin1(ascii);
            return QByteArray("\xFF\xFE") +
                   QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        };
        const QByteArray spelled = "<?xml   version='1.0'\tstandalone = \"yes\"  ?>\r\n";
        const struct {
            QByteArray before, head;
            QString first;
        } stores[] = {
            {store("<?xml version='1.0' encoding = 'ISO-8859-1' ?>\r\n", "\xE9"),
             "<?xml version='1.0' encoding = 'UTF-8' ?>\r\n", "\u00e9"},
            {store("", "\x80\xE9"), "", "\u20ac\u00e9"},
            {store("\xEF\xBB\xBF", "marked"), "\xEF\xBB\xBF<", "marked"},
            {store(spelled, "spelled"), spelled + "<NOTES>", "spelled"},
            {utf16(store(spelled, "wide")), utf16(spelled + "<NOTES>"), "wide"},
        };
        for (const auto& s : stores) {
            writeBytes(m_store, s.before);
            AppendNoteToStore(note(wide));
            QVERIFY2(readBytes(m_store).startsWith(s.head), s.before);
            const Notes read = ReadNotes(true, "");
            QVERIFY2(read.size() == 2 && read[0].Data == s.first && read[1].Data == wide, s.before);
        }
    }

    // Any element names and order, entities and CDATA are read, and numbers in any decimal
    // spelling (rounded, halves to even, kept in range); one incomplete note, bad number or stray
    // node among the notes fails the whole read of a note file, while the document still gives
    // its complete notes to a caller that asks for them.
    void readsAreAllOrNothing() {
        const auto read = [this](const QByteArray& body) {
            return ReadNotes(false, writeBytes(m_dir.filePath("r.pnf"), body));
        };
        const auto n = [](const QByteArray& height = "1", const QByteArray& top = "<TOP>4</TOP>") {
            return "<NOTE><COLOR>c</COLOR><DATA>d</DATA><TIMEDATE>t</TIMEDATE><HEIGHT>" + height +
                   "</HEIGHT><WIDTH>2</WIDTH><LEFT>3</LEFT>" + top + "</NOTE>";
        };
        const auto in = [](const QByteArray& notes) { return "<NOTES>" + notes + "</NOTES>"; };
        QCOMPARE(read("<X><Y><TOP>4</TOP><LEFT>3</LEFT><!--c--><WIDTH>2</WIDTH><HEIGHT>1</HEIGHT>"
                      "<TIMEDATE/><DATA>&lt;&#65;&#x42;<!--c-->&amp;<![CDATA[<c>]]></DATA>"
                      "<COLOR/><MORE/></Y></X>")
                     .value(0)
                     .Data,
                 "<AB&<c>");
        QList<int> heights;
        for (const NoteRecord& r :
             read(in(n("-2147483648") + "\r\n" + n(" 42\r\n") + n("+5") + n("2865.0") + n("2.5") +
                     n("3.5") + n("-0.5") + n("1e3") + n("2147483648"))))
            heights << r.Height;
        QCOMPARE(heights, (QList<int>{INT_MIN, 42, 5, 2865, 2, 4, 0, 1000, INT_MAX}));
        QList<QByteArray> failing = {
            in(n() + n("1", "")),      in(n().replace("<DATA>d</DATA>", "<?DATA d?>")),
            in(n() + "<!-- note -->"), in(n() + "<?pinleaf x?>"),
            in(n() + "stray"),         "<NOTES>" + n()};
        for (const char* h : {"12x", "", "0x10", "-", "inf", "nan", "1,5"})
            failing << in(n() + n(h));
        for (const QByteArray& body : failing)
            QVERIFY2(read(body).isEmpty(), body);
        const NoteDocument::Parsed partial =
            NoteDocument::parse(in(n("7") + n("x") + "<!--c-->" + n("8") + n("1", "")));
        QVERIFY(partial.wellFormed && !partial.complete && partial.notes.size() == 2);
        QVERIFY(partial.notes[0].Height == 7 && partial.notes[1].Height == 8);
    }

    // A note written back in its place: the bytes before and after it stay exactly as they were
    // (any spelling, no blanks between notes, the last note, a byte-order mark); a single-byte
    // document turns UTF-8 first and keeps its notes' text. A wide document, a note that is not
    // there and a document that does not read whole are not written into.
    void noteReplacedInItsPlace() {
        const NoteRecord fresh{"red", {}, "new & \u00e9", 2000, 3000, -1200, 40, "t"};
        const QByteArray element = "<NOTE>\r\n<COLOR>red</COLOR>\r\n<DATA>new &amp; \xC3\xA9</DATA>"
                                   "\r\n<TIMEDATE>t</TIMEDATE>\r\n<HEIGHT>2000</HEIGHT>\r\n"
                                   "<WIDTH>3000</WIDTH>\r\n<LEFT>-1200</LEFT>\r\n<TOP>40</TOP>"
                                   "\r\n</NOTE>";
        const auto n = [](const QByteArray& data, const QByteArray& name = "NOTE") {
            return "<" + name +
                   " a='1'><TOP>4</TOP><LEFT>3</LEFT><WIDTH>2</WIDTH><HEIGHT>1</HEIGHT>"
                   "<TIMEDATE/><DATA>" +
                   data + "</DATA><COLOR/></" + name + " >";
        };
        // Each document: the bytes before, the note to replace, the bytes after.
        const struct {
            QByteArray before, note, after;
            qsizetype index;
        } documents[] = {
            {"<?xml version='1.0'?>\n<R>\t" + n("&#65;") + "\n", n("<![CDATA[<x>]]>", "B"),
             " \r\n" + n("c") + "</R  >\n<!-- </R> -->", 1},
            {"<R>" + n("a") + n("b"), n("c"), "</R>", 2},
            {"\xEF\xBB\xBF<R>", n("a"), n("b") + "</R>", 0},
        };
        for (const auto& d : documents) {
            const QByteArray bytes = d.before + d.note + d.after;
            const std::optional<QByteArray> out = NoteDocument::replaceNote(bytes, d.index, fresh);
            QCOMPARE(out.value_or("none"), d.before + element + d.after);
            const NoteDocument::Parsed was = NoteDocument::parse(bytes);
            Notes want = was.notes;
            want[d.index] = fresh;
            QCOMPARE(NoteDocument::parse(*out).notes, want);
        }
        const std::optional<QByteArray> cp1252 =
            NoteDocument::replaceNote("<R>" + n("\x80") + n("b") + "</R>", 1, fresh);
        const Notes read = NoteDocument::parse(cp1252.value_or("")).notes;
        QVERIFY(read.size() == 2 && read[0].Data == "\u20ac" && read[1] == fresh);
        const QByteArray three = "<R>" + n("a") + n("b") + n("c") + "</R>";
        for (const auto& [bytes, index] : QList<std::pair<QByteArray, qsizetype>>{
                 {three, 3}, {three, -1}, {"<R>" + n("a") + "<!---->" + n("b") + "</R>", 0}}) {
            QVERIFY2(!NoteDocument::replaceNote(bytes, index, fresh), bytes);
        }
        QByteArray utf16(reinterpret_cast<const char*>(QString::fromLatin1(three).utf16()),
                         three.size() * 2);
        QVERIFY(NoteDocument::parse("\xFF\xFE" + utf16).complete);
        QVERIFY(!NoteDocument::replaceNote("\xFF\xFE" + utf16, 0, fresh));
    }

    // "&Save" of one note of a three-note file: the note is looked for where it was read, or
    // as the one note equal to it after the file lost notes before it; a file changed behind
    // the note's back, one that holds the note twice elsewhere, or a place not known writes
    // nothing. A file that is gone is made anew; a read-only one is not touched.
    void saveInPlaceKeepsTheOtherNotes() {
        const Notes three = {note("a"), note("b"), note("c")};
        const QString path =
            writeBytes(m_dir.filePath("three.pnf"), NoteDocument::storeForm(three));
        NoteFilePlace second{1, three[1]};
        QCOMPARE(SaveNoteInPlace(note("B"), path, second), PlaceSave::Written);
        QVERIFY(second.index == 1 && second.held == note("B"));
        QCOMPARE(SaveNoteInPlace(note("B2"), path, second), PlaceSave::Written);
        QCOMPARE(ReadNotes(false, path),
                 (Notes{note("a", path), note("B2", path), note("c", path)}));

        // The oldest note dropped, as the closed-notes file drops it: "c" is found one place up.
        writeBytes(path, NoteDocument::storeForm({note("B2"), note("c")}));
        NoteFilePlace third{2, three[2]};
        QCOMPARE(SaveNoteInPlace(note("C"), path, third), PlaceSave::Written);
        QCOMPARE(third.index, 1);
        QCOMPARE(ReadNotes(false, path), (Notes{note("B2", path), note("C", path)}));

        const QList<std::pair<QByteArray, NoteFilePlace>> refused = {
            {NoteDocument::storeForm({note("B2"), note("changed")}), third},
            {NoteDocument::storeForm({note("x"), note("C"), note("C")}), {0, note("C")}},
            {NoteDocument::storeForm(three), {}},
            {"<NOTES><NOTE>broken", {0, note("a")}}};
        for (auto [bytes, place] : refused) {
            writeBytes(path, bytes);
            FileProblem problem;
            QCOMPARE(SaveNoteInPlace(note("new"), path, place, &problem), PlaceSave::NotInPlace);
            QVERIFY(problem.path == path && !problem.reason.isEmpty());
            QCOMPARE(readBytes(path), bytes);
        }
        QVERIFY(QFile::remove(path));
        NoteFilePlace gone{5, note("x")};
        QCOMPARE(SaveNoteInPlace(note("alone"), path, gone), PlaceSave::Written);
        QVERIFY(gone.index == 0 && ReadNotes(false, path) == Notes{note("alone", path)});
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        QCOMPARE(SaveNoteInPlace(note("no"), path, gone), PlaceSave::Failed);
        QCOMPARE(ReadNotes(false, path), Notes{note("alone", path)});
    }

    // Only regular files of a bounded size are read, and none blocks: a FIFO, /dev/zero behind a
    // link, a folder and a sparse 2 GB file each read as nothing, at once. A file at the bound
    // is read (padding with NULs makes it no XML, but not too large).
    void onlyRegularFilesOfBoundedSizeAreRead() {
        const QString fifo = m_dir.filePath("fifo.pnf"), zero = m_dir.filePath("zero.pnf");
        QCOMPARE(QProcess::execute("mkfifo", {fifo}), 0);
        QVERIFY(QFile::link("/dev/zero", zero));
        const QString sparse = writeBytes(m_dir.filePath("sparse.pnf"), "");
        QVERIFY(QFile(sparse).resize(qint64(2) << 30));
        const QString atLimit =
            writeBytes(m_dir.filePath("limit.pnf"), NoteDocument::textForm(note("fits")));
        QVERIFY(QFile(atLimit).resize(FileRead::MaxNoteFileBytes));
        QString error;
        for (const QString& path : {fifo, zero, sparse, m_dir.path()}) {
            QVERIFY2(!ReadDocument(path, &error).wellFormed && !error.isEmpty(), qPrintable(path));
            QVERIFY(ReadNotes(false, path).isEmpty());
        }
        ReadDocument(atLimit, &error);
        QVERIFY2(!error.contains("too large"), qPrintable(error));
    }

    // A save that does not happen leaves every file as it was and none behind: a cancelled or
    // failed dialog, a path in a missing folder, a write that runs out of room (the file-size
    // limit binds root too). An append that runs out of room keeps the store.
    void failedWritesKeepOldFiles() {
        const QString path = writeBytes(m_dir.filePath("keep.pnf"), "old note");
        AppendNoteToStore(note("stored"));
        const QByteArray storeBefore = readBytes(m_store);
        const QStringList before = QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
        m_dialogs->cancel();
        m_dialogs->fail(0x3003);
        for (const QString& target : QStringList{"", "", m_dir.filePath("gone/no.pnf")})
            QCOMPARE(SaveNoteFile(note("x"), target), "none");
        rlimit limit{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &limit) == 0);
        const rlimit small{4096, limit.rlim_max}; // room for the lock file, not for the note
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        const NoteRecord big = note(QString(100000, u'x'));
        const QString result = SaveNoteFile(big, path);
        AppendNoteToStore(big);
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(result, "none");
        QCOMPARE(readBytes(path), "old note");
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
        QCOMPARE(readBytes(m_store), storeBefore);
        QCOMPARE(QDir(m_storeDir).entryList(QDir::Files), QStringList{"pinleaf.dat"});
    }

    // A store that does not read whole (broken, empty, or a comment among the notes, which
    // start-up would not read) is renamed, never over another file, and a new one started.
    void unreadableStoreIsSetAside() {
        // The names of this second and the next few are taken: the new names need a suffix.
        const QDateTime now = QDateTime::currentDateTime();
        for (int i = 0; i < 5; ++i)
            writeBytes(m_store + ".unreadable-" + now.addSecs(i).toString("yyyyMMdd-HHmmss"),
                       "taken");
        const QList<QByteArray> broken = {"<NOTES><NOTE>broken", "",
                                          "<?xml version=\"1.0\"?>\r\n<NOTES><!-- c --></NOTES>"};
        for (const QByteArray& bytes : broken) {
            writeBytes(m_store, bytes);
            AppendNoteToStore(note("new"));
            QCOMPARE(ReadNotes(true, ""), Notes{note("new", m_store)});
        }
        QList<QByteArray> setAside;
        for (const QString& name : QDir(m_storeDir).entryList({"pinleaf.dat.unreadable-*"}))
            setAside << readBytes(m_storeDir + '/' + name);
        QCOMPARE(setAside.size(), 8);
        for (const QByteArray& bytes : broken)
            QVERIFY2(setAside.contains(bytes), bytes);
        QCOMPARE(QDir(m_storeDir).entryList({"pinleaf.dat.unreadable-*-*-*"}).size(), 3);
    }

    void concurrentAppends() {
        QProcess workers[2];
        // Both must be loaded and waiting, or one could finish before the other begins.
        for (int i = 0; i < 2; ++i) {
            workers[i].start(QCoreApplication::applicationFilePath(), {WorkerArg, i ? "B" : "A"});
            QVERIFY(workers[i].waitForReadyRead(20000));
        }
        for (QProcess& w : workers)
            w.closeWriteChannel();
        for (QProcess& w : workers)
            QVERIFY(w.waitForFinished(60000) && w.exitCode() == 0);
        QStringList data, expected;
        for (const NoteRecord& r : ReadNotes(true, ""))
            data << r.Data;
        for (int i = 0; i < 2 * PerWorker; ++i)
            expected << QString(i < PerWorker ? "A" : "B") + QString::number(i % PerWorker);
        QCOMPARE(data.filter("A") + data.filter("B"), expected);
    }
};

// PINLEAF_TEST_MAIN plus the worker mode of concurrentAppends, which must keep the parent's
// isolated home rather than make its own.
int main(int argc, char** argv) {
    if (argc == 3 && qstrcmp(argv[1], WorkerArg) == 0)
        return appendWorker(QString::fromLocal8Bit(argv[2]));
    TestHome::isolate();
    QApplication app(argc, argv);
    ModNoteTest tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "unit_modnote.moc"
