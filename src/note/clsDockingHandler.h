#pragma once
#include <QRect>

#include <functional>

// What the docking handler moves: a window whose outer geometry it reads in twips and places in
// pixels, in one call that also brings it to the top of its band.
class DockTarget {
public:
    virtual ~DockTarget() = default;
    virtual double Left() const = 0;
    virtual double Top() const = 0;
    virtual double Width() const = 0;
    virtual double Height() const = 0;
    virtual void placeWindow(int x, int y, int width, int height) = 0;
};

// The screen as the handler sees it: the primary work area in pixels and the twips-per-pixel
// factors. Tests give their own.
struct DockScreen {
    std::function<QRect()> workArea;
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;

    static DockScreen primary();
};

// Moves a borderless window with the pointer and snaps it to the edges of the work area. A
// caught edge holds the window until the pointer has gone more than SnapDistance from its grab
// point; the caught edges are remembered between drags.
class clsDockingHandler {
public:
    explicit clsDockingHandler(DockScreen screen = DockScreen::primary());

    // The left button went down at (x, y), twips, in the coordinates of the pressed control.
    void StartDockDrag(float x, float y);
    // The pointer moved to (x, y) with only the left button held.
    void UpdateDockDrag(float x, float y);

    DockTarget* ParentForm() const { return m_parentForm; }
    void setParentForm(DockTarget* form) { m_parentForm = form; }
    qint32 SnapDistance() const { return m_snapDistance; }
    void setSnapDistance(qint32 twips) { m_snapDistance = twips; }

    bool dockedRight() const { return m_dockedRight; }
    bool dockedLeft() const { return m_dockedLeft; }
    bool dockedTop() const { return m_dockedTop; }
    bool dockedBottom() const { return m_dockedBottom; }

private:
    DockScreen m_screen;
    DockTarget* m_parentForm = nullptr;
    qint32 m_snapDistance = 0;
    float m_startX = 0;
    float m_startY = 0;
    qint32 m_workLeft = 0;
    qint32 m_workTop = 0;
    qint32 m_workRight = 0;
    qint32 m_workBottom = 0;
    bool m_dockedRight = false;
    bool m_dockedLeft = false;
    bool m_dockedTop = false;
    bool m_dockedBottom = false;
};
