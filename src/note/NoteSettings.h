#pragma once
#include <QString>

// The per-user settings that give new notes their colour, size and position: application
// "Pinleaf", group "Config". Values are stored as text; one that does not convert falls back to
// that key's default.
namespace NoteSettings {

struct NewNote {
    bool saveSettings = false;
    QString color;
    double height = 0;
    double width = 0;
    double top = 0;
    double left = 0;
};

inline constexpr double DefaultWidth = 3345;
inline constexpr double DefaultHeight = 2865;

// What a new window takes: the stored values with "SaveSetting" on, the defaults otherwise;
// the position centres the note on the screen unless a stored one applies.
NewNote readNewNote();

// Writes "SaveSetting", and with it on the colour and geometry (twips), as a closing note or the
// "Save Settings" item does.
void write(bool saveSettings, const QString& color, double height, double width, double top,
           double left);

} // namespace NoteSettings
