#include "ScriptedFileDialogBackend.h"
#include "TestHome.h"
#include "platform/clsCommonDialog.h"

#include <QFileInfo>

namespace {
const QString Nul(QChar(0));
} // namespace

class CommonDialogTest : public QObject {
    Q_OBJECT

private slots:
    // Callers test the result (1 chosen, 0 cancelled, the negated error code), then read FileName:
    // a chosen name gets the default extension only when it has none, and a dialog that was not
    // answered leaves no name of an earlier one behind. A multiple selection is the folder and
    // then the names, NUL-separated.
    void results() {
        auto dialogs = std::make_shared<ScriptedFileDialogBackend>();
        FileDialogBackend::setOverride(dialogs);
        clsCommonDialog d;
        d.setFilter("Pinleaf Note (*.pnf)|*.pnf");
        d.setDefaultExt("pnf");
        QCOMPARE(d.DialogFilter(), "Pinleaf Note (*.pnf)" + Nul + "*.pnf" + Nul + Nul);
        for (const auto& [chosen, result] : QList<std::pair<QString, QString>>{
                 {"/n/b.txt", "/n/b.txt"}, {"/n/b", "/n/b.pnf"}, {"/n.d/c", "/n.d/c.pnf"}}) {
            dialogs->chooseFile(chosen);
            QVERIFY(d.ShowSave() == 1 && d.FileName() == result);
        }
        QVERIFY(d.FileTitle() == "c.pnf" && d.Path() == "/n.d/");
        for (const qint32 error : {0, 0x3003}) {
            error ? dialogs->fail(error) : dialogs->cancel();
            QCOMPARE(d.ShowOpen(), -error);
            QCOMPARE(d.FileName(), QString(256, QChar(0)));
        }
        dialogs->chooseFiles({"/n/a.pnf", "/n/b.pnf"});
        QCOMPARE(d.ShowOpen(), 1);
        // The folder as the system spells it ("Z:/n" on Windows).
        const QString folder = QFileInfo("/n/a.pnf").absolutePath();
        QVERIFY(d.FileName() == folder + Nul + "a.pnf" + Nul + "b.pnf" && d.FileTitle().isEmpty());
        FileDialogBackend::setOverride(nullptr);
        // Qt's own dialog gets the filters as name filters, empty and unpaired ones left out.
        QCOMPARE(qtNameFilters("Notes|*.pnf; ; *.txt|None|;|All (*.*)|*.*|Lonely"),
                 (QStringList{"Notes (*.pnf *.txt)", "All (*.*)"}));
    }
};

PINLEAF_TEST_MAIN(CommonDialogTest)
#include "unit_commondialog.moc"
