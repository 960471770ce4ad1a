#include "note/ImageList.h"

#include <QHash>

// The pictures are compiled into the static library, whose resources the linker would drop
// unless something names them.
static void initResources() {
    Q_INIT_RESOURCE(pinleaf);
}

namespace {
QIcon cachedIcon(const QString& path) {
    static const bool resourcesReady = (initResources(), true);
    Q_UNUSED(resourcesReady);
    static QHash<QString, QIcon> cache;
    auto it = cache.find(path);
    if (it == cache.end())
        it = cache.insert(path, QIcon(path));
    return *it;
}
} // namespace

const QStringList& ImageList::keys() {
    static const QStringList k{
        QStringLiteral("About"),     QStringLiteral("Paste"),     QStringLiteral("Normal"),
        QStringLiteral("Save"),      QStringLiteral("Help"),      QStringLiteral("NewNote"),
        QStringLiteral("Print"),     QStringLiteral("Italic"),    QStringLiteral("Copy"),
        QStringLiteral("Cut"),       QStringLiteral("Underline"), QStringLiteral("Undo"),
        QStringLiteral("Bold"),      QStringLiteral("Clear"),     QStringLiteral("Color"),
        QStringLiteral("Open"),      QStringLiteral("Restore"),   QStringLiteral("Fullsize"),
        QStringLiteral("Font"),      QStringLiteral("Email"),     QStringLiteral("Strike"),
        QStringLiteral("FontStyle"), QStringLiteral("Minimize"),  QStringLiteral("Ontop"),
    };
    return k;
}

int ImageList::index(const QString& key) const {
    const QStringList& k = keys();
    for (int i = 0; i < k.size(); ++i) {
        if (k.at(i).compare(key, Qt::CaseInsensitive) == 0)
            return i + 1;
    }
    return 0;
}

QIcon ImageList::picture(int zeroBased) const {
    if (zeroBased < 0 || zeroBased >= count())
        return QIcon();
    static QList<QIcon> pictures;
    if (pictures.isEmpty()) {
        for (const QString& key : keys())
            pictures << cachedIcon(QStringLiteral(":/icons/menu/%1.svg").arg(key));
    }
    return pictures.at(zeroBased);
}

namespace NotePictures {
QIcon windowIcon() {
    return cachedIcon(QStringLiteral(":/icons/window/pinleaf.svg"));
}
QIcon caption() {
    return cachedIcon(QStringLiteral(":/icons/window/imgIcon.svg"));
}
QIcon help() {
    return cachedIcon(QStringLiteral(":/icons/window/imgHelp.svg"));
}
QIcon close() {
    return cachedIcon(QStringLiteral(":/icons/window/CloseImage.svg"));
}
QIcon resize() {
    return cachedIcon(QStringLiteral(":/icons/window/imgResize.svg"));
}
} // namespace NotePictures
