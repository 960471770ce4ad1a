#include "platform/WindowIcon.h"

#include <QEvent>
#include <QIcon>
#include <QImage>
#include <QList>
#include <QWidget>

#ifdef PINLEAF_HAVE_XCB
#include "platform/linux/XcbConnection.h"
#endif

namespace {
#ifdef PINLEAF_HAVE_XCB
// The _NET_WM_ICON property of the freedesktop window-manager hints: for every size its width,
// its height and then its pixels, row by row, as non-premultiplied ARGB in 32-bit cardinals.
QList<quint32> netWmIcon(const QIcon& set) {
    QList<quint32> data;
    for (const QSize& size : set.availableSizes()) {
        const QImage image = set.pixmap(size, 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        data << quint32(image.width()) << quint32(image.height());
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const quint32*>(image.constScanLine(y));
            data.append(QList<quint32>(row, row + image.width()));
        }
    }
    return data;
}

// Sends the prepared icon to each native window the widget gets, when the widget is shown on
// it: Qt clears the property while it makes the native window of a widget with no icon of its
// own, and the window manager reads the icon when the window is mapped, just after.
class IconSender : public QObject {
public:
    IconSender(QWidget* window, xcb_connection_t* c, const QIcon& set)
        : QObject(window), m_connection(c), m_data(prepared(set)) {
        window->installEventFilter(this);
        if (window->isVisible())
            send(window);
    }

    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Show)
            send(static_cast<QWidget*>(watched));
        return false;
    }

private:
    static const QList<quint32>& prepared(const QIcon& set) {
        static const QList<quint32> data = netWmIcon(set);
        return data;
    }

    void send(QWidget* window) {
        const WId id = window->internalWinId();
        static const xcb_atom_t atom = XcbConnection::atom("_NET_WM_ICON");
        if (id == m_sentTo || !id || atom == XCB_ATOM_NONE || m_data.isEmpty())
            return;
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, xcb_window_t(id), atom,
                            XCB_ATOM_CARDINAL, 32, uint32_t(m_data.size()), m_data.constData());
        m_sentTo = id;
    }

    xcb_connection_t* m_connection;
    WId m_sentTo = 0;
    const QList<quint32>& m_data;
};
#endif
} // namespace

namespace WindowIcon {
void apply(QWidget* window, const QIcon& set) {
#ifdef PINLEAF_HAVE_XCB
    if (xcb_connection_t* c = XcbConnection::get()) {
        new IconSender(window, c, set);
        return;
    }
#endif
    window->setWindowIcon(set);
}
} // namespace WindowIcon
