// Note files: "&Open", "&Save" and "Save As".
#include "note/frmMain.h"

#include "platform/MessagePrompt.h"
#include "platform/RichTextBox.h"
#include "store/modNote.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>

namespace {

// Two names of one file: the same file once links are followed, or the same path.
bool sameFile(const QString& a, const QString& b) {
    const QString ca = QFileInfo(a).canonicalFilePath();
    if (!ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath())
        return true;
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

void frmMain::wireFileCommands(const NoteMenuItems& m) {
    connect(m.mnuOpen, &QAction::triggered, this, &frmMain::onOpen);
    for (int i = 0; i < int(m.mnuSave.size()); ++i)
        connect(m.mnuSave[i], &QAction::triggered, this, [this, i] { onSave(i); });
    connect(m.mnuPrint, &QAction::triggered, this, &frmMain::onPrint);
}

// A window filled from a stored note in the fixed order of its properties, and shown. The text
// and colour go in once: the window skips a new note's own.
frmMain* frmMain::openStoredNote(const NoteRecord& record, const QString& tag,
                                 qsizetype indexInFile) {
    auto* w = new frmMain(Restoring{record.Color});
    w->RTB1->setText(record.Data);
    w->SetColor(record.Color);
    w->lblDate->setText(record.TimeDate);
    w->setHeight(record.Height);
    w->setWidth(record.Width);
    w->setTop(record.Top);
    w->setLeft(record.Left);
    // A note stored on a screen that is gone comes back where it can be reached.
    w->ensureReachable();
    w->setTag(tag, tag.isEmpty() ? modNote::NoteFilePlace{}
                                 : modNote::NoteFilePlace{indexInFile, record});
    w->setIsDirty(true);
    w->show();
    // The window's pending polish and update are handled now, so it is drawn once. Left to the
    // event loop, the window system's expose of a note opened while others are still opening
    // could come first and be drawn, and the update that showing posted would draw it again.
    QCoreApplication::sendPostedEvents(w);
    return w;
}

// The first note of the chosen file goes into this window, which stays where it is; every
// further note opens in a window of its own. The text goes in first, so the caption is marked
// only when this note was already the user's. A special note stays read-only with its timer.
void frmMain::onOpen() {
    modNote::FileProblem problem;
    const QList<NoteRecord> notes = modNote::ReadNotes(false, QString(), &problem);
    if (notes.isEmpty()) {
        if (!problem.isEmpty())
            MessagePrompt::warn(this, tr("Open Note"),
                                tr("Pinleaf could not open this file as a note "
                                   "file:\n\n%1\n\n%2")
                                    .arg(problem.path, problem.reason));
        return;
    }
    const NoteRecord& first = notes.first();
    RTB1->setText(first.Data);
    SetColor(first.Color);
    setHeight(first.Height);
    setWidth(first.Width);
    lblDate->setText(first.TimeDate);
    setTag(first.SourcePath, {0, first});
    setIsDirty(true);
    for (qsizetype i = 1; i < notes.size(); ++i)
        openStoredNote(notes.at(i), notes.at(i).SourcePath, i);
}

// "&Save" (0) writes to the note's file without asking when it has one; "Save As" (1) always
// asks. A file chosen in the dialog becomes the note's file. Items disabled on a special note
// do nothing.
void frmMain::onSave(int index) {
    if (!isSaveEnabled())
        return;
    const NoteRecord record = toRecord();
    const bool written = !m_tag.isEmpty() && index != 1 ? saveToOwnFile(record) : saveAs(record);
    if (written)
        lblCaption->setText(QStringLiteral(" Pinleaf"));
    setIsDirty(true);
}

// The note goes back to its own place in its file; the file's other notes stay byte for byte.
// When the file no longer holds the note where it was read, nothing is written to it and the
// user may save the note to another file instead.
bool frmMain::saveToOwnFile(const NoteRecord& record) {
    modNote::FileProblem problem;
    switch (modNote::SaveNoteInPlace(record, m_tag, m_filePlace, &problem)) {
    case modNote::PlaceSave::Written:
        return true;
    case modNote::PlaceSave::Failed:
        reportSaveProblem(problem.path, problem.reason);
        return false;
    case modNote::PlaceSave::NotInPlace:
        break;
    }
    const MessagePrompt::Answer answer = MessagePrompt::askYesNo(
        this, tr("Save Note"),
        tr("Pinleaf did not save the note to its file, so nothing in the file is "
           "lost:\n\n%1\n\n%2\n\nSave the note to another file?")
            .arg(problem.path, problem.reason));
    return answer == MessagePrompt::Yes && saveAs(record);
}

// The save dialog asks before it replaces a file. Choosing the note's own file puts the note in
// its place there, as "&Save" does, rather than dropping the file's other notes.
bool frmMain::saveAs(const NoteRecord& record) {
    const QString target = modNote::AskForSaveFile();
    if (target.isEmpty())
        return false;
    if (!m_tag.isEmpty() && sameFile(target, m_tag))
        return saveToOwnFile(record);
    modNote::FileProblem problem;
    modNote::NoteFilePlace place;
    if (modNote::SaveNoteFile(record, target, &problem, &place) == QLatin1String("none")) {
        reportSaveProblem(problem.path, problem.reason);
        return false;
    }
    setTag(target, place);
    return true;
}

void frmMain::reportSaveProblem(const QString& path, const QString& reason) {
    MessagePrompt::warn(this, tr("Save Note"),
                        tr("Pinleaf could not save the note to this file:\n\n%1\n\n%2"
                           "\n\nThe file was left as it was.")
                            .arg(path, reason));
}
