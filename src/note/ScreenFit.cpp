#include "note/ScreenFit.h"

#include <algorithm>
#include <limits>

namespace {

// Squared distance between two rectangles; 0 where they touch or overlap.
qint64 distance(const QRect& a, const QRect& b) {
    const auto gap = [](qint64 start1, qint64 length1, qint64 start2, qint64 length2) {
        return std::max({qint64(0), start2 - (start1 + length1), start1 - (start2 + length2)});
    };
    const qint64 dx = gap(a.x(), a.width(), b.x(), b.width());
    const qint64 dy = gap(a.y(), a.height(), b.y(), b.height());
    return dx * dx + dy * dy;
}

// The start nearest to `start` at which `length` lies within `span` from `low`; `low` itself
// when it is too long to fit.
int fit(int start, int length, int low, int span) {
    return std::max(low, std::min(start, low + span - length));
}

} // namespace

namespace ScreenFit {

double bounded(double value, double low, double high) {
    if (!(value >= low)) // also a value that is not a number
        return low;
    return value > high ? std::max(high, low) : value;
}

QPoint reachableTopLeft(const QRect& window, int captionHeight, const QList<QRect>& areas) {
    const QRect strip(window.topLeft(),
                      QSize(std::max(window.width(), 1), std::max(captionHeight, 1)));
    const QRect* nearest = nullptr;
    qint64 best = std::numeric_limits<qint64>::max();
    for (const QRect& area : areas) {
        if (area.isEmpty())
            continue;
        if (area.intersects(strip))
            return window.topLeft();
        const qint64 d = distance(strip, area);
        if (d < best) {
            best = d;
            nearest = &area;
        }
    }
    if (!nearest)
        return window.topLeft();
    return QPoint(fit(strip.x(), strip.width(), nearest->x(), nearest->width()),
                  fit(strip.y(), strip.height(), nearest->y(), nearest->height()));
}

} // namespace ScreenFit
