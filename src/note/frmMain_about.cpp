// The About command: the program's About dialog, modal, in front of the note that opened it.
#include "note/frmMain.h"

#include "BuildConfig.h"
#include "platform/SessionEnd.h"
#include "platform/TopLevel.h"
#include "platform/frmAbout.h"

#include <QAction>
#include <QPointer>
#include <QWindow>

void frmMain::wireAboutCommand(const NoteMenuItems& m) {
    connect(m.mnuAbout, &QAction::triggered, this, &frmMain::ShowAbout);
}

// The note leaves the topmost band while the dialog is open, so it never covers it, and then
// gets back the placement that its "Always on Top" item shows.
void frmMain::ShowAbout() {
    const QPointer<frmMain> self(this);
    frmAbout* about = frmAbout::Load(QLatin1String(BuildConfig::FeedbackAddress),
                                     QLatin1String(BuildConfig::WebSite));
    if (about->isVisible()) {
        about->raise();
        about->activateWindow();
        return;
    }
    TopLevel::SetWindowTopmost(this, TopLevel::NotTopmost);
    about->centreOn(this);
    // No owner: the dialog outlives a note that goes while it is open. The window system is
    // still told which note it belongs to.
    about->winId();
    if (QWindow* handle = about->windowHandle())
        handle->setTransientParent(windowHandle());
    about->exec();
    // A logoff while the dialog was open has stored the note and is ending the program.
    if (!self || m_close.stored() || SessionEnd::isEnding())
        return;
    TopLevel::SetWindowTopmost(this, isTopChecked() ? TopLevel::Topmost : TopLevel::NotTopmost);
}
