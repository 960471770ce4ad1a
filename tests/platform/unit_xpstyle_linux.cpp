#include "RecordingProcessLauncher.h"
#include "TestHome.h"
#include "platform/ManifestPlatform.h"
#include "platform/modXPStyle.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// The system's file operations in a folder of the test's choosing.
class FolderManifestPlatform : public SystemManifestPlatform {
public:
    explicit FolderManifestPlatform(const QString& folder) : m_folder(folder) {}
    QString executableFolder() const override { return m_folder; }
    QString executableName() const override { return QStringLiteral("Pinleaf"); }

private:
    QString m_folder;
};
} // namespace

// The manifest written to a real folder through Linux's file operations.
class XPStyleFilesTest : public QObject {
    Q_OBJECT

private slots:
    void realFolder() {
        auto launcher = std::make_shared<RecordingProcessLauncher>();
        ProcessLauncher::setOverride(launcher);
        QCoreApplication::setApplicationVersion(QStringLiteral("1.4.2"));
        QTemporaryDir dir;
        FolderManifestPlatform platform(dir.path());
        const QString path = dir.path() + QStringLiteral("/Pinleaf.exe.manifest");

        bool Restart = true, Overwrite = true;
        QCOMPARE(modXPStyle::EnsureStyleManifest(Restart, Overwrite, platform), false);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray written = file.readAll();
        file.close();
        QVERIFY(written.contains("    version=\"1.4.2.0\"\r\n"));
        QCOMPARE(written, modXPStyle::ManifestBytes(QStringLiteral("Pinleaf"), 1, 4, 2,
                                                    platform.fileDescription()));
        QCOMPARE(launcher->started.size(), 1);
        QVERIFY(launcher->started[0].startsWith(dir.path() + QStringLiteral("/Pinleaf.exe ")));

        // A read-only manifest counts as present and stays as it is.
        QVERIFY(QFile::remove(path));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("mine");
        file.close();
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadOther));
        Restart = Overwrite = true;
        QCOMPARE(modXPStyle::EnsureStyleManifest(Restart, Overwrite, platform), true);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("mine"));
        file.close();
        // Overwritten when asked, read-only or not (the restart above turned Overwrite off).
        QVERIFY(!Overwrite);
        Restart = false;
        Overwrite = true;
        QCOMPARE(modXPStyle::EnsureStyleManifest(Restart, Overwrite, platform), true);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), written);
        file.close();

        // A folder that takes no file: no manifest, no restart, the program goes on.
        FolderManifestPlatform gone(dir.path() + QStringLiteral("/missing"));
        Restart = Overwrite = true;
        QCOMPARE(modXPStyle::EnsureStyleManifest(Restart, Overwrite, gone), false);
        QVERIFY(!QFile::exists(dir.path() + QStringLiteral("/missing/Pinleaf.exe.manifest")));
        QCOMPARE(launcher->started.size(), 1);
        QCOMPARE(launcher->ended, 1);
        ProcessLauncher::setOverride(nullptr);
    }
};

PINLEAF_TEST_MAIN(XPStyleFilesTest)
#include "unit_xpstyle_linux.moc"
