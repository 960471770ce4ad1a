#include "note/clsDockingHandler.h"

#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cstdlib>

DockScreen DockScreen::primary() {
    DockScreen s;
    s.workArea = [] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->availableGeometry() : QRect();
    };
    s.twipsPerPixelX = Twips::perPixelX();
    s.twipsPerPixelY = Twips::perPixelY();
    return s;
}

// Until told otherwise the handler snaps within this many pixels of an edge.
constexpr double DefaultSnapPixels = 10;

clsDockingHandler::clsDockingHandler(DockScreen screen)
    : m_screen(std::move(screen)),
      m_snapDistance(Twips::round(DefaultSnapPixels * m_screen.twipsPerPixelX)) {}

void clsDockingHandler::StartDockDrag(float x, float y) {
    // The work area is read at each press and kept for the whole drag.
    const QRect area = m_screen.workArea ? m_screen.workArea() : QRect();
    const double fx = m_screen.twipsPerPixelX;
    const double fy = m_screen.twipsPerPixelY;
    m_workTop = Twips::round(area.top() * fy);
    m_workLeft = Twips::round(area.left() * fx);
    // The work area's right and bottom are the edges just past its last pixel.
    m_workBottom = Twips::round((area.top() + area.height()) * fy);
    m_workRight = Twips::round((area.left() + area.width()) * fx);
    m_startX = x;
    m_startY = y;
}

void clsDockingHandler::UpdateDockDrag(float x, float y) {
    if (!m_parentForm)
        return;
    const int dx = Twips::round(x - m_startX);
    const int dy = Twips::round(y - m_startY);
    if (dx == 0 && dy == 0)
        return;

    const double left = m_parentForm->Left();
    const double top = m_parentForm->Top();
    const double width = m_parentForm->Width();
    const double height = m_parentForm->Height();
    double newLeft = Twips::round(left + dx);
    double newTop = Twips::round(top + dy);

    // All four gaps are measured before any edge moves the window; positive is inside.
    const double rightGap = m_workRight - (width + newLeft);
    const double leftGap = newLeft - m_workLeft;
    const double bottomGap = m_workBottom - (height + newTop);
    const double topGap = newTop - m_workTop;

    // Edges in a fixed order, so top beats bottom and left beats right.
    const auto edge = [this](bool& docked, double gap, double& coordinate, double flush,
                             double current) {
        const bool near = std::abs(gap) <= m_snapDistance;
        if (!docked && near) {
            coordinate = flush;
            docked = true;
        } else if (docked && !near) {
            docked = false;
        } else if (docked && near) {
            coordinate = current;
        }
    };
    edge(m_dockedBottom, bottomGap, newTop, m_workBottom - height, top);
    edge(m_dockedTop, topGap, newTop, m_workTop, top);
    edge(m_dockedRight, rightGap, newLeft, m_workRight - width, left);
    edge(m_dockedLeft, leftGap, newLeft, m_workLeft, left);

    const double fx = m_screen.twipsPerPixelX;
    const double fy = m_screen.twipsPerPixelY;
    m_parentForm->placeWindow(Twips::round(newLeft / fx), Twips::round(newTop / fy),
                              Twips::round(width / fx), Twips::round(height / fy));
}
