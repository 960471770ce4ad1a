// E-mail and the web site: addresses handed to the desktop's mail program and browser.
#include "note/frmMain.h"

#include "BuildConfig.h"
#include "note/WebLinks.h"
#include "platform/MessagePrompt.h"
#include "platform/RichTextBox.h"
#include "platform/UrlOpener.h"

#include <QAction>

void frmMain::wireMailCommands(const NoteMenuItems& m) {
    connect(m.mnuEmail, &QAction::triggered, this, [this] { EmailText(RTB1->text()); });
    connect(m.mnuEmailSelection, &QAction::triggered, this, [this] { EmailText(RTB1->selText()); });
    connect(m.mnuTarvo, &QAction::triggered, this, &frmMain::openWebSite);
}

// A new message to the maker with the text as its body; formatting is not sent.
void frmMain::EmailText(const QString& text) {
    const QString to = QLatin1String(BuildConfig::FeedbackAddress);
    if (UrlOpener::current()->open(QUrl(WebLinks::MailtoAddress(to, text))))
        return;
    MessagePrompt::warn(this, tr("Email"),
                        tr("No e-mail program is set up on this computer to write "
                           "the message to %1.")
                            .arg(to));
}

void frmMain::openWebSite() {
    const QUrl site = WebLinks::WebSiteUrl(QLatin1String(BuildConfig::WebSite));
    if (UrlOpener::current()->open(site))
        return;
    MessagePrompt::warn(
        this, tr("Tarvo Website"),
        tr("No web browser is set up on this computer to open %1.").arg(site.toString()));
}
