#include "note/ImageList.h"

#include "note/DrawnIcon.h"

#include <QImage>
#include <QMap>
#include <QPainter>
#include <tuple>
#include <utility>

// The pictures are compiled into the static library, whose resources the linker would drop
// unless something names them.
static void initResources() {
    Q_INIT_RESOURCE(pinleaf);
}

namespace {
// Menu pictures are shown at the style's small icon size, which is 16 pixels at 96 dpi; sharper
// screens draw them from the SVG, or scale the drawn pixels where there is no SVG renderer.
constexpr int MenuPx = 16;

QString menuPictureName(const QString& key) {
    return QStringLiteral("menu/") + key;
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
    static const bool resourcesReady = (initResources(), true);
    Q_UNUSED(resourcesReady);
    static QList<QIcon> pictures;
    if (pictures.isEmpty()) {
        for (const QString& key : keys())
            pictures << drawnIcon(menuPictureName(key), {MenuPx});
    }
    return pictures.at(zeroBased);
}

namespace NotePictures {
namespace {
QIcon drawn(int index) {
    static const bool resourcesReady = (initResources(), true);
    Q_UNUSED(resourcesReady);
    static QList<QIcon> icons;
    if (icons.isEmpty()) {
        for (const Drawn& d : drawnPictures())
            icons << drawnIcon(d.name, d.sizes);
    }
    return icons.at(index);
}
} // namespace

const QList<Drawn>& drawnPictures() {
    static const QList<Drawn> pictures = [] {
        QList<Drawn> list{
            {QStringLiteral("window/pinleaf"), {16, 32, 64}},
            {QStringLiteral("window/imgIcon"), {CaptionPx}},
            {QStringLiteral("window/imgHelp"), {ButtonPx}},
            {QStringLiteral("window/CloseImage"), {ButtonPx}},
            {QStringLiteral("window/imgResize"), {GripPx}},
        };
        for (const QString& key : ImageList::keys())
            list.append({menuPictureName(key), {MenuPx}});
        return list;
    }();
    return pictures;
}

QIcon windowIconSet() {
    return drawn(0);
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
QPixmap onPaper(const QPixmap& picture, const QColor& paper) {
    using Key = std::pair<qint64, QRgb>;
    static QMap<Key, QPixmap> cache;
    const Key key{picture.cacheKey(), paper.rgba()};
    auto it = cache.find(key);
    if (it == cache.end()) {
        QPixmap laid(picture.size());
        laid.setDevicePixelRatio(picture.devicePixelRatio());
        laid.fill(paper);
        QPainter p(&laid);
        p.drawPixmap(QPointF(0, 0), picture);
        p.end();
        it = cache.insert(key, laid);
    }
    return *it;
}
QIcon caption() {
    return drawn(1);
}
QIcon help() {
    return drawn(2);
}
QIcon close() {
    return drawn(3);
}
QIcon resize() {
    return drawn(4);
}
} // namespace NotePictures
