#pragma once
#include <QDateTime>
#include <QLocale>
#include <QString>

// A note's creation stamp: the locale's short date with a four-digit year and its time with
// seconds, e.g. "12/6/2026 9:15:58 AM" in a US locale.
namespace DateStamp {
QString format(const QDateTime& when, const QLocale& locale = QLocale::system());
QString now();
} // namespace DateStamp
