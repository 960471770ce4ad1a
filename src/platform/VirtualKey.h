#pragma once

// Windows-style virtual key codes for Qt keys, so key handling reads the same codes on every
// platform (17 for Ctrl, 93 for the context-menu key, 'A'..'Z', '0'..'9', ...). Unknown keys
// give 0.
namespace VirtualKey {
int fromQtKey(int qtKey);
} // namespace VirtualKey
