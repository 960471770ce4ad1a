#include "NoteWidgets.h"
#include "ScriptedFileDialogBackend.h"
#include "TestHome.h"
#include "note/frmMain.h"
#include "platform/Autostart.h"
#include "platform/FileDialogBackend.h"
#include "platform/MessagePrompt.h"
#include "platform/RichTextBox.h"
#include "platform/SessionEnd.h"
#include "platform/TopLevel.h"
#include "store/modNote.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {
// A shown note whose text was changed after it came from the file `path`.
QPointer<frmMain> changedNoteWithFile(const QString& path, const QString& text) {
    auto* w = new frmMain;
    w->setIsDirty(true);
    w->setTag(path);
    w->show();
    w->RTB1->setText(text);
    return w;
}
} // namespace

// What a note's close request keeps of it: the save prompt, the autostart entry and the store.
class NoteCloseTest : public QObject {
    Q_OBJECT
    std::shared_ptr<ScriptedFileDialogBackend> m_dialogs;

private slots:
    void init() {
        m_dialogs = std::make_shared<ScriptedFileDialogBackend>();
        FileDialogBackend::setOverride(m_dialogs);
        QFile::remove(modNote::StorePath());
        QFile::remove(modNote::ClosedNotesPath());
        Autostart::remove();
    }
    void cleanup() {
        deleteAllNotes();
        MessagePrompt::clearQueue();
        FileDialogBackend::setOverride(nullptr);
    }

    void changedNoteWithoutFileClosesWithoutAsking() {
        auto* w = new frmMain;
        w->setIsDirty(true);
        w->show();
        w->RTB1->setText("typed");
        QCOMPARE(w->lblCaption->text(), QString(" Pinleaf*"));
        QPointer<frmMain> guard(w);
        MessagePrompt::queueAnswers({MessagePrompt::Cancel});
        QVERIFY(w->close());
        QTRY_VERIFY(guard.isNull());
        QCOMPARE(MessagePrompt::queuedAnswers(), 1); // nothing was asked
        // A closed note with words of the user's can be opened again; a bare placeholder, an
        // empty note and the help note add nothing.
        for (const QString& text : {QString("[Note]"), QString(" \r\n"), QString("help")}) {
            auto* other = new frmMain;
            other->show();
            other->RTB1->setText(text);
            other->RTB1->setReadOnly(text == "help");
            QVERIFY(other->close());
        }
        const QList<NoteRecord> closed = modNote::ReadNotes(false, modNote::ClosedNotesPath());
        QCOMPARE(closed.size(), 1);
        QCOMPARE(closed[0].Data, QString("typed"));
    }

    // Cancel keeps the note open and on top again; Yes with a cancelled or failed save keeps it
    // open too, so the changes are never lost; No closes it.
    void savePromptKeepsTheNoteUnlessItIsSavedOrDropped() {
        const QString file = TestHome::root() + "/kept.pnf";
        QPointer<frmMain> w = changedNoteWithFile(file, "changed text");

        MessagePrompt::queueAnswers({MessagePrompt::Cancel});
        QVERIFY(!w->close());
        QCOMPARE(MessagePrompt::lastTitle(), QString("Perform Save"));
        QCOMPARE(MessagePrompt::lastText(),
                 QString("Changes have been made to this note.\nWould you like to save now?"));
        QVERIFY(w->isVisible());
        QVERIFY(w->windowFlags() & Qt::WindowStaysOnTopHint);

        // With "Always on Top" off, the note stays out of the topmost band afterwards.
        w->menuItems().mnuTop->setChecked(false);
        TopLevel::SetWindowTopmost(w, TopLevel::NotTopmost);
        MessagePrompt::queueAnswers({MessagePrompt::Yes});
        m_dialogs->cancel();
        QVERIFY(!w->close());
        QVERIFY(!(w->windowFlags() & Qt::WindowStaysOnTopHint));
        QCOMPARE(m_dialogs->requestCount(), 1);

        // A failed write says so (the second answer stands for the warning's OK).
        MessagePrompt::queueAnswers({MessagePrompt::Yes, MessagePrompt::Yes});
        m_dialogs->chooseFile(TestHome::root() + "/no-such-folder/x.pnf");
        QVERIFY(!w->close());
        QVERIFY(w->isVisible());
        QCOMPARE(MessagePrompt::lastTitle(), QString("Save Note"));
        QVERIFY(MessagePrompt::lastText().contains("/no-such-folder/x.pnf"));

        MessagePrompt::queueAnswers({MessagePrompt::Yes});
        m_dialogs->chooseFile(file);
        QVERIFY(w->close());
        QTRY_VERIFY(w.isNull());
        const QList<NoteRecord> saved = modNote::ReadNotes(false, file);
        QCOMPARE(saved.size(), 1);
        QCOMPARE(saved.first().Data, QString("changed text"));

        QPointer<frmMain> other = changedNoteWithFile(file, "dropped");
        MessagePrompt::queueAnswers({MessagePrompt::No});
        QVERIFY(other->close());
        QCOMPARE(modNote::ReadNotes(false, file).first().Data, QString("changed text"));
    }

    // The real message box, answered as a user would.
    void realPromptAnswersCancel() {
        QPointer<frmMain> w = changedNoteWithFile(TestHome::root() + "/real.pnf", "x");
        SeenBox seen;
        answerBoxLater(&seen, QMessageBox::Cancel);
        QVERIFY(!w->close());
        QVERIFY(w->isVisible());
        QCOMPARE(seen.title, QString("Perform Save"));
        QCOMPARE(seen.format, Qt::PlainText);
        QCOMPARE(seen.defaultButton, QMessageBox::Yes);
    }

    // Only the last loaded window takes the autostart entry with it; an open dialog counts.
    void lastWindowRemovesTheAutostartEntry() {
        Autostart::set("/usr/bin/pinleaf");
        QPointer<frmMain> a = new frmMain;
        QPointer<frmMain> b = new frmMain;
        a->show();
        b->show();
        QVERIFY(a->close());
        QVERIFY(QFile::exists(Autostart::location()));
        QDialog dialog;
        dialog.show();
        QVERIFY(b->close());
        QVERIFY(QFile::exists(Autostart::location()));
        dialog.close();

        QPointer<frmMain> c = new frmMain;
        c->show();
        QVERIFY(c->close());
        QVERIFY(!QFile::exists(Autostart::location()));
    }

    // At the end of a logon every note is stored without a question, even with unsaved changes
    // to its file, and the autostart entry is set.
    void logoffStoresNotesWithoutAsking() {
        QPointer<frmMain> a = changedNoteWithFile(TestHome::root() + "/a.pnf", "first");
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
        QCOMPARE(stored[0].Data, QString("first"));
        QCOMPARE(stored[0].Color, QString("red"));
        QCOMPARE(stored[0].Left, -1200);
        QCOMPARE(stored[0].Width, 3345);
        QCOMPARE(stored[1].Data, QString("[Note]"));
        QVERIFY(QFile::exists(Autostart::location()));
        QCOMPARE(m_dialogs->requestCount(), 0);
        QCOMPARE(MessagePrompt::queuedAnswers(), 1); // nothing was asked
    }

    // A note closed once the logon has ended (here one that was not on screen when it ended) is
    // in no closed-notes file and takes no autostart entry with it. Last: the end of a logon
    // cannot be undone in this process.
    void closingAfterTheLogonEndedKeepsTheEntry() {
        QPointer<frmMain> late = new frmMain;
        late->RTB1->setText("typed");
        Autostart::setForThisProgram();
        SessionEnd::markEnding();
        QVERIFY(QFile::exists(Autostart::location()));
        late->show();
        QVERIFY(late->close());
        QVERIFY(QFile::exists(Autostart::location()));
        QVERIFY(!QFile::exists(modNote::ClosedNotesPath()));
    }
};

PINLEAF_TEST_MAIN(NoteCloseTest)
#include "widget_noteclose.moc"
