#include "platform/ProgramVersion.h"

#include <QCoreApplication>
#include <QStringList>

ProgramVersion ProgramVersion::parse(const QString& text) {
    const QStringList parts = text.trimmed().split(QLatin1Char('.'));
    const auto number = [&parts](int i) {
        bool ok = false;
        const int n = i < parts.size() ? parts[i].toInt(&ok) : 0;
        return ok && n >= 0 ? n : 0;
    };
    return {number(0), number(1), number(2)};
}

ProgramVersion ProgramVersion::current() {
    return parse(QCoreApplication::applicationVersion());
}
