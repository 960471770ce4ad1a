#include "note/DateStamp.h"

#include <QRegularExpression>

namespace {
// The locale's short date, widened to a four-digit year (the short form often has two).
QString dateFormat(const QLocale& locale) {
    QString f = locale.dateFormat(QLocale::ShortFormat);
    if (!f.contains(QLatin1String("yyyy")))
        f.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
    return f;
}

// The locale's short time with seconds added after the minutes where it has none, joined by
// the same separator that stands before the minutes.
QString timeFormat(const QLocale& locale) {
    QString f = locale.timeFormat(QLocale::ShortFormat);
    if (!f.contains(QLatin1Char('s'))) {
        const qsizetype m = f.indexOf(QLatin1String("mm"));
        if (m >= 0) {
            const QChar sep = m > 0 && !f.at(m - 1).isLetter() ? f.at(m - 1) : QLatin1Char(':');
            f.insert(m + 2, QString(sep) + QLatin1String("ss"));
        }
    }
    return f;
}
} // namespace

namespace DateStamp {

QString format(const QDateTime& when, const QLocale& locale) {
    return locale.toString(when.date(), dateFormat(locale)) + QLatin1Char(' ') +
           locale.toString(when.time(), timeFormat(locale));
}

QString now() {
    return format(QDateTime::currentDateTime());
}

} // namespace DateStamp
