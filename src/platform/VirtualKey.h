#pragma once

// Windows-style virtual key codes for Qt keys, so key handling reads the same codes on every
// platform (Control for Ctrl, Apps for the context-menu key, 'A'..'Z', '0'..'9', ...). Unknown
// keys give 0.
namespace VirtualKey {

enum Code : int {
    Backspace = 8,
    Tab = 9,
    Return = 13,
    Shift = 16,
    Control = 17,
    Alt = 18,
    Pause = 19,
    CapsLock = 20,
    Escape = 27,
    Space = 32,
    PageUp = 33,
    PageDown = 34,
    End = 35,
    Home = 36,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
    PrintScreen = 44,
    Insert = 45,
    Delete = 46,
    Windows = 91,
    Apps = 93,
    F1 = 112,
    NumLock = 144,
    ScrollLock = 145,
};

int fromQtKey(int qtKey);

} // namespace VirtualKey
