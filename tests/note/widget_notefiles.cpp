// Note files, e-mail, the web site and the PDF offer, driven through the note's own menu items.
#include "BuildConfig.h"
#include "NoteWidgets.h"
#include "RecordingUrlOpener.h"
#include "ScriptedFileDialogBackend.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "note/WebLinks.h"
#include "note/frmMain.h"
#include "platform/FileDialogBackend.h"
#include "platform/MessagePrompt.h"
#include "platform/RichTextBox.h"
#include "store/NoteDocument.h"
#include "store/modNote.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <unistd.h>

namespace {
NoteRecord stored(const QString& text, const QString& color, int h, int w, int left, int top) {
    return {color, {}, text, h, w, left, top, "2.1.2026 3:04:05 PM"};
}

// A note the user has written in, as after a click and typing.
frmMain* writtenNote(const QString& text) {
    auto* w = new frmMain;
    w->show();
    w->setIsDirty(true);
    w->RTB1->setText(text);
    return w;
}
} // namespace

class NoteFilesTest : public QObject {
    Q_OBJECT
    std::shared_ptr<ScriptedFileDialogBackend> m_dialogs;
    std::shared_ptr<RecordingUrlOpener> m_opener;
    QString m_dir;
    QString m_mounted;

private slots:
    void initTestCase() {
        // No printer of this machine's may be reached: a scheduler that is not there has none.
        qputenv("CUPS_SERVER", QFile::encodeName(TestHome::root() + "/no-cups.sock"));
    }
    void init() {
        m_dialogs = std::make_shared<ScriptedFileDialogBackend>();
        m_opener = std::make_shared<RecordingUrlOpener>();
        FileDialogBackend::setOverride(m_dialogs);
        UrlOpener::setOverride(m_opener);
        m_dir = TestHome::root() + "/files";
        QDir(m_dir).removeRecursively();
        QDir().mkpath(m_dir);
    }
    void cleanup() {
        if (!m_mounted.isEmpty())
            QProcess::execute("umount", {m_mounted});
        m_mounted.clear();
        deleteAllNotes();
        MessagePrompt::clearQueue();
        FileDialogBackend::setOverride(nullptr);
        UrlOpener::setOverride(nullptr);
    }

    // The first note goes into this window, which keeps its place; the others open at their own
    // places, sizes and colours, each with the file as its file. The caption is marked only
    // when the note was already the user's; a special note stays read-only with its timer.
    void openFillsThisNoteAndOpensTheRest() {
        const QString file =
            writeBytes(m_dir + "/three.pnf",
                       NoteDocument::storeForm({stored("first", "blue", 2400, 3000, 150, 150),
                                                stored("second", "red", 2700, 3600, 3000, 1500),
                                                stored("third", "grey", 3000, 4200, 4500, 3000)}));
        auto* w = new frmMain;
        w->setLeft(1500);
        w->setTop(1200);
        w->show();
        m_dialogs->chooseFile(file);
        w->menuItems().mnuOpen->trigger();
        QCOMPARE(w->lblDate->text(), QString("2.1.2026 3:04:05 PM"));
        const QList<frmMain*> notes = openNotes();
        QCOMPARE(notes.size(), 3);
        const QList<QList<double>> places{
            {1500, 1200, 3000, 2400}, {3000, 1500, 3600, 2700}, {4500, 3000, 4200, 3000}};
        for (int i = 0; i < 3; ++i) {
            frmMain* n = notes[i];
            QCOMPARE(n->RTB1->text(), QStringList({"first", "second", "third"})[i]);
            QCOMPARE(n->colorSchemeName(), QStringList({"blue", "red", "grey"})[i]);
            QCOMPARE(QList<double>({n->Left(), n->Top(), n->Width(), n->Height()}), places[i]);
            QCOMPARE(n->Tag(), file);
            QVERIFY(n->IsDirty());
            QCOMPARE(n->lblCaption->text(), QString(" Pinleaf"));
        }

        frmMain* edited = writtenNote("mine");
        edited->RTB1->setReadOnly(true);
        edited->Timer1->start();
        m_dialogs->chooseFile(file);
        edited->menuItems().mnuOpen->trigger();
        QCOMPARE(edited->RTB1->text(), QString("first"));
        QCOMPARE(edited->lblCaption->text(), QString(" Pinleaf*"));
        QVERIFY(edited->RTB1->isReadOnly() && edited->Timer1->isActive());
        QCOMPARE(openNotes().size(), 6);

        // A cancelled dialog says nothing; a file that is no note file says where and why, and
        // the note stays as it was.
        m_dialogs->cancel();
        MessagePrompt::queueAnswers({MessagePrompt::Yes});
        edited->menuItems().mnuOpen->trigger();
        QCOMPARE(MessagePrompt::queuedAnswers(), 1);
        const QString junk = writeBytes(m_dir + "/junk.pnf", "<NOTES><NOTE><DATA>x");
        const QString empty = writeBytes(m_dir + "/empty.pnf", "<NOTES/>");
        for (const QString& bad : {junk, empty, m_dir + "/missing.pnf", m_dir}) {
            m_dialogs->chooseFile(bad);
            edited->menuItems().mnuOpen->trigger();
            QCOMPARE(MessagePrompt::lastTitle(), QString("Open Note"));
            QVERIFY2(MessagePrompt::lastText().contains(bad), qPrintable(bad));
            QCOMPARE(edited->RTB1->text(), QString("first"));
            QCOMPARE(edited->Tag(), file);
            MessagePrompt::queueAnswers({MessagePrompt::Yes});
        }
        QCOMPARE(openNotes().size(), 6);
    }

    // "&Save" asks for a file only while the note has none; "Save As" always asks. A write takes
    // the mark away; a cancelled dialog keeps it and the empty file. A note file deleted
    // meanwhile is written again.
    void saveWritesTheNoteToItsFile() {
        MessagePrompt::queueAnswers({MessagePrompt::Yes}); // taken by any warning
        frmMain* w = writtenNote("one\r\ntwo");
        w->SetColor("peach");
        QCOMPARE(w->lblCaption->text(), QString(" Pinleaf*"));
        m_dialogs->cancel();
        w->menuItems().mnuSave[0]->trigger();
        QCOMPARE(m_dialogs->requestCount(), 1);
        QVERIFY(w->Tag().isEmpty() && w->IsDirty());
        QCOMPARE(w->lblCaption->text(), QString(" Pinleaf*"));

        const QString file = m_dir + "/saved.pnf";
        m_dialogs->chooseFile(m_dir + "/saved");
        w->menuItems().mnuSave[0]->trigger();
        QCOMPARE(w->Tag(), file);
        QCOMPARE(w->lblCaption->text(), QString(" Pinleaf"));
        NoteRecord want = w->toRecord();
        want.SourcePath = file;
        QCOMPARE(modNote::ReadNotes(false, file), QList<NoteRecord>{want});

        w->RTB1->setText("three");
        w->menuItems().mnuSave[0]->trigger();
        QCOMPARE(m_dialogs->requestCount(), 2);
        QCOMPARE(modNote::ReadNotes(false, file).value(0).Data, QString("three"));
        QCOMPARE(w->lblCaption->text(), QString(" Pinleaf"));

        w->RTB1->setText("four");
        QVERIFY(QFile::remove(file));
        w->menuItems().mnuSave[0]->trigger();
        QCOMPARE(modNote::ReadNotes(false, file).value(0).Data, QString("four"));
        QCOMPARE(w->lblCaption->text(), QString(" Pinleaf"));

        w->RTB1->setText("five");
        m_dialogs->cancel();
        w->menuItems().mnuSave[1]->trigger();
        QCOMPARE(m_dialogs->requestCount(), 3);
        QCOMPARE(w->Tag(), file);
        QCOMPARE(w->lblCaption->text(), QString(" Pinleaf*"));
        QCOMPARE(MessagePrompt::queuedAnswers(), 1);
    }

    // A save that fails keeps the old file byte for byte, the mark and the file name, and tells
    // the user where and why: a read-only file (never replaced, even by a superuser), a path that
    // is a folder, a folder that is gone, and a folder that takes no new files.
    void failedSaveKeepsTheOldFileAndSaysSo() {
        const QString readOnly = writeBytes(m_dir + "/locked.pnf", "old bytes");
        QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup));
        frmMain* w = writtenNote("new text");
        w->setTag(readOnly);
        w->RTB1->setText("newer text");
        SeenBox seen;
        answerBoxLater(&seen, QMessageBox::Ok);
        w->menuItems().mnuSave[0]->trigger();
        QCOMPARE(seen.title, QString("Save Note"));
        QVERIFY2(seen.text.contains(readOnly) && seen.text.contains("read-only"),
                 qPrintable(seen.text));
        QCOMPARE(seen.format, Qt::PlainText);
        QCOMPARE(readBytes(readOnly), QByteArray("old bytes"));
        QCOMPARE(QDir(m_dir).entryList(QDir::Files | QDir::Hidden), QStringList{"locked.pnf"});
        QCOMPARE(w->Tag(), readOnly);
        QCOMPARE(w->lblCaption->text(), QString(" Pinleaf*"));

        for (const QString& tag : {m_dir, m_dir + "/gone/x.pnf"}) {
            w->setTag(tag);
            MessagePrompt::queueAnswers({MessagePrompt::Yes});
            w->menuItems().mnuSave[0]->trigger();
            QCOMPARE(MessagePrompt::queuedAnswers(), 0);
            QVERIFY2(MessagePrompt::lastText().contains(tag),
                     qPrintable(MessagePrompt::lastText()));
            QCOMPARE(w->Tag(), tag);
            QCOMPARE(w->lblCaption->text(), QString(" Pinleaf*"));
        }

        // A folder that refuses new files, for a superuser too: a read-only file system.
        const QString shut = m_dir + "/shut";
        QVERIFY(QDir().mkpath(shut));
        if (geteuid() == 0) {
            if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "ro,size=64k", "tmpfs", shut}))
                QSKIP("no read-only file system could be mounted");
            m_mounted = shut;
        } else {
            QVERIFY(QFile::setPermissions(shut, QFile::ReadOwner | QFile::ExeOwner));
        }
        w->setTag(QString());
        m_dialogs->chooseFile(shut + "/new.pnf");
        MessagePrompt::queueAnswers({MessagePrompt::Yes});
        w->menuItems().mnuSave[1]->trigger();
        QVERIFY(MessagePrompt::lastText().contains(shut + "/new.pnf"));
        QVERIFY(QDir(shut).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        QVERIFY(w->Tag().isEmpty());
        QCOMPARE(w->lblCaption->text(), QString(" Pinleaf*"));
    }

    // The mailto and web addresses reach the desktop's opener; where nothing takes them the
    // user is told once.
    void mailAndWebAddressesGoToTheDesktop() {
        frmMain* w = writtenNote("a b\r\nc & d");
        const QString to = BuildConfig::FeedbackAddress;
        w->menuItems().mnuEmail->trigger();
        select(w->RTB1, 2, 5);
        w->menuItems().mnuEmailSelection->trigger();
        w->RTB1->setSelStart(0);
        w->menuItems().mnuEmailSelection->trigger();
        w->menuItems().mnuTarvo->trigger();
        QCOMPARE(m_opener->opened, (QList<QUrl>{QUrl(WebLinks::MailtoAddress(to, "a b\r\nc & d")),
                                                QUrl(WebLinks::MailtoAddress(to, "b\r\nc")),
                                                QUrl(WebLinks::MailtoAddress(to, "")),
                                                WebLinks::WebSiteUrl(BuildConfig::WebSite)}));

        m_opener->handled = false;
        MessagePrompt::queueAnswers({MessagePrompt::Yes, MessagePrompt::Yes, MessagePrompt::Yes});
        w->menuItems().mnuEmail->trigger();
        QCOMPARE(MessagePrompt::queuedAnswers(), 2);
        QVERIFY(MessagePrompt::lastText().contains(to));
        w->menuItems().mnuTarvo->trigger();
        QCOMPARE(MessagePrompt::queuedAnswers(), 1);
        QCOMPARE(MessagePrompt::lastTitle(), QString("Tarvo Website"));
    }

    // Without a printer "&Print" offers the note as a PDF file, under a name made from the date.
    void printWithoutAPrinterOffersAPdf() {
        frmMain* w = writtenNote("to paper");
        MessagePrompt::queueAnswers({MessagePrompt::No});
        w->menuItems().mnuPrint->trigger();
        QCOMPARE(MessagePrompt::lastTitle(), QString("Print"));
        QCOMPARE(m_dialogs->requestCount(), 0);

        MessagePrompt::queueAnswers({MessagePrompt::Yes});
        m_dialogs->chooseFile(m_dir + "/note");
        w->menuItems().mnuPrint->trigger();
        const FileDialogRequest asked = m_dialogs->lastRequest();
        QCOMPARE(asked.mode, FileDialogRequest::Mode::Save);
        QVERIFY2(QFileInfo(asked.initDir)
                     .fileName()
                     .startsWith("Pinleaf Note " + QDate::currentDate().toString("yyyy-MM-dd")),
                 qPrintable(asked.initDir));
        QVERIFY(asked.initDir.endsWith(".pdf") && asked.defaultExt == "pdf");
        QVERIFY(asked.flags & FileDialogFlags::OverwritePrompt);
        QVERIFY(readBytes(m_dir + "/note.pdf").startsWith("%PDF-"));
    }
};

PINLEAF_TEST_MAIN(NoteFilesTest)
#include "widget_notefiles.moc"
