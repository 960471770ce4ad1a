// What happens when a note window is asked to close.
#include "note/frmMain.h"

#include "platform/Autostart.h"
#include "platform/MessagePrompt.h"
#include "platform/RichTextBox.h"
#include "platform/SessionEnd.h"
#include "platform/TopLevel.h"
#include "platform/Twips.h"
#include "store/modNote.h"

#include <QAction>
#include <QCloseEvent>
#include <QTimer>

NoteRecord frmMain::toRecord() const {
    NoteRecord r;
    r.Data = RTB1->text();
    r.TimeDate = lblDate->text();
    r.Color = m_colorScheme;
    r.Height = Twips::round(Height());
    r.Left = Twips::round(Left());
    r.Width = Twips::round(Width());
    r.Top = Twips::round(Top());
    return r;
}

void frmMain::closeEvent(QCloseEvent* e) {
    // A note stored at the end of the logon has nothing left to decide.
    if (m_close.stored()) {
        Timer1->stop();
        e->accept();
        return;
    }
    bool cancel = false;
    HandleCloseRequest(cancel, m_close.cause());
    if (cancel) {
        e->ignore();
        return;
    }
    // A closed special note is refreshed no more, even before the window is deleted.
    Timer1->stop();
    e->accept();
}

void frmMain::closeForLogoff(bool storedAlready) {
    if (m_close.stored())
        return;
    m_close.beginLogoff(storedAlready);
    bool cancel = false;
    HandleCloseRequest(cancel, CloseCause::Logoff);
    // The program ends straight after a logoff that stored every note, and its windows go with
    // it: closing or hiding them one by one makes Qt look through every other window each time,
    // which thousands of notes turn into seconds. A special note stops refreshing.
    if (storedAlready) {
        Timer1->stop();
        return;
    }
    // When this window is already inside its own close request (its save prompt is open),
    // close() refuses; that request ends as soon as the prompt returns and sees the note stored.
    close();
}

void frmMain::HandleCloseRequest(bool& cancel, CloseCause cause) {
    WriteSettings();
    const NoteRecord record = toRecord();
    if (cause == CloseCause::Logoff) {
        // At the end of the logon every note was stored in one write and the autostart entry
        // set once, before the windows began to close.
        if (!m_close.storedByCaller()) {
            Autostart::setForThisProgram();
            modNote::AppendNoteToStore(record);
        }
        m_close.markStored();
        return;
    }
    const bool unsavedFileChanges =
        !m_tag.isEmpty() && lblCaption->text().endsWith(QLatin1Char('*'));
    if (unsavedFileChanges && !askToSaveBeforeClose()) {
        cancel = true;
        return;
    }
    // The logon may have ended while the prompt was open; the note is then in the store and
    // the autostart entry must stay.
    if (m_close.stored() || SessionEnd::isEnding())
        return;
    keepClosedNote(record);
    if (TopLevel::LoadedWindowCount() == 1)
        Autostart::remove();
}

// A note the user closes is gone by design; one with words of the user's own is also added to
// the closed-notes file, so a note closed by mistake can be opened again. The help note and
// special notes are read-only and hold nothing of the user's.
void frmMain::keepClosedNote(const NoteRecord& record) {
    const QString text = record.Data.trimmed();
    // A note stored under another language still holds the untranslated placeholder.
    if (RTB1->isReadOnly() || text.isEmpty() || isPlaceholder(text))
        return;
    modNote::KeepClosedNote(record);
}

// Asks whether to save a note whose file is out of date. False keeps the window open: on Cancel,
// and when the user chose Yes but no file was written (the save dialog was cancelled or the
// write failed), so the note is never lost on the way.
bool frmMain::askToSaveBeforeClose() {
    TopLevel::SetWindowTopmost(this, TopLevel::NotTopmost);
    const MessagePrompt::Answer answer = MessagePrompt::askYesNoCancel(
        this, tr("Perform Save"),
        tr("Changes have been made to this note.\nWould you like to save now?"));
    bool closeWindow = answer == MessagePrompt::No;
    if (answer == MessagePrompt::Yes && !m_close.stored()) {
        // The save dialog, as "Save As" shows it: its own file chosen there keeps its other notes.
        closeWindow = saveAs(toRecord());
    }
    if (!closeWindow && !m_close.stored())
        TopLevel::SetWindowTopmost(this, isTopChecked() ? TopLevel::Topmost : TopLevel::NotTopmost);
    return closeWindow || m_close.stored();
}
