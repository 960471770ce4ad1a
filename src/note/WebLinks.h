#pragma once
#include <QString>
#include <QUrl>

// The addresses that the e-mail and web-site commands hand to the desktop.
namespace WebLinks {

// "mailto:", the address `to`, "?subject=Pinleaf Note&Body=" and `body` percent-encoded as UTF-8.
// Every character but letters, digits and "-._~" is encoded, so no text can end the body and add
// a recipient, a header or an attachment.
QString MailtoAddress(const QString& to, const QString& body);

// How much of `body` a mailto address can hold when the desktop takes addresses of at most
// `maxBytes` bytes as they are handed over (QUrl::toEncoded): the number of its characters from
// the start, cut between whole characters and never between a CR and its LF.
qsizetype MailBodyThatFits(const QString& to, const QString& body, qsizetype maxBytes);

// The web site as the browser needs it: a configured bare host name gets "https://".
QUrl WebSiteUrl(const QString& configured);

} // namespace WebLinks
