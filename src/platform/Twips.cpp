#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cfenv>
#include <cmath>

namespace {
constexpr double TwipsPerInch = 1440.0;
// Twips per pixel at 96 dpi, for a program without a screen.
constexpr double DefaultPerPixel = 15.0;

double perPixel(bool horizontal) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return DefaultPerPixel;
    const double dpi = horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
    return dpi > 0 ? TwipsPerInch / dpi : DefaultPerPixel;
}
} // namespace

namespace Twips {

int round(double v) {
    // nearbyint follows the current rounding mode, which is round-half-even unless changed.
    const int saved = std::fegetround();
    if (saved != FE_TONEAREST)
        std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(v);
    if (saved != FE_TONEAREST)
        std::fesetround(saved);
    return static_cast<int>(r);
}

double perPixelX() {
    return perPixel(true);
}
double perPixelY() {
    return perPixel(false);
}

int toPixelsX(double twips) {
    return round(twips / perPixelX());
}
int toPixelsY(double twips) {
    return round(twips / perPixelY());
}
double fromPixelsX(int px) {
    return px * perPixelX();
}
double fromPixelsY(int px) {
    return px * perPixelY();
}

QRect toPixels(double left, double top, double width, double height) {
    return QRect(toPixelsX(left), toPixelsY(top), toPixelsX(width), toPixelsY(height));
}

double screenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? fromPixelsX(screen->geometry().width()) : 0.0;
}

double screenHeight() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? fromPixelsY(screen->geometry().height()) : 0.0;
}

} // namespace Twips
