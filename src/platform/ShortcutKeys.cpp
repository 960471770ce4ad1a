#include "platform/ShortcutKeys.h"

#include <QCoreApplication>

namespace {

// The keys besides letters, digits and function keys, with their X11 keysym and Windows
// virtual-key code.
struct NamedKey {
    Qt::Key qt;
    std::uint32_t keysym;
    std::uint32_t virtualKey;
};
constexpr NamedKey NamedKeys[] = {
    {Qt::Key_Space, 0x0020, 0x20},     {Qt::Key_Return, 0xff0d, 0x0d},
    {Qt::Key_Tab, 0xff09, 0x09},       {Qt::Key_Escape, 0xff1b, 0x1b},
    {Qt::Key_Backspace, 0xff08, 0x08}, {Qt::Key_Insert, 0xff63, 0x2d},
    {Qt::Key_Delete, 0xffff, 0x2e},    {Qt::Key_Home, 0xff50, 0x24},
    {Qt::Key_End, 0xff57, 0x23},       {Qt::Key_PageUp, 0xff55, 0x21},
    {Qt::Key_PageDown, 0xff56, 0x22},  {Qt::Key_Left, 0xff51, 0x25},
    {Qt::Key_Up, 0xff52, 0x26},        {Qt::Key_Right, 0xff53, 0x27},
    {Qt::Key_Down, 0xff54, 0x28},      {Qt::Key_Print, 0xff61, 0x2c},
    {Qt::Key_Pause, 0xff13, 0x13},
};

bool isLetter(int key) {
    return key >= Qt::Key_A && key <= Qt::Key_Z;
}
bool isDigit(int key) {
    return key >= Qt::Key_0 && key <= Qt::Key_9;
}
bool isFunctionKey(int key) {
    return key >= Qt::Key_F1 && key <= Qt::Key_F24;
}
const NamedKey* named(int key) {
    for (const NamedKey& k : NamedKeys)
        if (k.qt == key)
            return &k;
    return nullptr;
}

} // namespace

namespace ShortcutKeys {

bool chordOf(const QKeySequence& sequence, Chord* chord, QString* why) {
    const QString name = sequence.toString(QKeySequence::NativeText);
    QString reason;
    if (sequence.count() != 1) {
        reason = sequence.isEmpty()
                     ? QCoreApplication::translate("ShortcutKeys", "No shortcut is set.")
                     : QCoreApplication::translate("ShortcutKeys", "%1 is more than one key press.")
                           .arg(name);
    } else {
        const QKeyCombination combination = sequence[0];
        const int key = combination.key();
        const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
        const Qt::KeyboardModifiers allowed =
            Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier;
        if (modifiers & ~allowed)
            reason = QCoreApplication::translate(
                         "ShortcutKeys", "%1 has a modifier other than Ctrl, Alt, Shift and Meta.")
                         .arg(name);
        else if (x11Keysym(key) == 0)
            reason =
                QCoreApplication::translate(
                    "ShortcutKeys", "%1 has no key that can be a shortcut of the whole desktop.")
                    .arg(name);
        else if (!isFunctionKey(key) &&
                 !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            reason = QCoreApplication::translate(
                         "ShortcutKeys",
                         "%1 needs Ctrl, Alt or Meta, or it would be taken away from typing.")
                         .arg(name);
        else if (chord)
            *chord = {key, modifiers};
    }
    if (why)
        *why = reason;
    return reason.isEmpty();
}

std::uint32_t x11Keysym(int qtKey) {
    if (isLetter(qtKey))
        return std::uint32_t(qtKey - Qt::Key_A + 'a');
    if (isDigit(qtKey))
        return std::uint32_t(qtKey);
    if (isFunctionKey(qtKey))
        return std::uint32_t(0xffbe + (qtKey - Qt::Key_F1));
    const NamedKey* k = named(qtKey);
    return k ? k->keysym : 0;
}

std::uint32_t windowsVirtualKey(int qtKey) {
    if (isLetter(qtKey) || isDigit(qtKey))
        return std::uint32_t(qtKey);
    if (isFunctionKey(qtKey))
        return std::uint32_t(0x70 + (qtKey - Qt::Key_F1));
    const NamedKey* k = named(qtKey);
    return k ? k->virtualKey : 0;
}

std::uint32_t windowsModifiers(Qt::KeyboardModifiers modifiers) {
    // MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_WIN.
    std::uint32_t flags = 0;
    if (modifiers & Qt::AltModifier)
        flags |= 0x1;
    if (modifiers & Qt::ControlModifier)
        flags |= 0x2;
    if (modifiers & Qt::ShiftModifier)
        flags |= 0x4;
    if (modifiers & Qt::MetaModifier)
        flags |= 0x8;
    return flags;
}

std::uint8_t X11Keymap::keycodeOf(std::uint32_t keysym) const {
    if (keysym == 0 || keysymsPerKeycode <= 0)
        return 0;
    // The first level first: a key that gives the keysym unshifted is the one users press.
    for (int level = 0; level < keysymsPerKeycode; ++level) {
        for (qsizetype i = level; i < keysyms.size(); i += keysymsPerKeycode) {
            const qsizetype keycode = firstKeycode + i / keysymsPerKeycode;
            if (keysyms[i] == keysym && keycode <= 255)
                return std::uint8_t(keycode);
        }
    }
    return 0;
}

std::uint16_t X11Keymap::maskOf(std::uint32_t keysym) const {
    if (keycodesPerModifier <= 0)
        return 0;
    for (qsizetype i = 0; i < modifierKeycodes.size() && i < qsizetype(8) * keycodesPerModifier;
         ++i) {
        const std::uint8_t keycode = modifierKeycodes[i];
        if (keycode == 0 || keycode < firstKeycode)
            continue;
        const qsizetype row = qsizetype(keycode - firstKeycode) * keysymsPerKeycode;
        for (int level = 0; level < keysymsPerKeycode && row + level < keysyms.size(); ++level)
            if (keysyms[row + level] == keysym)
                return std::uint16_t(1u << (i / keycodesPerModifier));
    }
    return 0;
}

std::uint16_t X11Keymap::modifiers(Qt::KeyboardModifiers modifiers) const {
    std::uint16_t mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= X11ShiftMask;
    if (modifiers & Qt::ControlModifier)
        mask |= X11ControlMask;
    if (modifiers & Qt::AltModifier) {
        const std::uint16_t alt = maskOf(KeysymAltL);
        mask |= alt ? alt : X11Mod1Mask;
    }
    if (modifiers & Qt::MetaModifier) {
        const std::uint16_t super = maskOf(KeysymSuperL);
        mask |= super ? super : X11Mod4Mask;
    }
    return mask;
}

std::uint16_t X11Keymap::lockMask() const {
    return X11LockMask | maskOf(KeysymNumLock) | maskOf(KeysymScrollLock);
}

QList<std::uint16_t> lockCombinations(std::uint16_t locks) {
    QList<std::uint16_t> combinations{0};
    for (std::uint16_t bit = 1; bit != 0 && bit <= locks; bit = std::uint16_t(bit << 1)) {
        if (!(locks & bit))
            continue;
        const qsizetype before = combinations.size();
        for (qsizetype i = 0; i < before; ++i)
            combinations << std::uint16_t(combinations[i] | bit);
    }
    return combinations;
}

} // namespace ShortcutKeys
