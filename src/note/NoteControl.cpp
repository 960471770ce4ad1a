#include "note/NoteControl.h"

#include "note/ImageList.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPixmapCache>
#include <QWidget>

namespace {
constexpr Qt::Alignment TextAlignment = Qt::AlignLeft | Qt::AlignVCenter;
}

void NoteControl::setGeometry(const QRect& geometry) {
    if (geometry == m_geometry)
        return;
    m_window->update(m_geometry);
    m_geometry = geometry;
    changed();
}

QPoint NoteControl::mapToGlobal(const QPoint& local) const {
    return m_window->mapToGlobal(m_geometry.topLeft() + local);
}

void NoteControl::setText(const QString& text) {
    if (text == m_text)
        return;
    m_text = text;
    changed();
}

void NoteControl::setFont(const QFont& font) {
    m_font = font;
    changed();
}

void NoteControl::setPicture(const QIcon& icon, int drawnPx) {
    m_icon = icon;
    m_drawnPx = drawnPx;
    m_picture = QPixmap();
    changed();
}

void NoteControl::setStrip(const QColor& fill, const QColor& ink) {
    m_fill = fill;
    m_ink = ink;
    changed();
}

// Whatever changes, the control is drawn again and its cached measures are made anew.
void NoteControl::changed() {
    m_stripKey = QPixmapCache::Key();
    m_ascent = -1;
    m_window->update(m_geometry);
}

qreal NoteControl::pixelRatio() const {
    return m_window->devicePixelRatioF();
}

QPixmap NoteControl::picture() const {
    if (m_icon.isNull())
        return QPixmap();
    const qreal dpr = pixelRatio();
    const QSize target = m_geometry.size() * dpr;
    if (!target.isEmpty() && (m_picture.size() != target || m_picture.devicePixelRatio() != dpr))
        m_picture = NotePictures::scaledPicture(m_icon, m_drawnPx, target, dpr);
    return m_picture;
}

namespace {
// What a strip's drawing shows; strips that look alike share one drawing.
struct StripLook {
    QString text;
    QFont font;
    QRgb fill;
    QRgb ink;
    QSize size;
    qreal dpr;
    bool operator==(const StripLook&) const = default;
};
size_t qHash(const StripLook& look, size_t seed = 0) {
    return qHashMulti(seed, look.text, look.font, look.fill, look.ink, look.size.width(),
                      look.size.height(), look.dpr);
}
} // namespace

QPixmap NoteControl::stripDrawing() const {
    const qreal dpr = pixelRatio();
    QPixmap drawing;
    if (m_stripRatio == dpr && QPixmapCache::find(m_stripKey, &drawing))
        return drawing;
    m_stripRatio = dpr;
    // Drawings are found by what they show, without a text key to build for every control; the
    // cache may have let a drawing go, which is then drawn again.
    static QHash<StripLook, QPixmapCache::Key> shared;
    const StripLook look{m_text, m_font, m_fill.rgba(), m_ink.rgba(), m_geometry.size(), dpr};
    if (const auto known = shared.constFind(look);
        known != shared.cend() && QPixmapCache::find(*known, &drawing)) {
        m_stripKey = *known;
        return drawing;
    }
    drawing = QPixmap(m_geometry.size() * dpr);
    drawing.setDevicePixelRatio(dpr);
    drawing.fill(m_fill);
    QPainter p(&drawing);
    p.setFont(m_font);
    p.setPen(m_ink);
    p.drawText(rect(), TextAlignment, m_text);
    p.end();
    // A note resized a step at a time leaves a drawing for every width it passed through.
    if (shared.size() >= 64)
        shared.clear();
    m_stripKey = QPixmapCache::insert(drawing);
    shared.insert(look, m_stripKey);
    return drawing;
}

void NoteControl::draw(QPainter& p, const QColor& paper) const {
    if (m_geometry.isEmpty())
        return;
    if (m_fill.isValid()) {
        p.drawPixmap(m_geometry.topLeft(), stripDrawing());
        return;
    }
    if (const QPixmap drawing = picture(); !drawing.isNull())
        p.drawPixmap(m_geometry.topLeft(),
                     paper.isValid() ? NotePictures::onPaper(drawing, paper) : drawing);
    if (!m_text.isEmpty())
        drawText(p);
}

// One line, left-aligned and centred vertically, kept within the control: drawn from its
// baseline, without the line layout that a rectangle and alignment flags would ask for.
void NoteControl::drawText(QPainter& p) const {
    if (m_ascent < 0) {
        const QFontMetricsF metrics(m_font);
        m_ascent = metrics.ascent();
        m_textHeight = metrics.height();
    }
    p.save();
    p.setClipRect(m_geometry, Qt::IntersectClip);
    p.setFont(m_font);
    p.setPen(m_window->palette().color(QPalette::WindowText));
    p.drawText(QPointF(m_geometry.left(),
                       m_geometry.top() + (m_geometry.height() - m_textHeight) / 2 + m_ascent),
               m_text);
    p.restore();
}
