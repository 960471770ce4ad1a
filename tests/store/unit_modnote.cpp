#include "ScriptedFileDialogBackend.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "platform/FileDialogBackend.h"
#include "store/FileRead.h"
#include "store/NoteDocument.h"
#include "store/modNote.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
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

    QString file(const QString& name, const QByteArray& bytes = {}) {
        return writeBytes(m_dir.filePath(name), bytes);
    }

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
        // A name typed without extension gets ".pnf"; the save dialog asks no overwrite question.
        m_dialogs->chooseFile(m_dir.filePath("a"));
        QCOMPARE(SaveNoteFile(note("first"), ""), path);
        const FileDialogRequest save = m_dialogs->lastRequest();
        QVERIFY(save.mode == FileDialogRequest::Mode::Save && save.title == "Select a file: " &&
                save.filter == "Pinleaf Note (*.pnf)|*.pnf" &&
                !(save.flags & FileDialogFlags::OverwritePrompt));
        QCOMPARE(SaveNoteFile(written, path), path);
        QCOMPARE(readBytes(path),
                 "<?xml version=\"1.0\" standalone=\"yes\"?>\r\n<NOTES>\r\n<NOTE>\r\n"
                 "<COLOR>yellow</COLOR>\r\n<DATA>1\r\n&lt;a href=&apos;x&apos;&gt; &amp; &quot;z"
                 "&quot; "
                 "\xC3\xA9\xF0\x9F\x98\x80\xEF\xBF\xBD\nlf</DATA>\r\n<TIMEDATE>&lt;now&gt;</"
                 "TIMEDATE>\r\n"
                 "<HEIGHT>2000</HEIGHT>\r\n<WIDTH>3000</WIDTH>\r\n<LEFT>-1200</LEFT>\r\n"
                 "<TOP>40</TOP>\r\n</NOTE>\r\n</NOTES>\r\n");
        m_dialogs->chooseFile(path);
        QCOMPARE(ReadNotes(false, ""), Notes{want});
        QCOMPARE(m_dialogs->lastRequest().mode, FileDialogRequest::Mode::Open);

        // A note of blanks keeps them.
        want.SourcePath = m_store;
        const NoteRecord blanks = note("  \r\n  ", m_store);
        for (const NoteRecord& r : {written, blanks, written})
            AppendNoteToStore(r);
        QCOMPARE(ReadNotes(true, ""), (Notes{want, blanks, want}));
        // Appended notes put each child between line breaks, in the order stores have always had.
        QVERIFY(
            readBytes(m_store).contains("</NOTE>\r\n\r\n<NOTE>\r\n<DATA>  \r\n  </DATA>\r\n\r\n"
                                        "<TIMEDATE>06.12.2024 10:03</TIMEDATE>\r\n\r\n"
                                        "<COLOR>blue</COLOR>\r\n\r\n<HEIGHT>2000</HEIGHT>\r\n\r\n"
                                        "<WIDTH>3000</WIDTH>\r\n\r\n<LEFT>-1200</LEFT>\r\n\r\n"
                                        "<TOP>40</TOP>\r\n</NOTE>\r\n\r\n<NOTE>"));
        // Appends lose no character: a store in a single-byte encoding becomes UTF-8 and says so,
        // and one that declares nothing and is not UTF-8 is read as Windows-1252.
        const QString wide = "\u00e9 \u20ac \U0001F600";
        writeBytes(m_store,
                   "<?xml version='1.0' encoding='ISO-8859-1'?>\r\n<NOTES><NOTE><COLOR/><DATA>\xE9"
                   "</DATA><TIMEDATE/><HEIGHT>1</HEIGHT><WIDTH>2</WIDTH><LEFT>3</LEFT><TOP>4</TOP>"
                   "</NOTE></NOTES>");
        AppendNoteToStore(note(wide));
        QVERIFY(readBytes(m_store).startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"));
        QCOMPARE(ReadNotes(true, "").value(0).Data, "\u00e9");
        QCOMPARE(ReadNotes(true, "").value(1).Data, wide);
        writeBytes(m_store, "<NOTES><NOTE><COLOR/><DATA>\x80\xE9</DATA><TIMEDATE/><HEIGHT>1"
                            "</HEIGHT><WIDTH>2</WIDTH><LEFT>3</LEFT><TOP>4</TOP></NOTE></NOTES>");
        AppendNoteToStore(note(wide));
        QCOMPARE(ReadNotes(true, "").value(0).Data, "\u20ac\u00e9");
        QCOMPARE(ReadNotes(true, "").value(1).Data, wide);
        // A byte-order mark stays.
        writeBytes(m_store, "\xEF\xBB\xBF" + NoteDocument::storeForm({note("marked")}));
        AppendNoteToStore(note(wide));
        QVERIFY(readBytes(m_store).startsWith("\xEF\xBB\xBF<?xml"));
        QCOMPARE(ReadNotes(true, "").value(1).Data, wide);
    }

    // Any element names and order, entities and CDATA are read, and numbers in any decimal
    // spelling (rounded, halves to even, kept in range); one incomplete note, bad number or stray
    // node among the notes fails the whole read of a note file, while the document still gives
    // its complete notes to a caller that asks for them.
    void readsAreAllOrNothing() {
        const auto read = [this](const QByteArray& body) {
            return ReadNotes(false, file("r.pnf", "<?xml version=\"1.0\"?>\r\n" + body));
        };
        const auto n = [](const QByteArray& height = "1", const QByteArray& top = "<TOP>4</TOP>") {
            return "<NOTE><COLOR>c</COLOR><DATA>d</DATA><TIMEDATE>t</TIMEDATE><HEIGHT>" + height +
                   "</HEIGHT><WIDTH>2</WIDTH><LEFT>3</LEFT>" + top + "</NOTE>";
        };
        const auto in = [](const QByteArray& notes) { return "<NOTES>" + notes + "</NOTES>"; };
        const Notes any =
            read("<X><Y><TOP>4</TOP><LEFT>3</LEFT><!--c--><WIDTH>2</WIDTH><HEIGHT>1"
                 "</HEIGHT><TIMEDATE/><DATA>&lt;&#65;&#x42;<!--c-->&amp;<![CDATA[<c>]]>"
                 "</DATA><COLOR/><MORE/></Y></X>");
        QCOMPARE(any.value(0).Data, "<AB&<c>");
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
            QVERIFY2(read(body).isEmpty() && !NoteDocument::parse(body).complete, body);
        const NoteDocument::Parsed partial =
            NoteDocument::parse(in(n("7") + n("x") + "<!--c-->" + n("8") + n("1", "")));
        QVERIFY(partial.wellFormed && !partial.complete && partial.notes.size() == 2);
        QVERIFY(partial.notes[0].Height == 7 && partial.notes[1].Height == 8);
    }

    // Only regular files of a bounded size are read, and none blocks: a FIFO, /dev/zero behind a
    // link, a folder and a sparse 2 GB file each read as nothing, at once.
    void onlyRegularFilesOfBoundedSizeAreRead() {
        const QString fifo = m_dir.filePath("fifo.pnf");
        QCOMPARE(QProcess::execute("mkfifo", {fifo}), 0);
        const QString zero = m_dir.filePath("zero.pnf");
        QVERIFY(QFile::link("/dev/zero", zero));
        const QString sparse = file("sparse.pnf");
        QVERIFY(QFile(sparse).resize(qint64(2) << 30));
        const QString atLimit = file("limit.pnf", NoteDocument::textForm(note("fits")));
        QVERIFY(QFile(atLimit).resize(FileRead::MaxNoteFileBytes));
        // A read that waited on its file would hang here until the test's time-out.
        for (const QString& path : {fifo, zero, sparse, m_dir.path()}) {
            QString error;
            QVERIFY2(!ReadDocument(path, &error).wellFormed && !error.isEmpty(), qPrintable(path));
            QVERIFY(ReadNotes(false, path).isEmpty());
        }
        // Padding a document with NULs makes it unreadable as XML, but it is read: the bound is
        // what was refused above, not the kind of content.
        QString error;
        ReadDocument(atLimit, &error);
        QVERIFY2(!error.contains("too large"), qPrintable(error));
    }

    // A save that does not happen leaves every file as it was and none behind: a cancelled or
    // failed dialog, a path in a missing folder, a write that runs out of room (the file-size
    // limit binds root too). An append that runs out of room keeps the store.
    void failedWritesKeepOldFiles() {
        const QString path = file("keep.pnf", "old note");
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

    // A store that does not parse is renamed, never over another file, and a new one started;
    // one that parses is appended to with what it holds kept byte for byte.
    void unreadableStoreIsSetAside() {
        const auto setAside = [this] {
            QList<QByteArray> contents;
            for (const QString& name : QDir(m_storeDir).entryList({"pinleaf.dat.unreadable-*"}))
                contents << readBytes(m_storeDir + '/' + name);
            std::sort(contents.begin(), contents.end());
            return contents;
        };
        QDir().mkpath(m_storeDir);
        // The names of this second and the next few are taken: the new names need a suffix.
        const QDateTime now = QDateTime::currentDateTime();
        for (int i = 0; i < 5; ++i)
            writeBytes(m_store + ".unreadable-" + now.addSecs(i).toString("yyyyMMdd-HHmmss"),
                       "taken");
        for (const char* broken : {"<NOTES><NOTE>broken", ""}) {
            writeBytes(m_store, broken);
            AppendNoteToStore(note("new"));
            QCOMPARE(ReadNotes(true, ""), Notes{note("new", m_store)});
        }
        QList<QByteArray> kept = {"",     "<NOTES><NOTE>broken", "taken", "taken", "taken", "taken",
                                  "taken"};
        QCOMPARE(setAside(), kept);
        QCOMPARE(QDir(m_storeDir).entryList({"pinleaf.dat.unreadable-*-*-*"}).size(), 2);
        // A store that parses but that start-up cannot read whole (a comment among the notes)
        // is set aside too, or every later note would vanish into it.
        const QByteArray odd = "<?xml version=\"1.0\"?>\r\n<NOTES>\r\n<!-- kept -->\r\n</NOTES>";
        writeBytes(m_store, odd);
        AppendNoteToStore(note("third"));
        kept.insert(1, odd);
        QCOMPARE(setAside(), kept);
        QCOMPARE(ReadNotes(true, ""), Notes{note("third", m_store)});
    }

    void concurrentAppends() {
        const QStringList tags = {"A", "B"};
        QProcess workers[2];
        // Both must be loaded and waiting, or one could finish before the other begins.
        for (int i = 0; i < 2; ++i) {
            workers[i].start(QCoreApplication::applicationFilePath(), {WorkerArg, tags[i]});
            QVERIFY(workers[i].waitForReadyRead(20000));
        }
        for (QProcess& w : workers)
            w.closeWriteChannel();
        for (QProcess& w : workers)
            QVERIFY(w.waitForFinished(60000) && w.exitCode() == 0);
        QStringList data, expected;
        for (const NoteRecord& r : ReadNotes(true, ""))
            data << r.Data;
        for (const QString& tag : tags) {
            for (int i = 0; i < PerWorker; ++i)
                expected << tag + QString::number(i);
        }
        QCOMPARE(data.filter(tags[0]) + data.filter(tags[1]), expected);
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
