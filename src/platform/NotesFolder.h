#pragma once
#include <QString>

// The folder that holds the notes store, the running copies and the closed notes. Each system
// has its own rule; the store makes the folder when it first needs it.
namespace NotesFolder {
QString path();
// Points the folder elsewhere for the whole program (tests); an empty path restores the rule.
void setOverride(const QString& folder);
// This system's rule; each system's folder defines it.
QString systemPath();
} // namespace NotesFolder
