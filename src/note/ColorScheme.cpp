#include "note/ColorScheme.h"

#include <QCoreApplication>

namespace ColorScheme {

QString caption(int index) {
    return QCoreApplication::translate("ColorScheme", Schemes[index].caption);
}

int indexOf(const QString& name) {
    for (int i = 0; i < int(Schemes.size()); ++i) {
        if (name.compare(QLatin1String(Schemes[i].name), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

quint32 colorValue(const QString& name) {
    const int i = indexOf(name);
    return i < 0 ? 0u : Schemes[i].bgr;
}

quint32 textColorValue(const QString& name) {
    return indexOf(name) < 0 ? 0xFFFFFFu : 0u;
}

} // namespace ColorScheme
