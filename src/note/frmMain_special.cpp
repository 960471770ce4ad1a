// Special notes: the note's text is the time, the memory figures or the drive list, rewritten
// on the window's timer.
#include "note/frmMain.h"

#include "platform/RichTextBox.h"
#include "special/modSpecialNote.h"

#include <QAction>
#include <QTimer>

void frmMain::wireSpecialCommands(const NoteMenuItems& m) {
    connect(m.mnuSNTime, &QAction::triggered, this, [this] { DisplaySpecialNote(TimeNote); });
    connect(m.mnuComputerMemory, &QAction::triggered, this,
            [this] { DisplaySpecialNote(MemoryNote); });
    connect(m.mnuDrives, &QAction::triggered, this, [this] { DisplaySpecialNote(DrivesNote); });
    connect(Timer1, &QTimer::timeout, this, &frmMain::refreshSpecialNote);
}

void frmMain::refreshSpecialNote() {
    m_refreshing = true;
    DisplaySpecialNote(m_noteType);
    m_refreshing = false;
}

// The timer is stopped while the text is rebuilt and started afresh with the kind's interval,
// so refreshes never overlap and a change of kind takes the new interval at once.
void frmMain::DisplaySpecialNote(qint32 enNoteType) {
    void (*write)(RichTextBox&) = nullptr;
    int interval = 0;
    switch (enNoteType) {
    case TimeNote:
        write = modSpecialNote::ShowTimeNote;
        interval = TimeRefreshMs;
        break;
    case MemoryNote:
        write = modSpecialNote::ShowMemoryNote;
        interval = FiguresRefreshMs;
        break;
    case DrivesNote:
        write = modSpecialNote::ShowDrivesNote;
        interval = FiguresRefreshMs;
        break;
    default:
        return;
    }
    Timer1->stop();
    write(*RTB1);
    m_noteType = enNoteType;
    RTB1->setReadOnly(true);
    setIsDirty(true);
    setSaveEnabled(false);
    Timer1->setInterval(interval);
    Timer1->start();
}
