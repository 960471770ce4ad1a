// The Windows side of global shortcuts: a hot key of this thread (RegisterHotKey), whose
// WM_HOTKEY messages come through Qt's event dispatcher.
#include "platform/GlobalShortcut.h"

#include "platform/ShortcutKeys.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

#include <windows.h>

namespace {
// Hot-key numbers a program may choose lie below 0xC000; each shortcut takes its own.
int nextHotKeyId() {
    static int last = 0;
    last = last % 0xBFFF + 1;
    return last;
}
} // namespace

struct GlobalShortcut::Native : QAbstractNativeEventFilter {
    explicit Native(GlobalShortcut* shortcut) : owner(shortcut) {}

    ~Native() override {
        if (QCoreApplication::instance())
            QCoreApplication::instance()->removeNativeEventFilter(this);
        UnregisterHotKey(nullptr, id);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "windows_generic_MSG")
            return false;
        const auto* msg = static_cast<const MSG*>(message);
        if (msg->message != WM_HOTKEY || msg->wParam != WPARAM(id))
            return false;
        owner->pressed();
        return true;
    }

    GlobalShortcut* owner;
    int id = nextHotKeyId();
};

void GlobalShortcut::take(int key, Qt::KeyboardModifiers modifiers) {
    const QString name = m_sequence.toString(QKeySequence::NativeText);
    auto native = std::make_unique<Native>(this);
    // A held key sends one message, not one per repeat.
    const UINT flags = UINT(ShortcutKeys::windowsModifiers(modifiers)) | MOD_NOREPEAT;
    if (!RegisterHotKey(nullptr, native->id, flags, UINT(ShortcutKeys::windowsVirtualKey(key)))) {
        const DWORD error = GetLastError();
        // Nothing was registered: the destructor's UnregisterHotKey has nothing to give back.
        if (error == ERROR_HOTKEY_ALREADY_REGISTERED)
            setStatus(Taken, QString());
        else
            setStatus(Unavailable,
                      tr("Windows refused %1 (error %2).").arg(name).arg(qulonglong(error)));
        return;
    }
    QCoreApplication::instance()->installNativeEventFilter(native.get());
    m_native.reset(native.release());
    setStatus(Active, QString());
}

void GlobalShortcut::NativeDeleter::operator()(Native* native) const {
    delete native;
}
