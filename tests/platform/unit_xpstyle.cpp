#include "RecordingProcessLauncher.h"
#include "TestHome.h"
#include "platform/ManifestPlatform.h"
#include "platform/modXPStyle.h"

#include <QApplication>
#include <QDir>
#include <QMap>
#include <QRegularExpression>
#include <QtTest>

namespace {
// Files in memory, with their attributes; `writable` false plays a folder that takes no files,
// `keepBytes` a write that stops short.
class FakeManifestPlatform : public ManifestPlatform {
public:
    void initCommonControls() override { ++initCalls; }
    QString executableFolder() const override { return QStringLiteral("C:\\Apps\\Pinleaf"); }
    QString executableName() const override { return QStringLiteral("Pinleaf"); }
    ProgramVersion executableVersion() const override { return {1, 4, 2}; }
    QString fileDescription() const override { return QStringLiteral("Pinleaf desktop notes"); }
    QString commandLineArguments() const override { return QStringLiteral("\"a b.pnf\"  x"); }
    QString findFile(const QString& path, int mask) const override {
        masks << mask;
        const int hiddenOrSystem = attributes.value(path) & (FileAttribute::Hidden | 4);
        if (!files.contains(path) || (hiddenOrSystem & ~mask))
            return QString();
        return path.section(QDir::separator(), -1);
    }
    bool setAttributes(const QString& path, int value) override {
        if (!files.contains(path))
            return false;
        attributes[path] = value;
        return true;
    }
    bool deleteFile(const QString& path) override {
        if (attributes.value(path) & FileAttribute::ReadOnly)
            return false;
        attributes.remove(path);
        return files.remove(path) > 0;
    }
    bool writeFile(const QString& path, const QByteArray& bytes) override {
        ++writes;
        if (!writable)
            return false;
        files[path] = keepBytes < 0 ? bytes : bytes.left(keepBytes);
        return keepBytes < 0;
    }
    QByteArray readFile(const QString& path) const override { return files.value(path); }

    QMap<QString, QByteArray> files;
    QMap<QString, int> attributes;
    mutable QList<int> masks;
    int initCalls = 0;
    int writes = 0;
    bool writable = true;
    int keepBytes = -1;
};

const QString ManifestPath = QStringLiteral("C:\\Apps\\Pinleaf") + QDir::separator() +
                             QStringLiteral("Pinleaf.exe.manifest");
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

    void manifestBytes() {
        QVERIFY(modXPStyle::ManifestTemplate().contains(QLatin1String("EXEDESCRIBTION")));
        const QByteArray bytes =
            modXPStyle::ManifestBytes(QStringLiteral("Pinleaf"), 1, 4, 2, QStringLiteral("Notes"));
        QVERIFY(bytes.endsWith("</assembly>\r\n"));
        QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
        QList<QByteArray> lines = bytes.split('\n');
        QCOMPARE(lines.takeLast(), QByteArray());
        QCOMPARE(lines.size(), 22);
        for (QByteArray& line : lines) {
            QVERIFY2(line.endsWith('\r'), line.constData());
            line.chop(1);
            QVERIFY2(!line.contains('\r'), line.constData());
        }
        QCOMPARE(lines[0],
                 QByteArray(R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?> )"));
        QCOMPARE(lines[6], QByteArray(R"(    version="1.4.2.0")"));
        QCOMPARE(lines[8], QByteArray(R"(    name="Pinleaf.exe"/>)"));
        QCOMPARE(lines[9], QByteArray("    <description>Notes</description>"));
        QCOMPARE(lines[16], QByteArray(R"(         publicKeyToken="6595b64144ccf1df")"));
        QCOMPARE(lines[18], QByteArray(R"(         processorArchitecture="x86"/>)"));
        const int indent[] = {0, 0, 3, 3, 0, 4, 4, 4, 4, 4, 4, 4, 4, 9, 9, 9, 9, 9, 9, 4, 4, 0};
        for (int i = 0; i < 22; ++i) {
            const qsizetype spaces = lines[i].size() - QByteArray(lines[i]).trimmed().size() -
                                     (lines[i].endsWith(' ') ? 1 : 0);
            QVERIFY2(spaces == indent[i], lines[i].constData());
            QCOMPARE(lines[i].endsWith(' '), i == 0 || i == 1 || i == 2 || i == 4 || i == 5);
        }
        QVERIFY(!bytes.contains("EXE"));
        // Names and descriptions cannot break the XML, and the bytes are what it declares.
        const QByteArray odd = modXPStyle::ManifestBytes(QStringLiteral("A&B"), 10, 0, 7,
                                                         QStringLiteral("Caf\u00e9 <\"notes\">"));
        QVERIFY(odd.contains(R"(name="A&amp;B.exe"/>)"));
        QVERIFY(odd.contains(R"(version="10.0.7.0")"));
        QVERIFY(odd.contains("<description>Caf\xC3\xA9 &lt;&quot;notes&quot;&gt;</description>"));
    }

    void writesAndRestarts() {
        FakeManifestPlatform fake;
        const QString restart = QStringLiteral("C:\\Apps\\Pinleaf") + QDir::separator() +
                                QStringLiteral("Pinleaf.exe \"a b.pnf\"  x");
        // Missing: written, hidden and system, and the program starts again with its arguments.
        bool Restart = true, Overwrite = true;
        QCOMPARE(modXPStyle::EnsureStyleManifest(Restart, Overwrite, fake), false);
        QCOMPARE(Overwrite, false);
        QCOMPARE(fake.initCalls, 1);
        QCOMPARE(fake.masks.first(), 1 | 2 | 4 | 32);
        QCOMPARE(fake.files.value(ManifestPath),
                 modXPStyle::ManifestBytes(QStringLiteral("Pinleaf"), 1, 4, 2,
                                           QStringLiteral("Pinleaf desktop notes")));
        QCOMPARE(fake.attributes.value(ManifestPath), 6);
        QCOMPARE(m_launcher->started, QStringList{restart});
        QCOMPARE(m_launcher->ended, 1);

        // Present, even hidden and system: kept, and the program goes on.
        Restart = Overwrite = true;
        fake.files[ManifestPath] = "old";
        QCOMPARE(modXPStyle::EnsureStyleManifest(Restart, Overwrite, fake), true);
        QCOMPARE(fake.files.value(ManifestPath), QByteArray("old"));
        QCOMPARE(m_launcher->ended, 1);

        // Overwrite without a restart replaces a read-only file and says it was there.
        Restart = false;
        Overwrite = true;
        fake.attributes[ManifestPath] = FileAttribute::ReadOnly;
        QCOMPARE(modXPStyle::EnsureStyleManifest(Restart, Overwrite, fake), true);
        QVERIFY(Overwrite);
        QVERIFY(fake.files.value(ManifestPath).endsWith("</assembly>\r\n"));
        QCOMPARE(m_launcher->started.size(), 1);

        // No restart after a write that failed or stopped short, nor an end when the new
        // process did not start.
        for (int failure = 0; failure < 3; ++failure) {
            fake.files.clear();
            fake.writable = failure != 0;
            fake.keepBytes = failure == 1 ? 100 : -1;
            m_launcher->starts = failure != 2;
            Restart = Overwrite = true;
            QCOMPARE(modXPStyle::EnsureStyleManifest(Restart, Overwrite, fake), false);
            QCOMPARE(m_launcher->started.size(), failure == 2 ? 2 : 1);
            QCOMPARE(m_launcher->ended, 1);
        }
    }
};

PINLEAF_TEST_MAIN(XPStyleTest)
#include "unit_xpstyle.moc"
