#include "note/GripSizing.h"

#include "platform/TopLevel.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

bool GripSizing::handleGripEvent(QEvent* e) {
    const auto* me = static_cast<QMouseEvent*>(e);
    const QPoint global = me->globalPosition().toPoint();
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // A second button during a sizing changes nothing.
        if (tracking())
            return true;
        TopLevel::sizeFreely(m_window);
        if (me->button() == Qt::LeftButton && m_window->windowHandle() &&
            m_window->windowHandle()->startSystemResize(Qt::BottomEdge | Qt::RightEdge))
            return true;
        m_button = me->button();
        m_offset = QPoint(m_window->width(), m_window->height()) - (global - m_window->pos());
        return true;
    case QEvent::MouseMove:
        if (tracking()) {
            const QPoint size = global - m_window->pos() + m_offset;
            m_window->resize(qMax(1, size.x()), qMax(1, size.y()));
        }
        return true;
    case QEvent::MouseButtonRelease:
        if (tracking() && me->button() == m_button) {
            m_button = Qt::NoButton;
            m_window->update();
        }
        return true;
    default:
        return false;
    }
}
