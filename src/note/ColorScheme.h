#pragma once
#include <QString>

#include <array>

// The six colour schemes of a note: name, menu caption and background colour (0x00BBGGRR).
// The name is what note files store; the caption is shown, in the user's language (caption()).
namespace ColorScheme {

struct Entry {
    const char* name;
    const char* caption;
    quint32 bgr;
};

inline constexpr std::array<Entry, 6> Schemes{{
    {"yellow", QT_TRANSLATE_NOOP("ColorScheme", "Yellow"), 0xC0FFFF},
    {"blue", QT_TRANSLATE_NOOP("ColorScheme", "Blue"), 0xFFCC33},
    {"green", QT_TRANSLATE_NOOP("ColorScheme", "Green"), 0xCCFFAB},
    {"red", QT_TRANSLATE_NOOP("ColorScheme", "Red"), 0xC0C0FF},
    {"grey", QT_TRANSLATE_NOOP("ColorScheme", "Grey"), 0xC0C0C0},
    {"peach", QT_TRANSLATE_NOOP("ColorScheme", "Peach"), 0x99CCFF},
}};

// The menu caption of scheme `index`, translated.
QString caption(int index);

// Index of the scheme named `name` (any case), or -1.
int indexOf(const QString& name);

// The scheme's colour; 0 (black) for a name outside the table.
quint32 colorValue(const QString& name);

// The colour of the text on the scheme's paper: black on the light schemes, white on the black
// of a name outside the table, so that its text can still be read.
quint32 textColorValue(const QString& name);

} // namespace ColorScheme
