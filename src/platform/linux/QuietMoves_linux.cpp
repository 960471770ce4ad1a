#include "platform/QuietMoves.h"

#include <QWidget>
#include <QWindow>

#ifdef PINLEAF_HAVE_XCB
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QSet>

#include <xcb/xcb.h>
#endif

namespace {
#ifdef PINLEAF_HAVE_XCB
// Drops the ConfigureNotify events of the held windows before Qt handles them.
class ConfigureFilter : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (m_held.isEmpty() || eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & ~0x80) != XCB_CONFIGURE_NOTIFY)
            return false;
        const auto* configure = static_cast<const xcb_configure_notify_event_t*>(message);
        return m_held.contains(configure->window);
    }

    QSet<xcb_window_t> m_held;
};

ConfigureFilter* filter() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    static ConfigureFilter* instance = [] {
        auto* f = new ConfigureFilter;
        QCoreApplication::instance()->installNativeEventFilter(f);
        return f;
    }();
    return instance;
}
#endif
} // namespace

namespace QuietMoves {

void hold(QWidget* window) {
#ifdef PINLEAF_HAVE_XCB
    if (ConfigureFilter* f = filter(); f && window->internalWinId())
        f->m_held.insert(xcb_window_t(window->internalWinId()));
#else
    Q_UNUSED(window);
#endif
}

void release(QWidget* window) {
#ifdef PINLEAF_HAVE_XCB
    ConfigureFilter* f = filter();
    if (!f || !f->m_held.remove(xcb_window_t(window->internalWinId())))
        return;
    // The window system confirms the place the widget holds, and Qt's window learns it.
    if (QWindow* handle = window->windowHandle())
        handle->setGeometry(window->geometry());
#else
    Q_UNUSED(window);
#endif
}

} // namespace QuietMoves
