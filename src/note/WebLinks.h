#pragma once
#include <QString>
#include <QUrl>

// The addresses that the e-mail and web-site commands hand to the desktop.
namespace WebLinks {

// "mailto:", the address `to`, "?subject=Pinleaf Note&Body=" and `body` percent-encoded as UTF-8.
// Every character but letters, digits and "-._~" is encoded, so no text can end the body and add
// a recipient, a header or an attachment.
QString MailtoAddress(const QString& to, const QString& body);

// The web site as the browser needs it: a configured bare host name gets "https://".
QUrl WebSiteUrl(const QString& configured);

} // namespace WebLinks
