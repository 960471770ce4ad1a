#include "TestHome.h"
#include "platform/clsCommonDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

const QString Nul(QChar(0));
const QString Empty256(256, QChar(0));
const QString NoteFilter = QStringLiteral("Pinleaf Note (*.pnf)|*.pnf");

// Runs `act` on the real file dialog as soon as it is open; `act` must close it.
void onFileDialog(std::function<void(QFileDialog*)> act) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->deleteLater();
        timer->stop();
        act(dialog);
    });
    timer->start(10);
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

    void filterAndBuffer() {
        clsCommonDialog d;
        d.setFilter(NoteFilter);
        QCOMPARE(d.Filter(), NoteFilter);
        QCOMPARE(d.DialogFilter(), "Pinleaf Note (*.pnf)" + Nul + "*.pnf" + Nul + Nul);
        d.setFilter("");
        QCOMPARE(d.DialogFilter(), Nul);
        d.setMaxFileSize(10);
        QCOMPARE(d.FileName(), QString(10, QChar(0)));
        QCOMPARE(qtNameFilters(NoteFilter), QStringList{"Pinleaf Note (*.pnf)"});
        QCOMPARE(qtNameFilters("Notes|*.pnf; *.txt|All (*.*)|*.*|Lonely"),
                 (QStringList{"Notes (*.pnf *.txt)", "All (*.*)"}));
    }

    void choosingAFile() {
        clsCommonDialog d;
        d.setDialogTitle("Select a file: ");
        d.setFilter(NoteFilter);
        d.setDefaultExt("pnf");
        d.setFlags(0x80004);
        d.setInitDir("/notes");
        d.setFilterIndex(1);
        d.setFileName("ignored.pnf");
        d.setMaxFileSize(10);
        m_dialogs->chooseFile("/notes/a.pnf");
        QCOMPARE(d.ShowOpen(), 1);
        QCOMPARE(d.FileName(), "/notes/a.pnf");
        QCOMPARE(d.FileTitle(), "a.pnf");
        QCOMPARE(d.Path(), "/notes/");
        QCOMPARE(d.MaxFileSize(), 256);
        const FileDialogRequest r = m_dialogs->lastRequest();
        QCOMPARE(r.mode, FileDialogRequest::Mode::Open);
        QVERIFY(r.title == "Select a file: " && r.filter == NoteFilter && r.defaultExt == "pnf");
        QVERIFY(r.flags == 0x80004 && r.initDir == "/notes" && r.filterIndex == 1);
        // The default extension goes on a name without one, and only there.
        for (const auto& [typed, result] : QList<std::pair<QString, QString>>{
                 {"/n/b", "/n/b.pnf"}, {"/n/b.txt", "/n/b.txt"}, {"/n.d/c", "/n.d/c.pnf"}}) {
            m_dialogs->chooseFile(typed);
            QCOMPARE(d.ShowSave(), 1);
            QCOMPARE(m_dialogs->lastRequest().mode, FileDialogRequest::Mode::Save);
            QCOMPARE(d.FileName(), result);
        }
        QCOMPARE(d.FileTitle(), "c.pnf");
    }

    void cancelAndFailure() {
        clsCommonDialog d;
        m_dialogs->chooseFile("/notes/a.pnf");
        d.ShowSave();
        m_dialogs->cancel();
        QCOMPARE(d.ShowOpen(), 0);
        QVERIFY(d.FileName() == Empty256 && d.FileTitle() == "a.pnf" && d.Path() == "/notes/");
        QCOMPARE(d.ParseFileNames(), QStringList());
        m_dialogs->fail(0x3003);
        QCOMPARE(d.ShowSave(), -0x3003);
        QVERIFY(d.FileName() == Empty256 && d.FileTitle() == "a.pnf" && d.Path() == "/notes/");
        QCOMPARE(d.ShowOpen(), 0); // nothing scripted: cancelled
    }

    void multipleSelection() {
        clsCommonDialog d;
        d.setFlags(0x80004 | FileDialogFlags::AllowMultiSelect);
        m_dialogs->chooseFiles({"/n/a.pnf", "/n/b.pnf"});
        QCOMPARE(d.ShowOpen(), 1);
        QCOMPARE(d.FileName(), "/n" + Nul + "a.pnf" + Nul + "b.pnf");
        QCOMPARE(d.Path(), "/n" + Nul);
        QCOMPARE(d.ParseFileNames(), (QStringList{"/n/a.pnf", "/n/b.pnf"}));
        m_dialogs->chooseFiles({"/a", "/b"});
        d.ShowOpen();
        QCOMPARE(d.ParseFileNames(), (QStringList{"/a", "/b"}));
        d.setFileName("/n/one.pnf");
        QCOMPARE(d.ParseFileNames(), QStringList{"/n/one.pnf"});
    }

    void browse() {
        clsCommonDialog d;
        QWidget owner;
        d.setOwnerHandle(&owner);
        d.setDialogTitle("Pick");
        m_dialogs->chooseFile("/n/a.pnf");
        d.ShowOpen();
        m_dialogs->cancel();
        QCOMPARE(d.Browse(), 0);
        QCOMPARE(d.Path(), "/n/");
        m_dialogs->chooseFolder("/n/sub");
        QVERIFY(d.Browse() != 0);
        QVERIFY(d.Path() == "/n/sub" && d.FileName() == "/n/a.pnf" && d.FileTitle() == "a.pnf");
        const FileDialogRequest r = m_dialogs->lastRequest();
        QVERIFY(r.mode == FileDialogRequest::Mode::Folder && r.title == "Pick" &&
                r.owner == &owner);
    }

    void realDialog() {
        FileDialogBackend::setOverride(nullptr);
        QTemporaryDir dir;
        clsCommonDialog d;
        d.setDialogTitle("Select a file: ");
        d.setFilter("A (*.a)|*.a|" + NoteFilter);
        d.setFilterIndex(2);
        d.setDefaultExt("pnf");
        d.setFlags(0x80004);
        d.setInitDir(dir.path());
        QStringList seen;
        QFileDialog::AcceptMode accept = QFileDialog::AcceptOpen;
        QFileDialog::FileMode mode = QFileDialog::Directory;
        onFileDialog([&](QFileDialog* dialog) {
            seen << dialog->windowTitle() << dialog->nameFilters() << dialog->selectedNameFilter()
                 << dialog->defaultSuffix() << dialog->directory().path()
                 << (dialog->testOption(QFileDialog::DontConfirmOverwrite) ? "no prompt" : "");
            accept = dialog->acceptMode();
            mode = dialog->fileMode();
            dialog->selectFile("b");
            static_cast<QDialog*>(dialog)->accept(); // runs QFileDialog::accept
        });
        QCOMPARE(d.ShowSave(), 1);
        QCOMPARE(d.FileName(), dir.filePath("b.pnf"));
        QCOMPARE(seen, (QStringList{"Select a file: ", "A (*.a)", "Pinleaf Note (*.pnf)",
                                    "Pinleaf Note (*.pnf)", "pnf", dir.path(), "no prompt"}));
        QVERIFY(accept == QFileDialog::AcceptSave && mode == QFileDialog::AnyFile);

        for (const qint32 multi : {0, int(FileDialogFlags::AllowMultiSelect)}) {
            d.setFlags(0x80004 | multi);
            onFileDialog([&](QFileDialog* dialog) {
                accept = dialog->acceptMode();
                mode = dialog->fileMode();
                dialog->reject();
            });
            QCOMPARE(d.ShowOpen(), 0);
            QCOMPARE(accept, QFileDialog::AcceptOpen);
            QCOMPARE(mode, multi ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
        }
    }
};

PINLEAF_TEST_MAIN(CommonDialogTest)
#include "unit_commondialog.moc"
