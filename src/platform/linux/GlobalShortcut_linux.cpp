// The X11 side of global shortcuts: passive key grabs on the root windows, one for each
// combination of the lock modifiers, and the presses read from Qt's event stream.
#include "platform/GlobalShortcut.h"

#include "platform/ShortcutKeys.h"

#include <QGuiApplication>

#ifdef PINLEAF_HAVE_XCB
#include "platform/linux/XcbConnection.h"

#include <QAbstractNativeEventFilter>
#include <QList>

#include <cstdlib>
#include <utility>

namespace {

ShortcutKeys::X11Keymap readKeymap(xcb_connection_t* c) {
    ShortcutKeys::X11Keymap map;
    const xcb_setup_t* setup = xcb_get_setup(c);
    map.firstKeycode = setup->min_keycode;
    const auto keyboardCookie = xcb_get_keyboard_mapping(
        c, setup->min_keycode, uint8_t(setup->max_keycode - setup->min_keycode + 1));
    const auto modifierCookie = xcb_get_modifier_mapping(c);
    if (auto* keyboard = xcb_get_keyboard_mapping_reply(c, keyboardCookie, nullptr)) {
        map.keysymsPerKeycode = keyboard->keysyms_per_keycode;
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(keyboard);
        const int length = xcb_get_keyboard_mapping_keysyms_length(keyboard);
        map.keysyms = QList<std::uint32_t>(syms, syms + length);
        std::free(keyboard);
    }
    if (auto* modifiers = xcb_get_modifier_mapping_reply(c, modifierCookie, nullptr)) {
        map.keycodesPerModifier = modifiers->keycodes_per_modifier;
        const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(modifiers);
        const int length = xcb_get_modifier_mapping_keycodes_length(modifiers);
        map.modifierKeycodes = QList<std::uint8_t>(codes, codes + length);
        std::free(modifiers);
    }
    return map;
}

QList<xcb_window_t> rootWindows(xcb_connection_t* c) {
    QList<xcb_window_t> roots;
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(c)); it.rem; xcb_screen_next(&it))
        roots << it.data->root;
    return roots;
}

} // namespace

struct GlobalShortcut::Native : QAbstractNativeEventFilter {
    explicit Native(GlobalShortcut* shortcut) : owner(shortcut) {}

    ~Native() override {
        // At the program's end the connection may already be gone; closing it gives the grabs
        // back anyway.
        if (!QCoreApplication::instance())
            return;
        QCoreApplication::instance()->removeNativeEventFilter(this);
        release();
    }

    void release() {
        xcb_connection_t* c = XcbConnection::get();
        if (!c)
            return;
        for (const auto& [root, mask] : std::as_const(grabbed))
            xcb_ungrab_key(c, keycode, root, mask);
        grabbed.clear();
        xcb_flush(c);
    }

    // Every press of the key that a grab brings to a root window, whatever locks are on. The
    // event goes on to Qt, which takes its time stamp for the window the note then activates
    // (no window of Qt's is the root, so it goes no further).
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (grabbed.isEmpty() || eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        const uint8_t type = event->response_type & ~0x80;
        if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
            return false;
        const auto* key = static_cast<const xcb_key_press_event_t*>(message);
        // The grab reports to the root window; the same key typed into one of the program's own
        // windows (no grab of its state) reports to that window and is that window's.
        if (key->detail != keycode || key->event != key->root || !roots.contains(key->root))
            return false;
        if (type == XCB_KEY_RELEASE) {
            held = false;
            releasedAt = key->time;
            return false;
        }
        // A held key repeats: as presses alone (Qt asks for detectable auto-repeat) or as a
        // release and a press with one time stamp.
        const bool repeat = held || key->time == releasedAt;
        held = true;
        if (!repeat && (key->state & 0xff & ~locks) == modifiers)
            owner->pressed();
        return false;
    }

    GlobalShortcut* owner;
    xcb_keycode_t keycode = 0;
    uint16_t modifiers = 0;
    uint16_t locks = 0;
    QList<xcb_window_t> roots;
    QList<std::pair<xcb_window_t, uint16_t>> grabbed;
    bool held = false;
    xcb_timestamp_t releasedAt = 0;
};

void GlobalShortcut::take(int key, Qt::KeyboardModifiers modifiers) {
    const QString name = m_sequence.toString(QKeySequence::NativeText);
    xcb_connection_t* c = XcbConnection::get();
    if (!c) {
        setStatus(Unavailable, tr("This desktop (%1) gives programs no shortcuts of their own; "
                                  "they need an X11 session.")
                                   .arg(QGuiApplication::platformName()));
        return;
    }
    const ShortcutKeys::X11Keymap keymap = readKeymap(c);
    auto native = std::make_unique<Native>(this);
    native->keycode = keymap.keycodeOf(ShortcutKeys::x11Keysym(key));
    native->modifiers = keymap.modifiers(modifiers);
    native->locks = keymap.lockMask();
    native->roots = rootWindows(c);
    if (native->keycode == 0) {
        setStatus(Unavailable, tr("The keyboard has no key for %1.").arg(name));
        return;
    }
    // All requests first, then their answers: one round trip, not one per grab.
    QList<std::pair<std::pair<xcb_window_t, uint16_t>, xcb_void_cookie_t>> requests;
    for (const xcb_window_t root : std::as_const(native->roots)) {
        for (const uint16_t lock : ShortcutKeys::lockCombinations(native->locks)) {
            const uint16_t mask = native->modifiers | lock;
            requests.append({{root, mask},
                             xcb_grab_key_checked(c, 0, root, mask, native->keycode,
                                                  XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC)});
        }
    }
    bool taken = false;
    int otherError = 0;
    for (const auto& [grab, cookie] : std::as_const(requests)) {
        if (xcb_generic_error_t* error = xcb_request_check(c, cookie)) {
            if (error->error_code == XCB_ACCESS)
                taken = true;
            else
                otherError = error->error_code;
            std::free(error);
        } else {
            native->grabbed << grab;
        }
    }
    if (taken || otherError) {
        // Half a shortcut (working only with some locks on) would be worse than none.
        native->release();
        if (taken)
            setStatus(Taken, QString());
        else
            setStatus(Unavailable,
                      tr("The X server refused %1 (error %2).").arg(name).arg(otherError));
        return;
    }
    xcb_flush(c);
    QCoreApplication::instance()->installNativeEventFilter(native.get());
    m_native.reset(native.release());
    setStatus(Active, QString());
}

#else

struct GlobalShortcut::Native {};

void GlobalShortcut::take(int, Qt::KeyboardModifiers) {
    setStatus(Unavailable, tr("This build of Pinleaf has no shortcuts of the whole desktop."));
}

#endif

void GlobalShortcut::NativeDeleter::operator()(Native* native) const {
    delete native;
}
