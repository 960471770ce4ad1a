#include "platform/WindowEchoes.h"

#include <QWidget>
#include <QWindow>

#ifdef PINLEAF_HAVE_XCB
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include "platform/linux/XcbConnection.h"
#endif

namespace {
#ifdef PINLEAF_HAVE_XCB
// Drops the ConfigureNotify events of windows whose moves are held, and the first
// PropertyNotify of _NET_WM_STATE of windows just shown, before Qt handles them.
class EchoFilter : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if ((m_movesHeld.isEmpty() && m_stateEchoes.isEmpty()) ||
            eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        switch (event->response_type & ~0x80) {
        case XCB_CONFIGURE_NOTIFY:
            return m_movesHeld.contains(
                static_cast<const xcb_configure_notify_event_t*>(message)->window);
        case XCB_PROPERTY_NOTIFY: {
            const auto* property = static_cast<const xcb_property_notify_event_t*>(message);
            return property->atom == m_stateAtom && property->state == XCB_PROPERTY_NEW_VALUE &&
                   m_stateEchoes.remove(property->window);
        }
        default:
            return false;
        }
    }

    QSet<xcb_window_t> m_movesHeld;
    // Where moveHeld() last put each held window.
    QHash<xcb_window_t, QPoint> m_heldPlaces;
    // The event masks the held windows had: without structure notices while held, the X server
    // sends no report of their moves at all.
    QHash<xcb_window_t, uint32_t> m_heldMasks;
    QSet<xcb_window_t> m_stateEchoes;
    xcb_atom_t m_stateAtom = XCB_ATOM_NONE;
};

EchoFilter* filter() {
    if (!XcbConnection::get())
        return nullptr;
    static EchoFilter* instance = [] {
        auto* f = new EchoFilter;
        f->m_stateAtom = XcbConnection::atom("_NET_WM_STATE");
        QCoreApplication::instance()->installNativeEventFilter(f);
        return f;
    }();
    return instance;
}
#endif
} // namespace

namespace WindowEchoes {

void holdMoves(QWidget* window) {
#ifdef PINLEAF_HAVE_XCB
    EchoFilter* f = filter();
    xcb_connection_t* c = f ? XcbConnection::get() : nullptr;
    const auto id = xcb_window_t(window->internalWinId());
    if (!c || !id || f->m_movesHeld.contains(id))
        return;
    f->m_movesHeld.insert(id);
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, id), nullptr);
    if (attributes) {
        const uint32_t mask = attributes->your_event_mask;
        const uint32_t quiet = mask & ~uint32_t(XCB_EVENT_MASK_STRUCTURE_NOTIFY);
        if (quiet != mask) {
            f->m_heldMasks.insert(id, mask);
            xcb_change_window_attributes(c, id, XCB_CW_EVENT_MASK, &quiet);
            xcb_flush(c);
        }
        free(attributes);
    }
#else
    Q_UNUSED(window);
#endif
}

bool moveHeld(QWidget* window, const QPoint& framePos) {
#ifdef PINLEAF_HAVE_XCB
    EchoFilter* f = filter();
    const auto id = xcb_window_t(window->internalWinId());
    if (!f || !f->m_movesHeld.contains(id))
        return false;
    xcb_connection_t* c = XcbConnection::get();
    if (!c)
        return false;
    // Qt asks the window manager to place a widget's frame at its position (north-west gravity);
    // the same request without the size leaves the frame where the widget would have put it.
    const int32_t place[] = {framePos.x(), framePos.y()};
    xcb_configure_window(c, id, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, place);
    xcb_flush(c);
    f->m_heldPlaces.insert(id, framePos);
    return true;
#else
    Q_UNUSED(window);
    Q_UNUSED(framePos);
    return false;
#endif
}

void releaseMoves(QWidget* window) {
#ifdef PINLEAF_HAVE_XCB
    EchoFilter* f = filter();
    const auto id = xcb_window_t(window->internalWinId());
    if (!f || !f->m_movesHeld.remove(id))
        return;
    if (const auto mask = f->m_heldMasks.find(id); mask != f->m_heldMasks.end()) {
        if (xcb_connection_t* c = XcbConnection::get())
            xcb_change_window_attributes(c, id, XCB_CW_EVENT_MASK, &*mask);
        f->m_heldMasks.erase(mask);
    }
    // The widget takes the place the window was moved to, and the window system confirms it.
    if (const auto place = f->m_heldPlaces.find(id); place != f->m_heldPlaces.end()) {
        const QPoint framePos = *place;
        f->m_heldPlaces.erase(place);
        window->move(framePos);
    }
    if (QWindow* handle = window->windowHandle())
        handle->setGeometry(window->geometry());
#else
    Q_UNUSED(window);
#endif
}

void skipStateEcho(QWidget* window) {
#ifdef PINLEAF_HAVE_XCB
    if (EchoFilter* f = filter(); f && f->m_stateAtom != XCB_ATOM_NONE && window->internalWinId())
        f->m_stateEchoes.insert(xcb_window_t(window->internalWinId()));
#else
    Q_UNUSED(window);
#endif
}

} // namespace WindowEchoes
