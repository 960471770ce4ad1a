// E-mail and the web site: addresses handed to the desktop's mail program and browser.
#include "note/frmMain.h"

#include "BuildConfig.h"
#include "note/WebLinks.h"
#include "platform/MessagePrompt.h"
#include "platform/Notice.h"
#include "platform/RichTextBox.h"
#include "platform/UrlOpener.h"

#include <QAction>
#include <QPointer>

void frmMain::wireMailCommands(const NoteMenuItems& m) {
    connect(m.mnuEmail, &QAction::triggered, this, [this] { EmailText(RTB1->text()); });
    connect(m.mnuEmailSelection, &QAction::triggered, this, [this] { EmailText(RTB1->selText()); });
    connect(m.mnuTarvo, &QAction::triggered, this, &frmMain::openWebSite);
}

// A new message to the maker with the text as its body; formatting is not sent. A body too long
// for the desktop to take goes as far as it fits, and the user is told. A desktop that takes the
// address and then finds no mail program says so later.
void frmMain::EmailText(const QString& text) {
    const QString to = QLatin1String(BuildConfig::FeedbackAddress);
    const std::shared_ptr<UrlOpener> opener = UrlOpener::current();
    const qsizetype kept = WebLinks::MailBodyThatFits(to, text, opener->maxAddressBytes());
    const QPointer<frmMain> self(this);
    const auto failed = [self, to](const QString& reason) {
        Notice::show(tr("Email"),
                     tr("The message to %1 was not written: no e-mail program took it.\n\n%2")
                         .arg(to, reason),
                     self);
    };
    if (!opener->open(QUrl(WebLinks::MailtoAddress(to, text.left(kept))), failed)) {
        MessagePrompt::warn(this, tr("Email"),
                            tr("No e-mail program is set up on this computer to write "
                               "the message to %1.")
                                .arg(to));
        return;
    }
    if (kept < text.size())
        Notice::show(tr("Email"),
                     tr("The note is too long to go whole into an e-mail message: the message "
                        "holds its first %1 of %2 characters.")
                         .arg(kept)
                         .arg(text.size()),
                     this);
}

void frmMain::openWebSite() {
    const QUrl site = WebLinks::WebSiteUrl(QLatin1String(BuildConfig::WebSite));
    const QPointer<frmMain> self(this);
    const auto failed = [self, site](const QString& reason) {
        Notice::show(
            tr("Tarvo Website"),
            tr("%1 was not opened: no web browser took it.\n\n%2").arg(site.toString(), reason),
            self);
    };
    if (UrlOpener::current()->open(site, failed))
        return;
    MessagePrompt::warn(
        this, tr("Tarvo Website"),
        tr("No web browser is set up on this computer to open %1.").arg(site.toString()));
}
