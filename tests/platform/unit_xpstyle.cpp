#include "RecordingProcessLauncher.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "platform/ManifestPlatform.h"
#include "platform/modXPStyle.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Files in memory with their attributes; `writable` false plays a folder that takes no files,
// `keepBytes` a write that stops short.
class FakeManifestPlatform : public ManifestPlatform {
public:
    void initCommonControls() override {}
    QString executableFolder() const override { return QStringLiteral("C:\\Apps"); }
    QString executableName() const override { return QStringLiteral("Pinleaf"); }
    ProgramVersion executableVersion() const override { return {1, 4, 2}; }
    QString fileDescription() const override { return QStringLiteral("Notes"); }
    QString commandLineArguments() const override { return QStringLiteral("\"a b.pnf\"  x"); }
    QString findFile(const QString& path, int mask) const override {
        const int hiddenOrSystem = attributes.value(path) & (FileAttribute::Hidden | 4);
        return files.contains(path) && !(hiddenOrSystem & ~mask) ? QStringLiteral("found")
                                                                 : QString();
    }
    bool setAttributes(const QString& path, int value) override {
        attributes[path] = value;
        return files.contains(path);
    }
    bool deleteFile(const QString& path) override { return files.remove(path) > 0; }
    bool writeFile(const QString& path, const QByteArray& bytes) override {
        if (writable)
            files[path] = keepBytes < 0 ? bytes : bytes.left(keepBytes);
        return writable && keepBytes < 0;
    }
    QByteArray readFile(const QString& path) const override { return files.value(path); }

    QMap<QString, QByteArray> files;
    QMap<QString, int> attributes;
    bool writable = true;
    int keepBytes = -1;
};

// The system's own file operations in a folder of the test's choosing.
class FolderManifestPlatform : public SystemManifestPlatform {
public:
    explicit FolderManifestPlatform(const QString& folder) : m_folder(folder) {}
    QString executableFolder() const override { return m_folder; }
    QString executableName() const override { return QStringLiteral("Pinleaf"); }

private:
    QString m_folder;
};
} // namespace

// The visual-styles manifest: its bytes, and when it is written and the program restarted, over
// a fake and over the system's file operations.
class XPStyleTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { ProcessLauncher::setOverride(nullptr); }

    // CR LF lines, no byte-order mark, the version in four parts; names and descriptions
    // cannot break the XML.
    void manifestBytes() {
        const QByteArray bytes = modXPStyle::ManifestBytes(QStringLiteral("A&B"), 10, 0, 7,
                                                           QStringLiteral("Caf\u00e9 <\"x\">"));
        QVERIFY(!bytes.startsWith("\xEF\xBB\xBF") && bytes.endsWith("</assembly>\r\n"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QVERIFY(bytes.contains("name=\"A&amp;B.exe\"/>") && bytes.contains("\"10.0.7.0\""));
        QVERIFY(bytes.contains("<description>Caf\xC3\xA9 &lt;&quot;x&quot;&gt;</description>"));
    }

    // Missing: written hidden and system, and the program starts again with its arguments.
    // Present: kept unless told to overwrite. No restart after a write that failed or stopped
    // short; no end when the new process did not start.
    void writesAndRestarts() {
        auto launcher = std::make_shared<RecordingProcessLauncher>();
        ProcessLauncher::setOverride(launcher);
        FakeManifestPlatform fake;
        const QString exe = QStringLiteral("C:\\Apps") + QDir::separator() + "Pinleaf.exe";
        const QString path = exe + ".manifest";
        bool Restart = true, Overwrite = true;
        QCOMPARE(modXPStyle::EnsureStyleManifest(Restart, Overwrite, fake), false);
        QCOMPARE(Overwrite, false);
        QCOMPARE(fake.files.value(path), modXPStyle::ManifestBytes("Pinleaf", 1, 4, 2, "Notes"));
        QCOMPARE(fake.attributes.value(path), 6);
        QCOMPARE(launcher->started, QStringList{exe + " \"a b.pnf\"  x"});
        QCOMPARE(launcher->ended, 1);

        fake.files[path] = "old";
        QCOMPARE(modXPStyle::EnsureStyleManifest(Restart, Overwrite, fake), true);
        QCOMPARE(fake.files.value(path), QByteArray("old"));
        Restart = false;
        Overwrite = true;
        QCOMPARE(modXPStyle::EnsureStyleManifest(Restart, Overwrite, fake), true);
        QVERIFY(Overwrite && fake.files.value(path).endsWith("</assembly>\r\n"));
        QCOMPARE(launcher->started.size(), 1);

        for (int failure = 0; failure < 3; ++failure) {
            fake.files.clear();
            fake.writable = failure != 0;
            fake.keepBytes = failure == 1 ? 100 : -1;
            launcher->starts = failure != 2;
            Restart = Overwrite = true;
            QCOMPARE(modXPStyle::EnsureStyleManifest(Restart, Overwrite, fake), false);
            QCOMPARE(launcher->started.size(), failure == 2 ? 2 : 1);
            QCOMPARE(launcher->ended, 1);
        }
    }

    // Over the system's file operations: written in place; a read-only manifest counts as
    // present and stays; a folder that takes no file means no manifest and no restart.
    void realFolder() {
        auto launcher = std::make_shared<RecordingProcessLauncher>();
        ProcessLauncher::setOverride(launcher);
        QCoreApplication::setApplicationVersion(QStringLiteral("1.4.2"));
        QTemporaryDir dir;
        FolderManifestPlatform platform(dir.path());
        const QString path = dir.path() + QDir::separator() + "Pinleaf.exe.manifest";
        bool Restart = true, Overwrite = true;
        QCOMPARE(modXPStyle::EnsureStyleManifest(Restart, Overwrite, platform), false);
        QCOMPARE(readBytes(path),
                 modXPStyle::ManifestBytes("Pinleaf", 1, 4, 2, platform.fileDescription()));
        QVERIFY(QFile::remove(path) && QFile(path).open(QIODevice::WriteOnly));
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        QCOMPARE(modXPStyle::EnsureStyleManifest(Restart, Overwrite, platform), true);
        QCOMPARE(readBytes(path), QByteArray());
        FolderManifestPlatform gone(dir.path() + "/missing");
        QCOMPARE(modXPStyle::EnsureStyleManifest(Restart, Overwrite, gone), false);
        QCOMPARE(launcher->started.size(), 1);
    }
};

PINLEAF_TEST_MAIN(XPStyleTest)
#include "unit_xpstyle.moc"
