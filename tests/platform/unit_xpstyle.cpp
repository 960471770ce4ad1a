#include "RecordingProcessLauncher.h"
#include "TestHome.h"
#include "platform/ManifestPlatform.h"
#include "platform/modXPStyle.h"

#include <QApplication>
#include <QDir>
#include <QMap>
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

} // namespace

// The visual-styles manifest: its bytes, and when it is written and the program restarted.
class XPStyleTest : public QObject {
    Q_OBJECT
    std::shared_ptr<RecordingProcessLauncher> m_launcher;

private slots:
    void init() {
        m_launcher = std::make_shared<RecordingProcessLauncher>();
        ProcessLauncher::setOverride(m_launcher);
    }
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
        FakeManifestPlatform fake;
        const QString exe = QStringLiteral("C:\\Apps") + QDir::separator() + "Pinleaf.exe";
        const QString path = exe + ".manifest";
        bool Restart = true, Overwrite = true;
        QVERIFY(!modXPStyle::EnsureStyleManifest(Restart, Overwrite, fake) && !Overwrite);
        QCOMPARE(fake.files.value(path), modXPStyle::ManifestBytes("Pinleaf", 1, 4, 2, "Notes"));
        QCOMPARE(fake.attributes.value(path), 6);
        QCOMPARE(m_launcher->started, QStringList{exe + " \"a b.pnf\"  x"});
        QCOMPARE(m_launcher->ended, 1);

        fake.files[path] = "old";
        QVERIFY(modXPStyle::EnsureStyleManifest(Restart, Overwrite, fake));
        QCOMPARE(fake.files.value(path), QByteArray("old"));
        Restart = false;
        Overwrite = true;
        QVERIFY(modXPStyle::EnsureStyleManifest(Restart, Overwrite, fake) && Overwrite);
        QVERIFY(fake.files.value(path).endsWith("</assembly>\r\n"));
        QCOMPARE(m_launcher->started.size(), 1);

        for (int failure = 0; failure < 3; ++failure) {
            fake.files.clear();
            fake.writable = failure != 0;
            fake.keepBytes = failure == 1 ? 100 : -1;
            m_launcher->starts = failure != 2;
            Restart = Overwrite = true;
            QVERIFY(!modXPStyle::EnsureStyleManifest(Restart, Overwrite, fake));
            QCOMPARE(m_launcher->started.size(), failure == 2 ? 2 : 1);
            QCOMPARE(m_launcher->ended, 1);
        }
    }
};

PINLEAF_TEST_MAIN(XPStyleTest)
#include "unit_xpstyle.moc"
