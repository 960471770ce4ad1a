#include "ScriptedFileDialogBackend.h"
#include "TestHome.h"
#include "platform/clsCommonDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString Nul(QChar(0));

// Runs `act` on the real file dialog once it is open; `act` must close it.
template <typename Act> void onFileDialog(Act act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            qFatal("no file dialog open");
        act(dialog);
    });
}

} // namespace

class CommonDialogTest : public QObject {
    Q_OBJECT
    std::shared_ptr<ScriptedFileDialogBackend> m_dialogs;

private slots:
    void init() {
        m_dialogs = std::make_shared<ScriptedFileDialogBackend>();
        FileDialogBackend::setOverride(m_dialogs);
    }
    void cleanup() { FileDialogBackend::setOverride(nullptr); }

    // Callers test the result (1 chosen, 0 cancelled, the negated error code), then read
    // FileName, FileTitle or Path. The file dialogs start FileName afresh as 256 NULs; Browse
    // changes Path only. A multiple selection is the folder and then the names, NUL-separated,
    // and ParseFileNames makes full paths of either form.
    void results() {
        clsCommonDialog d;
        d.setFilter("Pinleaf Note (*.pnf)|*.pnf");
        d.setDefaultExt("pnf");
        d.setMaxFileSize(10);
        QCOMPARE(d.FileName(), QString(10, QChar(0)));
        QCOMPARE(d.DialogFilter(), "Pinleaf Note (*.pnf)" + Nul + "*.pnf" + Nul + Nul);
        // The default extension goes on a name without one, and only there.
        for (const auto& [chosen, result] : QList<std::pair<QString, QString>>{
                 {"/n/b.txt", "/n/b.txt"}, {"/n/b", "/n/b.pnf"}, {"/n.d/c", "/n.d/c.pnf"}}) {
            m_dialogs->chooseFile(chosen);
            QCOMPARE(d.ShowSave(), 1);
            QCOMPARE(d.FileName(), result);
        }
        QVERIFY(d.FileTitle() == "c.pnf" && d.Path() == "/n.d/");
        QCOMPARE(d.ParseFileNames(), QStringList{"/n.d/c.pnf"});

        QWidget owner;
        d.setOwnerHandle(&owner);
        d.setDialogTitle("Pick");
        m_dialogs->cancel();
        m_dialogs->chooseFolder("/n/sub");
        QVERIFY(d.Browse() == 0 && d.Path() == "/n.d/");
        QVERIFY(d.Browse() != 0 && d.Path() == "/n/sub" && d.FileName() == "/n.d/c.pnf");
        const FileDialogRequest folder = m_dialogs->lastRequest();
        QVERIFY(folder.mode == FileDialogRequest::Mode::Folder && folder.title == "Pick" &&
                folder.owner == &owner);
        for (const qint32 error : {0, 0x3003}) {
            error ? m_dialogs->fail(error) : m_dialogs->cancel();
            QCOMPARE(d.ShowOpen(), -error);
            QVERIFY(d.FileName() == QString(256, QChar(0)) && d.FileTitle() == "c.pnf");
            QCOMPARE(d.ParseFileNames(), QStringList());
        }

        m_dialogs->chooseFiles({"/n/a.pnf", "/n/b.pnf"});
        QCOMPARE(d.ShowOpen(), 1);
        QVERIFY(d.FileName() == "/n" + Nul + "a.pnf" + Nul + "b.pnf" && d.Path() == "/n" + Nul &&
                d.FileTitle().isEmpty());
        QCOMPARE(d.ParseFileNames(), (QStringList{"/n/a.pnf", "/n/b.pnf"}));
        m_dialogs->chooseFiles({"/a.pnf", "/b.pnf"});
        d.ShowOpen();
        QCOMPARE(d.ParseFileNames(), (QStringList{"/a.pnf", "/b.pnf"}));
    }

    // Qt's own dialog gets every option: title, filters with the chosen one selected, default
    // suffix, folder, no overwrite prompt, and the file mode of each kind of dialog.
    void realDialog() {
        QCOMPARE(qtNameFilters("Notes|*.pnf; ; *.txt|None|;|All (*.*)|*.*|Lonely"),
                 (QStringList{"Notes (*.pnf *.txt)", "All (*.*)"}));
        FileDialogBackend::setOverride(nullptr);
        QTemporaryDir dir;
        clsCommonDialog d;
        d.setDialogTitle("Select a file: ");
        d.setFilter("A (*.a)|*.a|Pinleaf Note (*.pnf)|*.pnf");
        d.setFilterIndex(2);
        d.setDefaultExt("pnf");
        d.setFlags(0x80004);
        d.setInitDir(dir.path());
        // Each dialog adds its kind; the save dialog also its options.
        QStringList seen;
        const auto kind = [&seen](QFileDialog* dialog) {
            seen << QVariant::fromValue(dialog->acceptMode()).toString() + ' ' +
                        QVariant::fromValue(dialog->fileMode()).toString();
        };
        onFileDialog([&](QFileDialog* dialog) {
            kind(dialog);
            seen << dialog->windowTitle() << dialog->nameFilters() << dialog->selectedNameFilter()
                 << dialog->defaultSuffix() << dialog->directory().path()
                 << (dialog->testOption(QFileDialog::DontConfirmOverwrite) ? "no prompt" : "");
            dialog->selectFile("b");
            static_cast<QDialog*>(dialog)->accept(); // runs QFileDialog::accept
        });
        QCOMPARE(d.ShowSave(), 1);
        QCOMPARE(d.FileName(), dir.filePath("b.pnf"));
        for (const qint32 multi : {0, int(FileDialogFlags::AllowMultiSelect)}) {
            d.setFlags(0x80004 | multi);
            onFileDialog([&](QFileDialog* dialog) {
                kind(dialog);
                dialog->reject();
            });
            QCOMPARE(d.ShowOpen(), 0);
        }
        QCOMPARE(seen,
                 (QStringList{"AcceptSave AnyFile", "Select a file: ", "A (*.a)",
                              "Pinleaf Note (*.pnf)", "Pinleaf Note (*.pnf)", "pnf", dir.path(),
                              "no prompt", "AcceptOpen ExistingFile", "AcceptOpen ExistingFiles"}));
    }
};

PINLEAF_TEST_MAIN(CommonDialogTest)
#include "unit_commondialog.moc"
