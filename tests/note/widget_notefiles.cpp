// Note files, closing, e-mail, the web site and the PDF offer, driven through the note's own menu
// items.
#include "BuildConfig.h"
#include "NoteWidgets.h"
#include "RecordingUrlOpener.h"
#include "ScriptedFileDialogBackend.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "app/modMain.h"
#include "note/WebLinks.h"
#include "platform/Autostart.h"
#include "platform/MessagePrompt.h"
#include "platform/Notice.h"
#include "platform/SessionEnd.h"
#include "platform/TopLevel.h"
#include "platform/frmAbout.h"
#include "store/modNote.h"

#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QUrlQuery>

// Keep the close tests last: the end of a logon cannot be undone in this process.
class NoteFilesTest : public QObject {
    Q_OBJECT
    std::shared_ptr<ScriptedFileDialogBackend> m_dialogs;
    std::shared_ptr<RecordingUrlOpener> m_opener;
    QString m_dir;

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
        QFile::remove(modNote::StorePath());
        QFile::remove(modNote::ClosedNotesPath());
        Autostart::remove();
    }
    void cleanup() {
        deleteAllNotes();
        MessagePrompt::clearQueue();
        FileDialogBackend::setOverride(nullptr);
        UrlOpener::setOverride(nullptr);
    }

    // The first note goes into this window, which keeps its place; the others open at their own
    // places, sizes and colours, each with the file as its file. The caption is marked only when
    // the note was already the user's; a special note stays read-only with its timer. A file that
    // is no note file says where, and the note stays as it was.
    void openFillsThisNoteAndOpensTheRest() {
        // Text, colour and left edge of each note; the first keeps this window's place.
        const std::tuple<QString, QString, int> stored[] = {
            {"first", "blue", 1500}, {"second", "red", 3000}, {"third", "grey", 4500}};
        QList<NoteRecord> records;
        for (const auto& [text, color, left] : stored)
            records << NoteRecord{color, {}, text, 2400, 3000, left, 1500, "2.1.2026 3:04:05 PM"};
        records[0].Left = 150;
        const QString file = writeBytes(m_dir + "/three.pnf", NoteDocument::storeForm(records));
        auto* w = new frmMain;
        w->setLeft(1500);
        w->setTop(1200);
        w->show();
        m_dialogs->chooseFile(file);
        w->menuItems().mnuOpen->trigger();
        QCOMPARE(w->lblDate->text(), QString("2.1.2026 3:04:05 PM"));
        QCOMPARE(openNotes().size(), 3);
        for (int i = 0; i < 3; ++i) {
            const frmMain* n = openNotes()[i];
            const auto& [text, color, left] = stored[i];
            QVERIFY(n->RTB1->text() == text && n->colorSchemeName() == color);
            QCOMPARE(QList<double>({n->Left(), n->Top(), n->Width(), n->Height()}),
                     QList<double>({double(left), i ? 1500.0 : 1200.0, 3000, 2400}));
            QVERIFY(n->Tag() == file && n->IsDirty() && n->lblCaption->text() == " Pinleaf");
        }

        QPointer<frmMain> edited = typedNote("mine");
        edited->RTB1->setReadOnly(true);
        edited->Timer1->start();
        m_dialogs->chooseFile(file);
        edited->menuItems().mnuOpen->trigger();
        QVERIFY(edited->RTB1->text() == "first" && edited->lblCaption->text() == " Pinleaf*");
        QVERIFY(edited->RTB1->isReadOnly() && edited->Timer1->isActive());
        QCOMPARE(openNotes().size(), 6);

        for (const QString& bad : {writeBytes(m_dir + "/junk.pnf", "<NOTES><NOTE><DATA>x"),
                                   writeBytes(m_dir + "/empty.pnf", "<NOTES/>"), m_dir}) {
            MessagePrompt::queueAnswers({MessagePrompt::Yes});
            m_dialogs->chooseFile(bad);
            edited->menuItems().mnuOpen->trigger();
            QVERIFY2(MessagePrompt::lastTitle() == "Open Note" &&
                         MessagePrompt::lastText().contains(bad),
                     qPrintable(bad));
            QVERIFY(edited->RTB1->text() == "first" && edited->Tag() == file);
        }
        QCOMPARE(openNotes().size(), 6);
    }

    // "&Save" asks for a file only while the note has none; "Save As" always asks. A write takes
    // the mark away; a cancelled dialog keeps it. A note file deleted meanwhile is written again.
    void saveWritesTheNoteToItsFile() {
        MessagePrompt::queueAnswers({MessagePrompt::Yes}); // taken by any warning
        QPointer<frmMain> w = typedNote("one\r\ntwo");
        w->SetColor("peach");
        m_dialogs->cancel();
        w->menuItems().mnuSave[0]->trigger();
        QVERIFY(w->Tag().isEmpty() && w->lblCaption->text() == " Pinleaf*");

        const QString file = m_dir + "/saved.pnf";
        m_dialogs->chooseFile(m_dir + "/saved");
        w->menuItems().mnuSave[0]->trigger();
        QVERIFY(w->Tag() == file && w->lblCaption->text() == " Pinleaf");
        NoteRecord want = w->toRecord();
        want.SourcePath = file;
        QCOMPARE(modNote::ReadNotes(false, file), QList<NoteRecord>{want});

        w->RTB1->setText("three");
        QVERIFY(QFile::remove(file));
        w->menuItems().mnuSave[0]->trigger();
        QCOMPARE(modNote::ReadNotes(false, file).value(0).Data, QString("three"));
        QCOMPARE(w->lblCaption->text(), QString(" Pinleaf"));
        QCOMPARE(m_dialogs->requestCount(), 2);

        w->RTB1->setText("four");
        m_dialogs->cancel();
        w->menuItems().mnuSave[1]->trigger();
        QCOMPARE(m_dialogs->requestCount(), 3);
        QVERIFY(w->Tag() == file && w->lblCaption->text() == " Pinleaf*");
        QCOMPARE(MessagePrompt::queuedAnswers(), 1);
    }

    // "&Save" of one note of a three-note file puts it in its own place and leaves the other
    // notes byte for byte, asking nothing; each window of the file saves its own note. A file
    // changed behind a note's back is not written: the user may save the note elsewhere. "Save
    // As" asks before it replaces another file; choosing the note's own file keeps its notes.
    void saveKeepsTheOtherNotesOfItsFile() {
        const QByteArray head = "<?xml version='1.0'?>\n<NOTES>\n";
        const auto n = [](const QByteArray& data, int left) {
            return "<NOTE>\t<COLOR>blue</COLOR><DATA>" + data +
                   "</DATA><TIMEDATE>d</TIMEDATE>"
                   "<HEIGHT>2400</HEIGHT><WIDTH>3000</WIDTH><LEFT>" +
                   QByteArray::number(left) + "</LEFT><TOP>1500</TOP></NOTE>";
        };
        const QByteArray first = n("&#65;", 150), second = n("b", 3000), third = n("c", 4500);
        const QString file = writeBytes(m_dir + "/three.pnf",
                                        head + first + "\n" + second + "\n" + third + "</NOTES>");
        auto* w = new frmMain;
        w->show();
        m_dialogs->chooseFile(file);
        w->menuItems().mnuOpen->trigger();
        QCOMPARE(openNotes().size(), 3);
        const auto element = [](frmMain* note) {
            QByteArray text = NoteDocument::textForm(note->toRecord());
            return text.mid(text.indexOf("<NOTE>")).chopped(QByteArray("\r\n</NOTES>\r\n").size());
        };
        frmMain* b = openNotes()[1];
        b->RTB1->setText("B & b");
        b->menuItems().mnuSave[0]->trigger();
        QCOMPARE(readBytes(file), head + first + "\n" + element(b) + "\n" + third + "</NOTES>");
        frmMain* c = openNotes()[2];
        c->RTB1->setText("C");
        c->menuItems().mnuSave[0]->trigger();
        QCOMPARE(readBytes(file),
                 head + first + "\n" + element(b) + "\n" + element(c) + "</NOTES>");
        const QByteArray saved = readBytes(file);
        QVERIFY(b->lblCaption->text() == " Pinleaf" && c->lblCaption->text() == " Pinleaf");
        QVERIFY(m_dialogs->requestCount() == 1 && MessagePrompt::queuedAnswers() == 0);

        // Changed elsewhere: No leaves the file as it is and the note marked; Yes saves it to
        // another file, which becomes its file.
        const QByteArray changed = head + n("edited", 150) + "</NOTES>";
        writeBytes(file, changed);
        w->RTB1->setText("mine");
        MessagePrompt::queueAnswers({MessagePrompt::No});
        w->menuItems().mnuSave[0]->trigger();
        QVERIFY(MessagePrompt::lastTitle() == "Save Note" &&
                MessagePrompt::lastText().contains(file));
        QVERIFY(readBytes(file) == changed && w->lblCaption->text() == " Pinleaf*");
        MessagePrompt::queueAnswers({MessagePrompt::Yes});
        m_dialogs->chooseFile(m_dir + "/elsewhere.pnf");
        w->menuItems().mnuSave[0]->trigger();
        QVERIFY(readBytes(file) == changed && w->Tag() == m_dir + "/elsewhere.pnf");
        QCOMPARE(modNote::ReadNotes(false, w->Tag()).value(0).Data, QString("mine"));

        // "Save As" onto another file asks first; keeping it writes nothing. Onto the note's own
        // file (after the question) the other notes stay.
        m_dialogs->replaceAsked.clear();
        c->RTB1->setText("C2");
        m_dialogs->keepExisting();
        m_dialogs->chooseFile(w->Tag());
        c->menuItems().mnuSave[1]->trigger();
        QCOMPARE(m_dialogs->replaceAsked, QStringList{w->Tag()});
        QVERIFY(c->Tag() == file && c->lblCaption->text() == " Pinleaf*");
        QCOMPARE(modNote::ReadNotes(false, w->Tag()).value(0).Data, QString("mine"));
        writeBytes(file, saved);
        c->RTB1->setText("C3");
        m_dialogs->chooseFile(file);
        c->menuItems().mnuSave[1]->trigger();
        QCOMPARE(readBytes(file),
                 head + first + "\n" + element(b) + "\n" + element(c) + "</NOTES>");
        QCOMPARE(m_dialogs->replaceAsked, (QStringList{w->Tag(), file}));
    }

    // A save that fails keeps the old file byte for byte, the mark and the file name, and tells the
    // user where and why: a read-only file (never replaced, even by a superuser), a path that is a
    // folder, a folder that is gone; "Save As" into a folder that is gone keeps no new name.
    void failedSaveKeepsTheOldFileAndSaysSo() {
        const QString readOnly = writeBytes(m_dir + "/locked.pnf", "old bytes");
        QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup));
        QPointer<frmMain> w = typedNote("new text", readOnly);
        SeenBox seen;
        answerBoxLater(&seen, QMessageBox::Ok);
        w->menuItems().mnuSave[0]->trigger();
        QVERIFY2(seen.title == "Save Note" && seen.text.contains(readOnly) &&
                     seen.text.contains("read-only") && seen.format == Qt::PlainText,
                 qPrintable(seen.text));
        QCOMPARE(readBytes(readOnly), QByteArray("old bytes"));
        QCOMPARE(QDir(m_dir).entryList(QDir::Files | QDir::Hidden), QStringList{"locked.pnf"});
        QVERIFY(w->Tag() == readOnly && w->lblCaption->text() == " Pinleaf*");

        for (const QString& tag : {m_dir, m_dir + "/gone/x.pnf", QString()}) {
            w->setTag(tag);
            if (tag.isEmpty())
                m_dialogs->chooseFile(m_dir + "/gone/new.pnf");
            MessagePrompt::queueAnswers({MessagePrompt::Yes});
            w->menuItems().mnuSave[0]->trigger();
            QVERIFY2(MessagePrompt::queuedAnswers() == 0 &&
                         MessagePrompt::lastText().contains(tag.isEmpty() ? "/gone/new" : tag),
                     qPrintable(MessagePrompt::lastText()));
            QVERIFY(w->Tag() == tag && w->lblCaption->text() == " Pinleaf*");
        }
        QVERIFY(!QDir(m_dir + "/gone").exists());
    }

    // The mailto and web addresses reach the desktop's opener: the note, the selection, or an empty
    // body without one, and About's mail link; where nothing takes them the user is told where to
    // go, and About stays.
    void mailAndWebAddressesGoToTheDesktop() {
        QPointer<frmMain> w = typedNote("a b\r\nc & d");
        const QString to = BuildConfig::FeedbackAddress;
        w->menuItems().mnuEmail->trigger();
        select(w->RTB1, 2, 5);
        w->menuItems().mnuEmailSelection->trigger();
        w->RTB1->setSelStart(0);
        w->menuItems().mnuEmailSelection->trigger();
        w->menuItems().mnuTarvo->trigger();
        frmAbout* about = frmAbout::Load(to, BuildConfig::WebSite);
        about->show();
        QTest::mouseClick(about->Label4, Qt::LeftButton);
        QCOMPARE(m_opener->opened, (QList<QUrl>{QUrl(WebLinks::MailtoAddress(to, "a b\r\nc & d")),
                                                QUrl(WebLinks::MailtoAddress(to, "b\r\nc")),
                                                QUrl(WebLinks::MailtoAddress(to, "")),
                                                WebLinks::WebSiteUrl(BuildConfig::WebSite),
                                                QUrl("mailto:" + to + "?subject=Pinleaf")}));
        // A note longer than one address may be goes as far as it fits, and the user is told;
        // a desktop that takes the address and then finds no program says why.
        const QString longText(50000, u'\u00e9');
        w->RTB1->setText(longText);
        w->menuItems().mnuEmail->trigger();
        const QByteArray sent = m_opener->opened.last().toEncoded();
        const QString body =
            QUrlQuery(m_opener->opened.last()).queryItemValue("Body", QUrl::FullyDecoded);
        // Each é takes six bytes encoded: the body stops within one character of the limit.
        QVERIFY(sent.size() <= m_opener->maxAddressBytes() &&
                sent.size() > m_opener->maxAddressBytes() - 6);
        QVERIFY(longText.startsWith(body) && body.size() < longText.size());
        QVERIFY2(Notice::shown().last().startsWith("Email: The note is too long") &&
                     Notice::shown().last().contains(QString::number(body.size())),
                 qPrintable(Notice::shown().last()));
        m_opener->failure = "xdg-open found nothing";
        w->RTB1->setText("short");
        w->menuItems().mnuEmail->trigger();
        QVERIFY(Notice::shown().last().startsWith("Email: ") &&
                Notice::shown().last().endsWith("xdg-open found nothing"));
        w->menuItems().mnuTarvo->trigger();
        QVERIFY(Notice::shown().last().startsWith("Tarvo Website: ") &&
                Notice::shown().last().endsWith("xdg-open found nothing"));
        m_opener->failure.clear();
        m_opener->handled = false;
        MessagePrompt::queueAnswers({MessagePrompt::Yes, MessagePrompt::Yes, MessagePrompt::Yes});
        w->menuItems().mnuEmail->trigger();
        QTest::mouseClick(about->Label4, Qt::LeftButton);
        QVERIFY(MessagePrompt::lastText().contains(to) && about->isVisible() &&
                frmAbout::Loaded() == about);
        w->menuItems().mnuTarvo->trigger();
        QVERIFY(MessagePrompt::queuedAnswers() == 0 &&
                MessagePrompt::lastTitle() == "Tarvo Website");
        about->done(QDialog::Accepted);
    }

    // Without a printer "&Print" offers the note as a PDF file, under a name made from the date.
    void printWithoutAPrinterOffersAPdf() {
        QPointer<frmMain> w = typedNote("to paper");
        MessagePrompt::queueAnswers({MessagePrompt::No});
        w->menuItems().mnuPrint->trigger();
        QCOMPARE(MessagePrompt::lastTitle(), QString("Print"));
        QCOMPARE(m_dialogs->requestCount(), 0);

        MessagePrompt::queueAnswers({MessagePrompt::Yes});
        m_dialogs->chooseFile(m_dir + "/note");
        w->menuItems().mnuPrint->trigger();
        const FileDialogRequest asked = m_dialogs->lastRequest();
        const QString today = "/Pinleaf Note " + QDate::currentDate().toString("yyyy-MM-dd");
        QVERIFY2(asked.initDir.contains(today) && asked.initDir.endsWith(".pdf"),
                 qPrintable(asked.initDir));
        QVERIFY(asked.flags & FileDialogFlags::OverwritePrompt);
        QVERIFY(readBytes(m_dir + "/note.pdf").startsWith("%PDF-"));
    }
    // A changed note without a file closes without a question. A closed note with words of the
    // user's can be opened again; a bare placeholder, an empty note and the help note add nothing.
    void noteWithoutFileClosesIntoTheClosedNotes() {
        MessagePrompt::queueAnswers({MessagePrompt::Cancel});
        for (const QString text : {"typed", "[Note]", " \r\n", "help"}) {
            QPointer<frmMain> w = typedNote(text);
            w->RTB1->setReadOnly(text == "help");
            QVERIFY(w->close());
            QTRY_VERIFY(w.isNull());
        }
        QCOMPARE(MessagePrompt::queuedAnswers(), 1);
        const QList<NoteRecord> closed = modNote::ReadNotes(false, modNote::ClosedNotesPath());
        QVERIFY(closed.size() == 1 && closed[0].Data == "typed");
    }

    // Cancel keeps the note open and on top again (out of the band with "Always on Top" off); Yes
    // with a cancelled or failed save keeps it open too, so the changes are never lost; No closes
    // it. The real message box shows plain text with Yes as its default.
    void savePromptKeepsTheNoteUnlessItIsSavedOrDropped() {
        const QString file = TestHome::root() + "/kept.pnf";
        QPointer<frmMain> w = typedNote("changed text", file);
        SeenBox seen;
        answerBoxLater(&seen, QMessageBox::Cancel);
        QVERIFY(!w->close());
        QCOMPARE(seen.title, QString("Perform Save"));
        QVERIFY(seen.format == Qt::PlainText && seen.defaultButton == QMessageBox::Yes);
        QVERIFY(w->isVisible() && (w->windowFlags() & Qt::WindowStaysOnTopHint));

        w->menuItems().mnuTop->setChecked(false);
        TopLevel::SetWindowTopmost(w, TopLevel::NotTopmost);
        MessagePrompt::queueAnswers({MessagePrompt::Yes});
        m_dialogs->cancel();
        QVERIFY(!w->close());
        QVERIFY(!(w->windowFlags() & Qt::WindowStaysOnTopHint) && m_dialogs->requestCount() == 1);
        // A failed write says so (the second answer stands for the warning's OK).
        MessagePrompt::queueAnswers({MessagePrompt::Yes, MessagePrompt::Yes});
        m_dialogs->chooseFile(TestHome::root() + "/no-such-folder/x.pnf");
        QVERIFY(!w->close());
        QVERIFY(w->isVisible() && MessagePrompt::lastText().contains("/no-such-folder/x.pnf"));

        MessagePrompt::queueAnswers({MessagePrompt::Yes});
        m_dialogs->chooseFile(file);
        QVERIFY(w->close());
        QTRY_VERIFY(w.isNull());
        QCOMPARE(modNote::ReadNotes(false, file).value(0).Data, QString("changed text"));
        MessagePrompt::queueAnswers({MessagePrompt::No});
        QVERIFY(typedNote("dropped", file)->close());
        QCOMPARE(modNote::ReadNotes(false, file).value(0).Data, QString("changed text"));
    }

    // Only the last loaded window takes the autostart entry with it. The About dialog is one (the
    // entry goes when the program then ends by itself); a notice, which only says something, is
    // not.
    void lastWindowRemovesTheAutostartEntry() {
        Autostart::set("/usr/bin/pinleaf");
        QPointer<frmMain> a = new frmMain;
        QPointer<frmMain> b = new frmMain;
        a->show();
        b->show();
        QVERIFY(a->close());
        QVERIFY(Autostart::isSet());
        QPointer<frmAbout> about = frmAbout::Load("feedback@example.org", "example.org");
        about->show();
        QVERIFY(b->close());
        QVERIFY(Autostart::isSet());
        about->close();
        QTRY_VERIFY(!frmAbout::Loaded());
        modMain::EndOfRun();
        QVERIFY(!Autostart::isSet());
        Autostart::set("/usr/bin/pinleaf");
        QPointer<frmMain> c = new frmMain;
        c->show();
        Notice::show("Notes cannot be kept", "The folder is a file.");
        QVERIFY(c->close());
        QVERIFY(!Autostart::isSet());
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMessageBox*>(w))
                w->close();
        }
    }

    // At the end of a logon every note is stored without a question, even with unsaved changes to
    // its file, and the autostart entry is set.
    void logoffStoresNotesWithoutAsking() {
        QPointer<frmMain> a = typedNote("first", TestHome::root() + "/a.pnf");
        a->SetColor("red");
        a->setLeft(-1200);
        QPointer<frmMain> b = new frmMain;
        b->show();
        MessagePrompt::queueAnswers({MessagePrompt::Cancel});
        a->closeForLogoff();
        b->closeForLogoff();
        QTRY_VERIFY(a.isNull() && b.isNull());
        const QList<NoteRecord> stored = modNote::ReadNotes(true, QString());
        QCOMPARE(stored.size(), 2);
        QVERIFY(stored[0].Data == "first" && stored[0].Color == "red" && stored[0].Left == -1200);
        QCOMPARE(stored[1].Data, QString("[Note]"));
        QVERIFY(Autostart::isSet());
        QCOMPARE(m_dialogs->requestCount(), 0);
        QCOMPARE(MessagePrompt::queuedAnswers(), 1);
    }

    // A note closed once the logon has ended (here one that was not on screen when it ended) is in
    // no closed-notes file and takes no autostart entry with it. Last: the end of a logon cannot be
    // undone in this process.
    void closingAfterTheLogonEndedKeepsTheEntry() {
        QPointer<frmMain> late = new frmMain;
        late->RTB1->setText("typed");
        Autostart::setForThisProgram();
        SessionEnd::markEnding();
        late->show();
        QVERIFY(late->close());
        QVERIFY(Autostart::isSet());
        QVERIFY(!QFile::exists(modNote::ClosedNotesPath()));
    }
};

PINLEAF_TEST_MAIN(NoteFilesTest)
#include "widget_notefiles.moc"
