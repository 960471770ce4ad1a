// Notes made from anywhere on the desktop: the capture shortcut's new note.
#include "note/frmMain.h"

#include "platform/RichTextBox.h"

#include <QTextCursor>

frmMain* frmMain::openCapturedNote(const QString& plainText) {
    auto* note = new frmMain;
    if (!plainText.trimmed().isEmpty()) {
        // The text is the user's from the start: no click clears it, and closing asks to keep it.
        note->RTB1->setText(plainText);
        note->setIsDirty(true);
    }
    note->ensureReachable();
    note->show();
    // The shortcut was pressed in another program: the note comes in front of it and takes the
    // keyboard, so the user goes on typing into it.
    note->raise();
    note->activateWindow();
    note->RTB1->setFocus(Qt::ShortcutFocusReason);
    if (note->IsDirty())
        note->RTB1->moveCursor(QTextCursor::End);
    return note;
}
