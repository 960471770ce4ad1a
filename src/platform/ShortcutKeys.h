#pragma once
#include <QKeySequence>
#include <QList>
#include <QString>

#include <cstdint>

// The keys a global shortcut may have, and what each window system calls them: pure functions,
// so every conversion is tested on any platform.
namespace ShortcutKeys {

// One key with its modifiers, as a global shortcut takes it.
struct Chord {
    int key = 0;
    Qt::KeyboardModifiers modifiers;
};

// The sequence as one chord: exactly one key with Ctrl, Alt, Shift or Meta, a key the window
// systems name (a letter, a digit, F1 to F24 or one of the named keys), and a letter, digit or
// named key only with Ctrl, Alt or Meta (alone, or with Shift alone, it would take that key away
// from typing everywhere). Otherwise false, and `why` says what is wrong.
bool chordOf(const QKeySequence& sequence, Chord* chord, QString* why);

// The X11 keysym of a Qt key (the lower-case one for letters); 0 for a key this table lacks.
std::uint32_t x11Keysym(int qtKey);
// The Windows virtual-key code of a Qt key; 0 for a key this table lacks.
std::uint32_t windowsVirtualKey(int qtKey);
// RegisterHotKey's modifier flags for Qt's modifiers (MOD_NOREPEAT not included).
std::uint32_t windowsModifiers(Qt::KeyboardModifiers modifiers);

// The keysyms of the modifier keys that X11 puts on modifier masks of its own.
inline constexpr std::uint32_t KeysymAltL = 0xffe9;
inline constexpr std::uint32_t KeysymSuperL = 0xffeb;
inline constexpr std::uint32_t KeysymNumLock = 0xff7f;
inline constexpr std::uint32_t KeysymScrollLock = 0xff14;
inline constexpr std::uint16_t X11ShiftMask = 0x01;
inline constexpr std::uint16_t X11LockMask = 0x02;
inline constexpr std::uint16_t X11ControlMask = 0x04;
inline constexpr std::uint16_t X11Mod1Mask = 0x08;
inline constexpr std::uint16_t X11Mod4Mask = 0x40;

// The X server's keyboard and modifier mappings, as its replies give them.
struct X11Keymap {
    std::uint8_t firstKeycode = 8;
    int keysymsPerKeycode = 0;
    QList<std::uint32_t> keysyms;
    int keycodesPerModifier = 0;
    // Eight rows (Shift, Lock, Control, Mod1 ... Mod5) of keycodesPerModifier each; 0 is none.
    QList<std::uint8_t> modifierKeycodes;

    // The first keycode that has `keysym` at any level; 0 when no key has it.
    std::uint8_t keycodeOf(std::uint32_t keysym) const;
    // The mask of the modifier that a key with `keysym` is on; 0 when none is.
    std::uint16_t maskOf(std::uint32_t keysym) const;
    // The X11 modifier mask for Qt's modifiers: Alt and Meta where this keyboard puts Alt_L and
    // Super_L, else Mod1 and Mod4.
    std::uint16_t modifiers(Qt::KeyboardModifiers modifiers) const;
    // The masks of Caps Lock, Num Lock and Scroll Lock (those the keyboard has), which a key
    // press carries while they are on and which must not stop the shortcut.
    std::uint16_t lockMask() const;
};

// Every combination of the lock masks set in `locks` (each subset once, 0 first): the grabs a
// key needs so that it works whichever locks are on.
QList<std::uint16_t> lockCombinations(std::uint16_t locks);

} // namespace ShortcutKeys
