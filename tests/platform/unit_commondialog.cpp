#include "ScriptedFileDialogBackend.h"
#include "TestHome.h"
#include "platform/clsCommonDialog.h"

#include <QApplication>
#include <QTest>

namespace {
const QString Nul(QChar(0));
} // namespace

class CommonDialogTest : public QObject {
    Q_OBJECT

private slots:
    // Callers test the result (1 chosen, 0 cancelled, the negated error code), then read
    // FileName, FileTitle or Path. The file dialogs start FileName afresh as 256 NULs; Browse
    // changes Path only. A multiple selection is the folder and then the names, NUL-separated,
    // and ParseFileNames makes full paths of either form.
    void results() {
        auto dialogs = std::make_shared<ScriptedFileDialogBackend>();
        FileDialogBackend::setOverride(dialogs);
        clsCommonDialog d;
        d.setFilter("Pinleaf Note (*.pnf)|*.pnf");
        d.setDefaultExt("pnf");
        d.setMaxFileSize(10);
        QCOMPARE(d.FileName(), QString(10, QChar(0)));
        QCOMPARE(d.DialogFilter(), "Pinleaf Note (*.pnf)" + Nul + "*.pnf" + Nul + Nul);
        // The default extension goes on a name without one, and only there.
        for (const auto& [chosen, result] : QList<std::pair<QString, QString>>{
                 {"/n/b.txt", "/n/b.txt"}, {"/n/b", "/n/b.pnf"}, {"/n.d/c", "/n.d/c.pnf"}}) {
            dialogs->chooseFile(chosen);
            QVERIFY(d.ShowSave() == 1 && d.FileName() == result);
        }
        QVERIFY(d.FileTitle() == "c.pnf" && d.Path() == "/n.d/");
        QCOMPARE(d.ParseFileNames(), QStringList{"/n.d/c.pnf"});

        QWidget owner;
        d.setOwnerHandle(&owner);
        dialogs->cancel();
        dialogs->chooseFile("/n/sub");
        QVERIFY(d.Browse() == 0 && d.Path() == "/n.d/");
        QVERIFY(d.Browse() != 0 && d.Path() == "/n/sub" && d.FileName() == "/n.d/c.pnf");
        QVERIFY(dialogs->lastRequest().mode == FileDialogRequest::Mode::Folder &&
                dialogs->lastRequest().owner == &owner);
        for (const qint32 error : {0, 0x3003}) {
            error ? dialogs->fail(error) : dialogs->cancel();
            QCOMPARE(d.ShowOpen(), -error);
            QVERIFY(d.FileName() == QString(256, QChar(0)) && d.FileTitle() == "c.pnf");
            QCOMPARE(d.ParseFileNames(), QStringList());
        }

        dialogs->chooseFiles({"/n/a.pnf", "/n/b.pnf"});
        QCOMPARE(d.ShowOpen(), 1);
        QVERIFY(d.FileName() == "/n" + Nul + "a.pnf" + Nul + "b.pnf" && d.Path() == "/n" + Nul &&
                d.FileTitle().isEmpty());
        QCOMPARE(d.ParseFileNames(), (QStringList{"/n/a.pnf", "/n/b.pnf"}));
        dialogs->chooseFiles({"/a.pnf", "/b.pnf"});
        d.ShowOpen();
        QCOMPARE(d.ParseFileNames(), (QStringList{"/a.pnf", "/b.pnf"}));
        FileDialogBackend::setOverride(nullptr);
        // Qt's own dialog gets the filters as name filters, empty and unpaired ones left out.
        QCOMPARE(qtNameFilters("Notes|*.pnf; ; *.txt|None|;|All (*.*)|*.*|Lonely"),
                 (QStringList{"Notes (*.pnf *.txt)", "All (*.*)"}));
    }
};

PINLEAF_TEST_MAIN(CommonDialogTest)
#include "unit_commondialog.moc"
