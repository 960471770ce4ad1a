#pragma once
#include <QString>

#include <array>

// The six colour schemes of a note: name, menu caption and background colour (0x00BBGGRR).
namespace ColorScheme {

struct Entry {
    const char* name;
    const char* caption;
    quint32 bgr;
};

inline constexpr std::array<Entry, 6> Schemes{{
    {"yellow", "Yellow", 0xC0FFFF},
    {"blue", "Blue", 0xFFCC33},
    {"green", "Green", 0xCCFFAB},
    {"red", "Red", 0xC0C0FF},
    {"grey", "Grey", 0xC0C0C0},
    {"peach", "Peach", 0x99CCFF},
}};

// Index of the scheme named `name` (any case), or -1.
int indexOf(const QString& name);

// The scheme's colour; 0 (black) for a name outside the table.
quint32 colorValue(const QString& name);

// The colour of the text on the scheme's paper: black on the light schemes, white on the black
// of a name outside the table, so that its text can still be read.
quint32 textColorValue(const QString& name);

} // namespace ColorScheme
