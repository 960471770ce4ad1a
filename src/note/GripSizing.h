#pragma once
#include <QPoint>
#include <Qt>

class QEvent;
class QWidget;

// Sizes a window from the grip in its lower-right corner. The left button hands the sizing to the
// window manager where it offers that; any other button, or the left one without a window
// manager, makes the window follow the pointer until that same button is released. The window
// manager is never given a non-left button: it is told that button 1 is held, so only a left
// release would end its sizing.
class GripSizing {
public:
    explicit GripSizing(QWidget* window) : m_window(window) {}

    // Handles a mouse event that the grip received; true when it was one.
    bool handleGripEvent(QEvent* e);

    // The window follows the pointer itself.
    bool tracking() const { return m_button != Qt::NoButton; }

private:
    QWidget* m_window;
    Qt::MouseButton m_button = Qt::NoButton; // the button that sizes while the window tracks
    QPoint m_offset; // the window's size less the pointer's distance from its corner
};
