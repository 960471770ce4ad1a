#pragma once
#include <QList>
#include <QPoint>
#include <QRect>

// Keeping a note where the user can see and reach it, whatever a file says. Pure maths: the
// window hands in its own rectangle and the screens' areas, in pixels.
namespace ScreenFit {

// `value` held between `low` and `high`; `low` when the two cross or `value` is not a number.
double bounded(double value, double low, double high);

// Where the top-left corner of `window` goes so that the user can still take hold of it. A window
// whose caption strip (its top `captionHeight` pixels, full width) overlaps any of `areas`, even
// in part, stays where it is. Otherwise it moves onto the nearest area by the shortest way that
// puts the whole strip inside (its left end, for a strip wider than the area). Without areas
// the window stays.
QPoint reachableTopLeft(const QRect& window, int captionHeight, const QList<QRect>& areas);

} // namespace ScreenFit
