#include "note/NoteLabel.h"

#include "note/ImageList.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPixmapCache>

namespace {
constexpr Qt::Alignment TextAlignment = Qt::AlignLeft | Qt::AlignVCenter;
}

NoteLabel::NoteLabel(QWidget* parent) : QWidget(parent) {}

void NoteLabel::setText(const QString& text) {
    if (text == m_text)
        return;
    m_text = text;
    update();
}

void NoteLabel::setPicture(const QIcon& icon, int drawnPx) {
    m_icon = icon;
    m_drawnPx = drawnPx;
    m_picture = QPixmap();
    update();
}

QPixmap NoteLabel::picture() const {
    if (m_icon.isNull())
        return QPixmap();
    const qreal dpr = devicePixelRatioF();
    const QSize target = size() * dpr;
    if (!target.isEmpty() && (m_picture.size() != target || m_picture.devicePixelRatio() != dpr))
        m_picture = NotePictures::scaledPicture(m_icon, m_drawnPx, target, dpr);
    return m_picture;
}

void NoteLabel::setStrip(const QColor& fill, const QColor& ink) {
    m_fill = fill;
    m_ink = ink;
    setAttribute(Qt::WA_OpaquePaintEvent);
    update();
}

QPixmap NoteLabel::stripDrawing() const {
    const qreal dpr = devicePixelRatioF();
    const QString key =
        QStringLiteral("pinleaf-strip:%1:%2:%3:%4:%5x%6@%7")
            .arg(m_text, font().key(), m_fill.name(QColor::HexArgb), m_ink.name(QColor::HexArgb))
            .arg(width())
            .arg(height())
            .arg(dpr);
    QPixmap drawing;
    if (!QPixmapCache::find(key, &drawing)) {
        drawing = QPixmap(size() * dpr);
        drawing.setDevicePixelRatio(dpr);
        drawing.fill(m_fill);
        QPainter p(&drawing);
        p.setFont(font());
        p.setPen(m_ink);
        p.drawText(rect(), TextAlignment, m_text);
        p.end();
        QPixmapCache::insert(key, drawing);
    }
    return drawing;
}

void NoteLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (m_fill.isValid()) {
        p.drawPixmap(0, 0, stripDrawing());
        return;
    }
    if (!m_icon.isNull())
        p.drawPixmap(0, 0, picture());
    if (!m_text.isEmpty()) {
        p.setPen(palette().color(QPalette::WindowText));
        // One line, left-aligned and centred vertically: drawn from its baseline, without the
        // line layout that a rectangle and alignment flags would ask for.
        const QFontMetricsF metrics(font());
        p.drawText(QPointF(0, (height() - metrics.height()) / 2 + metrics.ascent()), m_text);
    }
}
