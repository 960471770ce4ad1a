#include "TestHome.h"
#include "app/modNote.h"
#include "platform/FileDialogBackend.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <sys/resource.h>

using namespace modNote;
using Notes = QList<NoteRecord>;

namespace {

const char* const WorkerArg = "--append-worker";
constexpr int PerWorker = 50;

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

QString writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

NoteRecord note(const QString& data, qint32 left = 10, const QString& source = {}) {
    return {"blue", source, data, 2000, 3000, left, 40, "06.12.2024 10:03"};
}

NoteRecord at(NoteRecord r, const QString& source) {
    r.SourcePath = source;
    return r;
}

QString storeDir() {
    return QFileInfo(StorePath()).absolutePath();
}

QStringList setAside() {
    return QDir(storeDir()).entryList({"pinleaf.dat.unreadable-*"}, QDir::Files);
}

// A child process of concurrentAppends: appends its notes to the store of the parent's isolated
// home (inherited through the environment) once the go file exists.
int appendWorker(const QString& tag, const QString& goFile) {
    for (int waited = 0; !QFileInfo::exists(goFile); ++waited) {
        if (waited > 20000)
            return 2;
        QThread::msleep(1);
    }
    for (int i = 0; i < PerWorker; ++i)
        AppendNoteToStore(note(tag + QString::number(i)));
    return 0;
}

} // namespace

class ModNoteTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::shared_ptr<ScriptedFileDialogBackend> m_dialogs;

    QString file(const QString& name, const QByteArray& bytes = {}) {
        return writeBytes(m_dir.filePath(name), bytes);
    }

private slots:
    void init() {
        QDir(storeDir()).removeRecursively();
        m_dialogs = std::make_shared<ScriptedFileDialogBackend>();
        FileDialogBackend::setOverride(m_dialogs);
    }
    void cleanup() { FileDialogBackend::setOverride(nullptr); }

    void escapeXml() {
        QCOMPARE(EscapeXml("a&b\"c'd<e>f \u00e9\r\n\t;#"),
                 "a&amp;b&quot;c&apos;d&lt;e&gt;f \u00e9\r\n\t;#");
        QCOMPARE(EscapeXml(EscapeXml("<&\"")), "&amp;lt;&amp;amp;&amp;quot;");
    }

    void textFormBytes() {
        NoteRecord r = note("Line 1\r\nx < y & \"z\" \u00e9", -1200);
        r.Color = "yellow";
        const QString path = file("a.pnf", "old");
        QCOMPARE(SaveNoteFile(r, path), path);
        QCOMPARE(readBytes(path),
                 "<?xml version=\"1.0\" standalone=\"yes\"?>\r\n<NOTES>\r\n<NOTE>\r\n"
                 "<COLOR>yellow</COLOR>\r\n"
                 "<DATA>Line 1\r\nx &lt; y &amp; &quot;z&quot; \xC3\xA9</DATA>\r\n"
                 "<TIMEDATE>06.12.2024 10:03</TIMEDATE>\r\n<HEIGHT>2000</HEIGHT>\r\n"
                 "<WIDTH>3000</WIDTH>\r\n<LEFT>-1200</LEFT>\r\n<TOP>40</TOP>\r\n"
                 "</NOTE>\r\n</NOTES>\r\n");
        QCOMPARE(ReadNotes(false, path), Notes{at(r, path)});
        // A note file is a store of one note.
        QDir().mkpath(storeDir());
        QVERIFY(QFile::copy(path, StorePath()));
        QCOMPARE(ReadNotes(true, "ignored"), Notes{at(r, StorePath())});
    }

    void trickyTextRoundTrips() {
        const QString bad = QString(QChar(0x1)) + QChar(0) + QChar(0x1F) + QChar(0xD800) +
                            QChar(0xFFFF) + QChar(0xFFFE) + QChar(0xDC00);
        const QString text = "<b a='1'> & \"q\"\r\n\tTab \u00e9 \u6f22 \U0001F600";
        NoteRecord written = note(text + bad + "\r\nend\nlf"), want = note(text + "\r\nend\r\nlf");
        written.Color = "ye<l>&low'" + bad;
        written.TimeDate = "6/12 & <now>\x0B";
        want.Color = "ye<l>&low'";
        want.TimeDate = "6/12 & <now>";
        const NoteRecord spaces = note("  \r\n  ");
        const QString path = file("t.pnf");
        QCOMPARE(SaveNoteFile(written, path), path);
        QCOMPARE(ReadNotes(false, path), Notes{at(want, path)});
        QCOMPARE(SaveNoteFile(spaces, path), path);
        QCOMPARE(ReadNotes(false, path), Notes{at(spaces, path)});
        // The first append writes the text form, the others go through the XML writer.
        for (const NoteRecord& r : {written, spaces, written})
            AppendNoteToStore(r);
        const QString s = StorePath();
        QCOMPARE(ReadNotes(true, ""), (Notes{at(want, s), at(spaces, s), at(want, s)}));
    }

    void appendsBuildOneStore() {
        const NoteRecord a = note("first", -1200), b = note("second"), c = note("third & <x>");
        const QString copy = file("a.pnf");
        SaveNoteFile(a, copy);
        for (const NoteRecord& r : {a, b, c})
            AppendNoteToStore(r);
        const QString s = StorePath();
        QCOMPARE(ReadNotes(true, ""), (Notes{at(a, s), at(b, s), at(c, s)}));
        // The first note stays as the text form wrote it; the others follow with their children
        // in append order, each between line breaks.
        const QByteArray bytes = readBytes(s), closing = "</NOTES>\r\n";
        QVERIFY(bytes.startsWith(readBytes(copy).chopped(closing.size()) + "\r\n<NOTE>\r\n"));
        QVERIFY(bytes.endsWith("</NOTE>\r\n" + closing));
        QVERIFY(bytes.contains("\r\n<NOTE>\r\n<DATA>second</DATA>\r\n\r\n<TIMEDATE>06.12.2024 10:03"
                               "</TIMEDATE>\r\n\r\n<COLOR>blue</COLOR>\r\n\r\n<HEIGHT>2000</HEIGHT>"
                               "\r\n\r\n<WIDTH>3000</WIDTH>\r\n\r\n<LEFT>10</LEFT>\r\n\r\n<TOP>40</"
                               "TOP>\r\n</NOTE>\r\n"));
        QVERIFY(bytes.contains("<DATA>third &amp; &lt;x&gt;</DATA>"));

        // A store in another encoding keeps its declaration and is written back in that encoding.
        writeBytes(s,
                   "<?xml version='1.0' encoding='ISO-8859-1'?>\r\n<NOTES><NOTE><COLOR/><DATA>\xE9"
                   "</DATA><TIMEDATE/><HEIGHT>1</HEIGHT><WIDTH>2</WIDTH><LEFT>3</LEFT><TOP>4</TOP>"
                   "</NOTE></NOTES>");
        AppendNoteToStore(note("\u00e9"));
        QVERIFY(
            readBytes(s).startsWith("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<NOTES>"));
        QVERIFY(!readBytes(s).contains("\xC3\xA9"));
        const Notes read = ReadNotes(true, "");
        QVERIFY(read.size() == 2 && read[0].Data == "\u00e9" && read[1].Data == "\u00e9");
    }

    void readsAreAllOrNothing_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("firstData");
        const auto n = [](const QByteArray& height = "1", const QByteArray& top = "<TOP>4</TOP>") {
            return "<NOTE><COLOR>c</COLOR><DATA>d</DATA><TIMEDATE>t</TIMEDATE><HEIGHT>" + height +
                   "</HEIGHT><WIDTH>2</WIDTH><LEFT>3</LEFT>" + top + "</NOTE>";
        };
        const auto in = [](const QByteArray& notes) { return "<NOTES>" + notes + "</NOTES>"; };
        QTest::newRow("two notes") << in(n() + "\r\n" + n()) << 2 << "d";
        QTest::newRow("any names and order")
            << QByteArray("<X><Y><TOP>4</TOP><LEFT>3</LEFT><!--c--><WIDTH>2</WIDTH><HEIGHT>1</"
                          "HEIGHT><TIMEDATE/><DATA>a<!--c-->b</DATA><COLOR/><MORE/></Y></X>")
            << 1 << "ab";
        QTest::newRow("entities, cdata")
            << in(n().replace("<DATA>d", "<DATA>&lt;&#65;&#x42;&amp;<![CDATA[<c>]]>")) << 1
            << "<AB&<c>";
        QTest::newRow("int32 limits") << in(n("-2147483648") + n(" 42\r\n")) << 2 << "d";
        QTest::newRow("second lacks TOP") << in(n() + n("1", "")) << 0 << "";
        QTest::newRow("pi named DATA")
            << in(n().replace("<DATA>d</DATA>", "<?DATA d?>")) << 0 << "";
        for (const char* h : {"12x", "", "+5", "1.5", "0x10", "2147483648", "-2147483649", "-"})
            QTest::newRow(QByteArray("HEIGHT ") + h) << in(n() + n(h)) << 0 << "";
        QTest::newRow("comment child") << in(n() + "<!-- note -->") << 0 << "";
        QTest::newRow("pi child") << in(n() + "<?pinleaf x?>") << 0 << "";
        QTest::newRow("text child") << in(n() + "stray") << 0 << "";
        QTest::newRow("empty root") << QByteArray("<NOTES/>") << 0 << "";
        QTest::newRow("blank root") << QByteArray("<NOTES>\r\n</NOTES>") << 0 << "";
        QTest::newRow("not well-formed") << QByteArray("<NOTES>" + n()) << 0 << "";
    }
    void readsAreAllOrNothing() {
        QFETCH(QByteArray, body);
        QFETCH(int, count);
        QFETCH(QString, firstData);
        const Notes read = ReadNotes(false, file("r.pnf", "<?xml version=\"1.0\"?>\r\n" + body));
        QCOMPARE(read.size(), count);
        QCOMPARE(count ? read.first().Data : "", firstData);
    }

    void saveNeedsAnExistingFile() {
        const QString missing = m_dir.filePath("missing.pnf"), plain = file("plain", "old");
        QCOMPARE(SaveNoteFile(note("x"), missing), "none");
        QVERIFY(!QFileInfo::exists(missing));
        QVERIFY(QDir(m_dir.path()).mkdir("folder.pnf"));
        QCOMPARE(SaveNoteFile(note("x"), m_dir.filePath("folder.pnf")), "none");
        QCOMPARE(SaveNoteFile(note("x"), plain + "/under.pnf"), "none");
        QCOMPARE(readBytes(plain), "old");
        QCOMPARE(ReadNotes(false, missing), Notes());
        QCOMPARE(ReadNotes(true, ""), Notes());
    }

    // A write that runs out of room (the file-size limit binds root too) leaves the note file and
    // the store exactly as they were, and no temporary file behind.
    void failedWritesKeepOldFiles() {
        const QString path = file("keep.pnf", "old note");
        AppendNoteToStore(note("stored"));
        const QByteArray storeBefore = readBytes(StorePath());
        const QStringList filesBefore = QDir(m_dir.path()).entryList(QDir::Files);
        const NoteRecord big = note(QString(100000, u'x'));
        rlimit before{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &before) == 0);
        rlimit small = before;
        small.rlim_cur = 4096; // room for the lock file, not for the note
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        const QString result = SaveNoteFile(big, path);
        AppendNoteToStore(big);
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(result, "none");
        QCOMPARE(readBytes(path), "old note");
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), filesBefore);
        QCOMPARE(readBytes(StorePath()), storeBefore);
        QCOMPARE(QDir(storeDir()).entryList(QDir::Files), QStringList{"pinleaf.dat"});
    }

    void unreadableStoreIsSetAside() {
        const QString s = StorePath();
        QDir().mkpath(storeDir());
        writeBytes(s, "<NOTES><NOTE>broken");
        // The names of this second and the next few are taken: the new name needs a suffix.
        const QDateTime now = QDateTime::currentDateTime();
        for (int i = 0; i < 5; ++i)
            writeBytes(s + ".unreadable-" + now.addSecs(i).toString("yyyyMMdd-HHmmss"), "taken");
        AppendNoteToStore(note("new"));
        QCOMPARE(ReadNotes(true, ""), Notes{at(note("new"), s)});
        QCOMPARE(setAside().size(), 6);
        QStringList broken;
        for (const QString& name : setAside()) {
            if (readBytes(storeDir() + '/' + name) != "taken")
                broken << name + ':' + readBytes(storeDir() + '/' + name);
        }
        QCOMPARE(broken.size(), 1);
        const QRegularExpression named(R"(^pinleaf\.dat\.unreadable-\d{8}-\d{6}-\d+:(.*)$)");
        QCOMPARE(named.match(broken[0]).captured(1), "<NOTES><NOTE>broken");

        writeBytes(s, ""); // no root element: unreadable too
        AppendNoteToStore(note("again"));
        QCOMPARE(setAside().size(), 7);
        QCOMPARE(ReadNotes(true, "").size(), 1);

        // A store that parses is appended to, odd children and all.
        writeBytes(s, "<?xml version=\"1.0\"?>\r\n<NOTES>\r\n<!-- kept -->\r\n</NOTES>\r\n");
        AppendNoteToStore(note("third"));
        QCOMPARE(setAside().size(), 7);
        QVERIFY(readBytes(s).startsWith("<?xml version=\"1.0\"?>\r\n<NOTES>\r\n<!-- kept -->\r\n"));
        QVERIFY(readBytes(s).contains("<DATA>third</DATA>"));
    }

    void concurrentAppends() {
        const QString go = m_dir.filePath("go");
        const QStringList tags = {"A", "B"};
        QProcess workers[2];
        for (int i = 0; i < 2; ++i) {
            workers[i].start(QCoreApplication::applicationFilePath(), {WorkerArg, tags[i], go});
            QVERIFY(workers[i].waitForStarted());
        }
        file("go");
        for (QProcess& w : workers)
            QVERIFY(w.waitForFinished(60000) && w.exitCode() == 0);
        const Notes notes = ReadNotes(true, "");
        QCOMPARE(notes.size(), 2 * PerWorker);
        for (const QString& tag : tags) {
            QStringList mine, expected;
            for (int i = 0; i < PerWorker; ++i)
                expected << tag + QString::number(i);
            for (const NoteRecord& r : notes) {
                if (r.Data.startsWith(tag))
                    mine << r.Data;
            }
            QCOMPARE(mine, expected);
        }
    }

    void dialogs() {
        const auto entries = [this] {
            return QDir(m_dir.path())
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        };
        const QStringList before = entries();
        m_dialogs->cancel();
        QCOMPARE(SaveNoteFile(note("x"), ""), "none");
        const FileDialogRequest save = m_dialogs->lastRequest();
        QCOMPARE(save.mode, FileDialogRequest::Mode::Save);
        QVERIFY(save.title == "Select a file: " && save.defaultExt == "pnf" &&
                save.flags == 0x80004);
        QCOMPARE(save.filter, "Pinleaf Note (*.pnf)|*.pnf");
        m_dialogs->cancel();
        QCOMPARE(ReadNotes(false, ""), Notes());
        QCOMPARE(m_dialogs->lastRequest().mode, FileDialogRequest::Mode::Open);
        QCOMPARE(m_dialogs->lastRequest().filter, save.filter);
        m_dialogs->fail(0x3003);
        QCOMPARE(SaveNoteFile(note("x"), ""), "none");
        QCOMPARE(entries(), before);
        QVERIFY(!QFileInfo::exists(storeDir()));
        // A name typed without extension gets ".pnf"; the file need not exist yet.
        const QString chosen = m_dir.filePath("b.pnf");
        m_dialogs->chooseFile(m_dir.filePath("b"));
        QCOMPARE(SaveNoteFile(note("saved"), ""), chosen);
        m_dialogs->chooseFile(chosen);
        QCOMPARE(ReadNotes(false, ""), Notes{at(note("saved"), chosen)});
    }
};

// PINLEAF_TEST_MAIN plus the worker mode of concurrentAppends, which must keep the parent's
// isolated home rather than make its own.
int main(int argc, char** argv) {
    if (argc == 4 && qstrcmp(argv[1], WorkerArg) == 0)
        return appendWorker(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    TestHome::isolate();
    QApplication app(argc, argv);
    ModNoteTest tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "unit_modnote.moc"
