#include "note/WebLinks.h"

namespace {

bool isUnreserved(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

// Bytes of one character in the encoded body: itself, or "%XX" for each of its UTF-8 bytes.
qsizetype encodedBytes(char32_t c) {
    if (isUnreserved(c))
        return 1;
    const qsizetype utf8 = c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    return 3 * utf8;
}

} // namespace

namespace WebLinks {

QString MailtoAddress(const QString& to, const QString& body) {
    return QStringLiteral("mailto:") + to + QStringLiteral("?subject=Pinleaf Note&Body=") +
           QString::fromLatin1(QUrl::toPercentEncoding(body));
}

qsizetype MailBodyThatFits(const QString& to, const QString& body, qsizetype maxBytes) {
    qsizetype bytes = QUrl(MailtoAddress(to, QString())).toEncoded().size();
    qsizetype kept = 0;
    while (kept < body.size()) {
        const QChar c = body.at(kept);
        // A pair of surrogates is one character; a lone one is encoded as U+FFFD.
        const bool pair =
            c.isHighSurrogate() && kept + 1 < body.size() && body.at(kept + 1).isLowSurrogate();
        const char32_t code = pair              ? QChar::surrogateToUcs4(c, body.at(kept + 1))
                              : c.isSurrogate() ? char32_t(0xFFFD)
                                                : char32_t(c.unicode());
        bytes += encodedBytes(code);
        if (bytes > maxBytes)
            break;
        kept += pair ? 2 : 1;
    }
    if (kept > 0 && kept < body.size() && body.at(kept - 1) == u'\r' && body.at(kept) == u'\n')
        --kept;
    return kept;
}

QUrl WebSiteUrl(const QString& configured) {
    const QString address = configured.trimmed();
    if (address.contains(QLatin1String("://")))
        return QUrl(address);
    return QUrl(QStringLiteral("https://") + address);
}

} // namespace WebLinks
