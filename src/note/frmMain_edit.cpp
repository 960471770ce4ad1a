// The editing commands of the note's menus and what a drop onto the text does.
#include "note/frmMain.h"

#include "BuildConfig.h"
#include "platform/CrLfText.h"
#include "platform/RichTextBox.h"
#include "platform/VirtualKey.h"
#include "store/FileRead.h"

#include <QAction>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

namespace {
// What "Clear All" leaves in a note when the Ctrl key was the last key pressed.
QString makersNote() {
    return frmMain::tr("Visit %1 for news and the latest version of Pinleaf. Have a look at "
                       "our other small desktop tools there too: they are made with the same "
                       "care as your notes.")
        .arg(QLatin1String(BuildConfig::WebSite));
}
} // namespace

void frmMain::wireEditCommands(const NoteMenuItems& m) {
    for (int i = 0; i < int(m.mnuEdit.size()); ++i)
        connect(m.mnuEdit[i], &QAction::triggered, this, [this, i] { onEdit(i); });
    for (int i = 0; i < int(m.mnuSelectEdit.size()); ++i)
        connect(m.mnuSelectEdit[i], &QAction::triggered, this, [this, i] { onSelectEdit(i); });
    connect(m.mnuHelp, &QAction::triggered, this, &frmMain::DisplayHelpNote);
}

// The text box's own paste and undo; a read-only note keeps its text.
void frmMain::onEdit(int index) {
    switch (index) {
    case 0:
        RTB1->paste();
        break;
    case 1:
        undoText();
        break;
    case 2:
        ClearAll();
        break;
    default:
        break;
    }
}

void frmMain::onSelectEdit(int index) {
    switch (index) {
    case 0:
        RTB1->cut();
        break;
    case 1:
        RTB1->copy();
        break;
    case 2:
        undoText();
        break;
    default:
        break;
    }
}

// The text box's undo history holds the text that a special note or the help note wrote; the
// note's text cannot be changed while it is read-only, undo included.
void frmMain::undoText() {
    if (!RTB1->isReadOnly())
        RTB1->undo();
}

// Turns any note, special notes and the help note included, into a plain, editable, empty one.
// The caption is reset after the text is emptied, so the change it reported leaves no mark.
void frmMain::ClearAll() {
    RTB1->setReadOnly(false);
    replaceTextUndoably(QString());
    Timer1->stop();
    lblCaption->setText(QStringLiteral(" Pinleaf"));
    setSaveEnabled(true);
    if (LastKeyCode() == VirtualKey::Control)
        replaceTextUndoably(makersNote());
}

// Replaces the whole text as an edit of the text box's own, so "Undo" brings the old text back
// with its formatting. The new text takes the control's plain look, as a new note's text does.
void frmMain::replaceTextUndoably(const QString& text) {
    QTextCursor cursor(RTB1->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.setBlockCharFormat(QTextCharFormat());
    cursor.setCharFormat(QTextCharFormat());
    cursor.insertText(CrLfText::toDocText(text));
    cursor.endEditBlock();
    RTB1->setCurrentCharFormat(QTextCharFormat());
    RTB1->moveCursor(QTextCursor::Start);
}

// A dropped file list: the first file's text replaces the note's. The text goes in before the
// note counts as changed, so a drop onto a fresh note leaves its caption unmarked. A file that
// cannot be read as text changes nothing.
void frmMain::onTextDropped(const DroppedData& data) {
    if (!data.hasFileList())
        return;
    const std::optional<QString> text = FileRead::ReadWholeFile(data.firstFile());
    if (!text)
        return;
    replaceTextUndoably(*text);
    setIsDirty(true);
}
