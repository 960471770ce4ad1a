// Moving the note with the pointer and sizing it from its corner grip.
#include "note/frmMain.h"

#include "platform/TopLevel.h"
#include "platform/Twips.h"
#include "platform/WindowEchoes.h"

#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

// The pointer's position in twips, relative to the pressed control. The control moves with the
// window, so only differences between these positions matter; they are taken from the global
// position and the window's own idea of where it is, which stays right however late the window
// system reports a move.
static QPointF controlPosition(const QPoint& windowPos, const QPoint& origin,
                               const QPointF& globalPos) {
    const QPointF local = globalPos - QPointF(windowPos) - QPointF(origin);
    return QPointF(local.x() * Twips::perPixelX(), local.y() * Twips::perPixelY());
}

void frmMain::startDrag(const QPoint& origin, const QPointF& globalPos) {
    m_raiseOnce.arm();
    WindowEchoes::holdMoves(this);
    const QPointF p = controlPosition(framePos(), origin, globalPos);
    m_docking->StartDockDrag(float(p.x()), float(p.y()));
}

// The first move after a pause is applied at once; further moves within the same frame only
// leave the latest position, applied when the frame ends (or the button is released), so the
// window system gets one move a frame however fast the pointer reports.
void frmMain::continueDrag(const QPoint& origin, const QPointF& globalPos) {
    m_dragOrigin = origin;
    m_dragPos = globalPos;
    if (!m_dragFrame) {
        m_dragFrame = new QTimer(this);
        m_dragFrame->setSingleShot(true);
        m_dragFrame->setTimerType(Qt::PreciseTimer);
        connect(m_dragFrame, &QTimer::timeout, this, &frmMain::onDragFrame);
    }
    if (m_dragFrame->isActive()) {
        m_dragPending = true;
        return;
    }
    applyDrag();
    // One move a frame of the screen; 60 Hz where the screen does not say, and never slower
    // than 20 moves a second.
    constexpr qreal FallbackHz = 60.0;
    constexpr int SlowestFrameMs = 50;
    const qreal hz = screen() && screen()->refreshRate() > 0 ? screen()->refreshRate() : FallbackHz;
    m_dragFrame->start(qBound(1, qRound(1000.0 / hz), SlowestFrameMs));
}

void frmMain::onDragFrame() {
    if (!m_dragPending)
        return;
    applyDrag();
    m_dragFrame->start();
}

void frmMain::applyDrag() {
    m_dragPending = false;
    const QPointF p = controlPosition(framePos(), m_dragOrigin, m_dragPos);
    m_docking->UpdateDockDrag(float(p.x()), float(p.y()));
}

// The left button starts a drag; moves drag only while the left button alone is held.
bool frmMain::handleDragEvent(const QPoint& origin, QEvent* e) {
    const auto* me = static_cast<QMouseEvent*>(e);
    if (e->type() == QEvent::MouseButtonPress && me->button() == Qt::LeftButton) {
        startDrag(origin, me->globalPosition());
        return true;
    }
    if (e->type() == QEvent::MouseMove && me->buttons() == Qt::LeftButton) {
        continueDrag(origin, me->globalPosition());
        return true;
    }
    if (e->type() == QEvent::MouseButtonRelease && me->button() == Qt::LeftButton) {
        if (m_dragPending)
            applyDrag();
        endDrag();
    }
    return false;
}

// The widget takes the place the drag left the window at, and hears of moves again.
void frmMain::endDrag() {
    WindowEchoes::releaseMoves(this);
    m_heldFramePos.reset();
}

// A moved note comes to the top of its band and becomes active. Doing that once per drag is
// enough (nothing else comes above it while the pointer holds it) and halves what a drag costs.
void frmMain::placeWindow(int x, int y, int width, int height) {
    if (QSize(width, height) == size()) {
        if (WindowEchoes::moveHeld(this, QPoint(x, y)))
            m_heldFramePos = QPoint(x, y);
        else
            move(x, y);
    } else {
        // A change of size goes through Qt, which then knows the place again.
        endDrag();
        TopLevel::sizeFreely(this);
        setGeometry(x, y, width, height);
    }
    if (m_raiseOnce.take()) {
        raise();
        activateWindow();
    }
}
