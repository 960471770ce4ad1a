#include "note/NoteControl.h"

#include "note/ImageList.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPixmapCache>
#include <QWidget>

#include <bit>

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
    m_stripKey.clear();
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

QPixmap NoteControl::stripDrawing() const {
    const qreal dpr = pixelRatio();
    if (m_stripKey.isEmpty() || m_stripRatio != dpr) {
        m_stripRatio = dpr;
        // Every note's strip has the same font: its key is made once for all of them.
        static QHash<QFont, QString> fontKeys;
        auto fontKey = fontKeys.constFind(m_font);
        if (fontKey == fontKeys.constEnd())
            fontKey = fontKeys.insert(m_font, m_font.key());
        m_stripKey = QStringLiteral("pinleaf-strip:%1:%2:%3:%4:%5x%6@%7")
                         .arg(m_text, *fontKey)
                         .arg(m_fill.rgba())
                         .arg(m_ink.rgba())
                         .arg(m_geometry.width())
                         .arg(m_geometry.height())
                         .arg(std::bit_cast<quint64>(dpr));
    }
    QPixmap drawing;
    if (!QPixmapCache::find(m_stripKey, &drawing)) {
        drawing = QPixmap(m_geometry.size() * dpr);
        drawing.setDevicePixelRatio(dpr);
        drawing.fill(m_fill);
        QPainter p(&drawing);
        p.setFont(m_font);
        p.setPen(m_ink);
        p.drawText(rect(), TextAlignment, m_text);
        p.end();
        QPixmapCache::insert(m_stripKey, drawing);
    }
    return drawing;
}

void NoteControl::draw(QPainter& p) const {
    if (m_geometry.isEmpty())
        return;
    if (m_fill.isValid()) {
        p.drawPixmap(m_geometry.topLeft(), stripDrawing());
        return;
    }
    if (!m_icon.isNull())
        p.drawPixmap(m_geometry.topLeft(), picture());
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
