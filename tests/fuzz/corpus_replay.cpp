// Runs every harness over every input of its corpus folder, so that an input that once broke an
// invariant fails the ordinary test run if the fault comes back.
#include "FuzzCheck.h"
#include "Harnesses.h"
#include "TestHome.h"

#include <QDir>
#include <QTest>

namespace {

using Harness = int (*)(const uint8_t*, size_t);

// Every input of corpus/<target>; a missing or empty folder fails the test, so a renamed folder
// cannot silently replay nothing.
void replay(const char* target, Harness harness) {
    const QDir folder(QStringLiteral(PINLEAF_FUZZ_CORPUS "/") + QLatin1String(target));
    const QFileInfoList inputs = folder.entryInfoList(QDir::Files, QDir::Name);
    QVERIFY2(!inputs.isEmpty(), qPrintable(folder.path()));
    for (const QFileInfo& input : inputs) {
        QFile file(input.filePath());
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(input.filePath()));
        const QByteArray bytes = file.readAll();
        FuzzCheck::setInputName(input.filePath());
        QCOMPARE(harness(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())),
                 0);
    }
    FuzzCheck::setInputName({});
}

} // namespace

class FuzzCorpusTest : public QObject {
    Q_OBJECT
private slots:
    void storeReader() { replay("fuzz_store_reader", Fuzz::storeReader); }
    void noteFile() { replay("fuzz_note_file", Fuzz::noteFile); }
    void append() { replay("fuzz_append", Fuzz::append); }
};

PINLEAF_TEST_MAIN(FuzzCorpusTest)
#include "corpus_replay.moc"
