#include "note/WebLinks.h"

namespace WebLinks {

QString MailtoAddress(const QString& to, const QString& body) {
    return QStringLiteral("mailto:") + to + QStringLiteral("?subject=Pinleaf Note&Body=") +
           QString::fromLatin1(QUrl::toPercentEncoding(body));
}

QUrl WebSiteUrl(const QString& configured) {
    const QString address = configured.trimmed();
    if (address.contains(QLatin1String("://")))
        return QUrl(address);
    return QUrl(QStringLiteral("https://") + address);
}

} // namespace WebLinks
