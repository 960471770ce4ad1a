// Note files: "&Open", "&Save" and "Save As".
#include "note/frmMain.h"

#include "platform/MessagePrompt.h"
#include "platform/RichTextBox.h"
#include "store/modNote.h"

#include <QAction>
#include <QCoreApplication>

void frmMain::wireFileCommands(const NoteMenuItems& m) {
    connect(m.mnuOpen, &QAction::triggered, this, &frmMain::onOpen);
    for (int i = 0; i < int(m.mnuSave.size()); ++i)
        connect(m.mnuSave[i], &QAction::triggered, this, [this, i] { onSave(i); });
    connect(m.mnuPrint, &QAction::triggered, this, &frmMain::onPrint);
}

// A window filled from a stored note in the fixed order of its properties, and shown. The text
// and colour go in once: the window skips a new note's own.
frmMain* frmMain::openStoredNote(const NoteRecord& record, const QString& tag) {
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
    w->setTag(tag);
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
    setTag(first.SourcePath);
    setIsDirty(true);
    for (qsizetype i = 1; i < notes.size(); ++i)
        openStoredNote(notes.at(i), notes.at(i).SourcePath);
}

// "&Save" (0) writes to the note's file without asking when it has one; "Save As" (1) always
// asks. A file chosen in the dialog becomes the note's file. Items disabled on a special note
// do nothing.
void frmMain::onSave(int index) {
    if (!isSaveEnabled())
        return;
    const NoteRecord record = toRecord();
    modNote::FileProblem problem;
    QString result;
    if (!m_tag.isEmpty() && index != 1) {
        result = modNote::SaveNoteFile(record, m_tag, &problem);
    } else {
        result = modNote::SaveNoteFile(record, QString(), &problem);
        if (result.compare(QLatin1String("none"), Qt::CaseInsensitive) != 0)
            m_tag = result;
    }
    if (result.compare(QLatin1String("none"), Qt::CaseInsensitive) != 0)
        lblCaption->setText(QStringLiteral(" Pinleaf"));
    setIsDirty(true);
    if (!problem.isEmpty())
        reportSaveProblem(problem.path, problem.reason);
}

void frmMain::reportSaveProblem(const QString& path, const QString& reason) {
    MessagePrompt::warn(this, tr("Save Note"),
                        tr("Pinleaf could not save the note to this file:\n\n%1\n\n%2"
                           "\n\nThe file was left as it was.")
                            .arg(path, reason));
}
