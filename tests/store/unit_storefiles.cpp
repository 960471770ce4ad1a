// The files kept beside the store: whole writes on a full disk, private permissions, the store
// taken at start-up, the running copy and the closed notes.
#include "TestFiles.h"
#include "TestHome.h"
#include "platform/AtomicFile.h"
#include "store/RunningCopy.h"
#include "store/modNote.h"

using Notes = QList<NoteRecord>;

namespace {

NoteRecord note(const QString& data) {
    return {"blue", {}, data, 2000, 3000, 150, 40, "6.12.2026 10:03"};
}

QStringList texts(const Notes& notes) {
    QStringList list;
    for (const NoteRecord& n : notes)
        list << n.Data;
    return list;
}

// Owner bits only (Qt's "user" bits are the owner's too when the test owns the file).
// No one but the user may read or write. On Windows the folder's access list, inherited from the
// user's profile, keeps it private; Qt's permission bits do not read access lists there.
bool isPrivate(const QString& path) {
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return true;
#else
    return !(QFile::permissions(path) & 0x00FF);
#endif
}

} // namespace

class StoreFilesTest : public QObject {
    Q_OBJECT
    const QString m_folder = modNote::StoreFolder();

    QStringList filesInFolder() const {
        return QDir(m_folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

private slots:
    void init() { QDir(m_folder).removeRecursively(); }

    // On a full file system nothing is replaced by a short copy and every writer says so; the
    // files that did land are private to the user.
    void writesOnAFullDiskFailWhole() {
        QVERIFY(QDir().mkpath(m_folder));
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", m_folder}) != 0)
            QSKIP("mounting a small file system needs root");
        const auto unmount = qScopeGuard([this] { QProcess::execute("umount", {m_folder}); });
        QVERIFY(modNote::AppendNotesToStore({note("one"), note("two")}));
        modNote::KeepClosedNote(note("closed"));
        const QString file = writeBytes(m_folder + "/kept.pnf", "old");
        for (const QString& path : {modNote::StorePath(), modNote::ClosedNotesPath(), m_folder})
            QVERIFY2(isPrivate(path), qPrintable(path));

        RunningCopy copy(m_folder);
        QVERIFY(copy.start());
        copy.setSource([] { return Notes{note("copied")}; });
        QSignalSpy failures(&copy, &RunningCopy::writeFailed);
        // Fill it to the last byte.
        QFile filler(m_folder + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) == 4096) {
        }
        while (filler.write("x", 1) == 1) {
        }
        const QByteArray store = readBytes(modNote::StorePath());
        const QByteArray closed = readBytes(modNote::ClosedNotesPath());
        const QStringList before = filesInFolder();
        QString error;
        QVERIFY(!AtomicFile::write(file, "a short note", AtomicFile::Access::Shared, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(modNote::SaveNoteFile(note("new"), file), "none");
        QVERIFY(!modNote::AppendNotesToStore({note("three")}, &error));
        modNote::KeepClosedNote(note("closed too"));
        QCOMPARE(readBytes(file), "old");
        QCOMPARE(readBytes(modNote::StorePath()), store);
        QCOMPARE(readBytes(modNote::ClosedNotesPath()), closed);
        QCOMPARE(filesInFolder(), before);
        // A running copy that cannot be written says so once, not at every change.
        for (int i = 0; i < 2; ++i) {
            copy.schedule();
            QTRY_COMPARE_WITH_TIMEOUT(copy.writesDone(), i + 1, 5000);
        }
        QTRY_COMPARE(failures.size(), 1);
        QTest::qWait(100);
        QCOMPARE(failures.size(), 1);
        QVERIFY(!failures[0][0].toString().isEmpty());

        filler.remove();
        QVERIFY(modNote::AppendNotesToStore({note("three")}));
        QCOMPARE(texts(modNote::ReadNotes(true, "")), (QStringList{"one", "two", "three"}));
    }

    // Start-up takes a store that reads whole by renaming it to its own copy; a store that does
    // not read whole stays byte for byte, and its complete notes are handed over anyway. One
    // write of several notes gives the bytes of one append per note.
    void startUpClaimsTheStore() {
        const QString mine = m_folder + "/running-mine.dat";
        for (const NoteRecord& n : {note("a"), note("b\r\n& <c>")})
            modNote::AppendNoteToStore(n);
        const QByteArray whole = readBytes(modNote::StorePath());
        QFile::remove(modNote::StorePath());
        QVERIFY(modNote::AppendNotesToStore({note("a"), note("b\r\n& <c>")}));
        QCOMPARE(readBytes(modNote::StorePath()), whole);
        modNote::StoreClaim claim = modNote::ClaimStore(mine);
        QCOMPARE(texts(claim.notes), (QStringList{"a", "b\r\n& <c>"}));
        QVERIFY(!claim.unreadable && !QFile::exists(modNote::StorePath()));
        QCOMPARE(readBytes(mine), whole);
        QVERIFY(modNote::ClaimStore(mine).notes.isEmpty());

        const QByteArray broken = whole.left(whole.lastIndexOf("<TOP>")) + "</NOTE></NOTES>";
        writeBytes(modNote::StorePath(), broken);
        claim = modNote::ClaimStore(m_folder + "/running-other.dat");
        QVERIFY(claim.unreadable && !QFile::exists(m_folder + "/running-other.dat"));
        QCOMPARE(texts(claim.notes), QStringList{"a"});
        QCOMPARE(readBytes(modNote::StorePath()), broken);
    }

    // Changes are gathered: a burst of them writes once, a second after the last; the copy holds
    // every note and is private.
    void runningCopyGathersChanges() {
        RunningCopy copy(m_folder);
        QVERIFY(copy.start());
        int asked = 0;
        copy.setSource([&asked] { return Notes{note("x" + QString::number(++asked))}; });
        for (int i = 0; i < 8; ++i) {
            copy.schedule();
            QTest::qWait(RunningCopy::CoalesceMs / 4);
        }
        QCOMPARE(asked, 0);
        QTRY_COMPARE_WITH_TIMEOUT(copy.writesDone(), 1, 5000);
        QCOMPARE(asked, 1);
        QCOMPARE(texts(modNote::ReadDocument(copy.path()).notes), QStringList{"x1"});
        QVERIFY(isPrivate(copy.path()));
        copy.discard();
        QVERIFY(filesInFolder().isEmpty());
    }

    // A new run takes over the notes of runs that died, once, and never those of a living
    // run; a copy that names another as taken over stands for both, and half a write is no
    // copy. (A copy whose run was killed is taken over in the end-to-end crash test.)
    void orphansAreAdoptedOnce() {
        RunningCopy living(m_folder);
        QVERIFY(living.start());
        living.setSource([] { return Notes{note("living note")}; });
        QVERIFY(living.writeNow());
        // A pair left by an earlier crash: "newer" took over "older" but died before deleting it.
        writeBytes(m_folder + "/running-older.dat", NoteDocument::storeForm({note("old")}));
        writeBytes(m_folder + "/running-newer.dat",
                   NoteDocument::storeForm({note("old")}, {"running-older.dat"}));
        writeBytes(m_folder + "/running-older.dat.a1B2c3", "half a write");
        // A lock breaker left by a start killed while it broke a lock; a living one stays.
        writeBytes(m_folder + "/running-gone.lock.rmlock",
                   "999999999\npinleaf\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        QLockFile breaking(m_folder + "/running-other.lock.rmlock");
        QVERIFY(breaking.tryLock(0));

        RunningCopy next(m_folder);
        QVERIFY(next.start());
        const Notes adopted = next.adoptOrphans();
        QCOMPARE(texts(adopted), QStringList{"old"});
        next.setSource([&adopted] { return adopted; });
        QVERIFY(next.writeNow());
        next.releaseOrphans();
        QCOMPARE(modNote::ReadDocument(next.path()).absorbed.size(), 2);
        QCOMPARE(filesInFolder().filter(".dat").size(), 2); // the living run's and the new one's
#ifdef Q_OS_WIN
        QEXPECT_FAIL("", "a dead breaker's file is not taken as a lock on Windows", Continue);
#endif
        QCOMPARE(filesInFolder().filter(".rmlock"), QStringList{"running-other.lock.rmlock"});
        RunningCopy third(m_folder);
        QVERIFY(third.start());
        QVERIFY(third.adoptOrphans().isEmpty());
    }

    // The closed-notes file keeps the most recent notes and reads as a note file.
    void closedNotesKeepTheMostRecent() {
        for (int i = 1; i <= modNote::MaxClosedNotes + 5; ++i)
            modNote::KeepClosedNote(note(QString::number(i)));
        const QStringList kept = texts(modNote::ReadNotes(false, modNote::ClosedNotesPath()));
        QCOMPARE(kept.size(), modNote::MaxClosedNotes);
        QVERIFY(kept.first() == "6" && kept.last() == QString::number(modNote::MaxClosedNotes + 5));
    }
};

PINLEAF_TEST_MAIN(StoreFilesTest)
#include "unit_storefiles.moc"
