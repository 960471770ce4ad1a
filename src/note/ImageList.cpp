#include "note/ImageList.h"

#include <QHash>
#include <QImage>
#include <QMap>
#include <tuple>

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
// The sizes in pixels of the window icon as the window system is given it.
constexpr int WindowIconSizes[] = {16, 32, 64, 128};

QIcon windowIcon() {
    return cachedIcon(QStringLiteral(":/icons/window/pinleaf.svg"));
}
QIcon windowIconSet() {
    static const QIcon set = [] {
        const QIcon svg = windowIcon();
        QIcon icon;
        for (int px : WindowIconSizes)
            icon.addPixmap(svg.pixmap(QSize(px, px), 1.0));
        return icon;
    }();
    return set;
}
QPixmap scaledPicture(const QIcon& icon, int drawnPx, const QSize& target, qreal dpr) {
    using Key = std::tuple<qint64, int, int, int, qreal>;
    static QMap<Key, QPixmap> cache;
    const Key key{icon.cacheKey(), drawnPx, target.width(), target.height(), dpr};
    auto it = cache.find(key);
    if (it == cache.end()) {
        const QImage drawn = icon.pixmap(QSize(drawnPx, drawnPx), dpr).toImage();
        QPixmap scaled = QPixmap::fromImage(
            drawn.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        scaled.setDevicePixelRatio(dpr);
        it = cache.insert(key, scaled);
    }
    return *it;
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
