// Notes made from anywhere on the desktop: the capture shortcut's new note.
#include "note/frmMain.h"

#include "platform/RichTextBox.h"

#include <QTextCursor>

#include <algorithm>

namespace {
// A note opened from outside any note steps aside this many times at most.
constexpr int MaxSteps = 20;
} // namespace

// New notes of their own all open at the same place; each steps down and right from a note that
// already stands exactly there, so a second one is seen to open rather than hide under the first.
void frmMain::stepAsideFromOpenNotes() {
    const QList<frmMain*> others = openNotes();
    const auto occupied = [&] {
        return std::any_of(others.cbegin(), others.cend(), [this](const frmMain* other) {
            return other != this && other->pos() == pos();
        });
    };
    for (int step = 0; step < MaxSteps && occupied(); ++step) {
        setLeft(Left() + NewNoteOffsetTwips);
        setTop(Top() + NewNoteOffsetTwips);
    }
}

frmMain* frmMain::openCapturedNote(const QString& plainText) {
    auto* note = new frmMain;
    note->stepAsideFromOpenNotes();
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
