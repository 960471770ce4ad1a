#include "note/DrawnIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QResource>
#include <QtEndian>

#include <algorithm>

namespace {
class DrawnIconEngine : public QIconEngine {
public:
    DrawnIconEngine(const QString& name, const QList<int>& sizes) : m_name(name), m_sizes(sizes) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        if (mode == QIcon::Normal && size.width() == size.height() &&
            m_sizes.contains(size.width())) {
            const QImage drawn = drawnAt(size.width());
            if (!drawn.isNull())
                return QPixmap::fromImage(drawn);
        }
        const QPixmap fromSvg = svg().pixmap(size, mode, state);
        if (!fromSvg.isNull() || m_sizes.isEmpty())
            return fromSvg;
        // No SVG renderer in this build: the largest drawn size, scaled, in the mode asked for.
        const QImage largest = drawnAt(*std::max_element(m_sizes.begin(), m_sizes.end()));
        if (largest.isNull())
            return QPixmap();
        const QPixmap scaled =
            QPixmap::fromImage(largest.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        if (mode == QIcon::Normal)
            return scaled;
        return QIcon(scaled).pixmap(size, mode, state);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int px : m_sizes)
            sizes << QSize(px, px);
        return sizes;
    }

    QString key() const override { return QStringLiteral("pinleaf-drawn"); }
    QIconEngine* clone() const override { return new DrawnIconEngine(m_name, m_sizes); }

private:
    QImage drawnAt(int px) const {
        return readDrawnPixels(QResource(drawnIconPixels(m_name, px)).uncompressedData(), px);
    }

    // The SVG is loaded only when a size without a PNG is asked for.
    const QIcon& svg() {
        if (m_svg.isNull())
            m_svg = QIcon(drawnIconSvg(m_name));
        return m_svg;
    }

    QString m_name;
    QList<int> m_sizes;
    QIcon m_svg;
};
} // namespace

QIcon drawnIcon(const QString& name, const QList<int>& sizes) {
    return QIcon(new DrawnIconEngine(name, sizes));
}

QString drawnIconSvg(const QString& name) {
    return QStringLiteral(":/icons/%1.svg").arg(name);
}

QString drawnIconPixels(const QString& name, int px) {
    const qsizetype slash = name.lastIndexOf(u'/');
    return QStringLiteral(":/icons/%1/drawn/%2-%3.argb")
        .arg(name.left(slash), name.mid(slash + 1))
        .arg(px);
}

QByteArray drawnPixels(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QByteArray data;
    data.reserve(qsizetype(argb.width()) * argb.height() * 4);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const quint32*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            char bytes[4];
            qToLittleEndian(row[x], bytes);
            data.append(bytes, 4);
        }
    }
    return data;
}

QImage readDrawnPixels(const QByteArray& data, int px) {
    if (px <= 0 || data.size() != qsizetype(px) * px * 4)
        return QImage();
    QImage image(px, px, QImage::Format_ARGB32_Premultiplied);
    const char* in = data.constData();
    for (int y = 0; y < px; ++y) {
        auto* row = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < px; ++x, in += 4)
            row[x] = qFromLittleEndian<quint32>(in);
    }
    return image;
}
