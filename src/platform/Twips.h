#pragma once
#include <QRect>

// Model geometry is kept in twips (1/1440 inch), as note files and settings store it; the window
// system works in pixels. This is the one place that converts between the two.
namespace Twips {

// Rounds to the nearest integer, an exact half to the even neighbour.
int round(double v);

// Twips per pixel of the primary screen (15 at 96 dpi), horizontally and vertically.
double perPixelX();
double perPixelY();

int toPixelsX(double twips);
int toPixelsY(double twips);
double fromPixelsX(int px);
double fromPixelsY(int px);

// A rectangle given in twips, in pixels.
QRect toPixels(double left, double top, double width, double height);

// The primary screen's full size and its work area, in twips.
double screenWidth();
double screenHeight();

} // namespace Twips
