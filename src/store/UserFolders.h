#pragma once

// The per-user folders of the XDG base-directory rules, where the notes, the settings and the
// autostart entry live.
namespace UserFolders {

// The rules call a relative XDG_DATA_HOME or XDG_CONFIG_HOME invalid and say to ignore it; taken
// as it is, it would be read from the folder the program was started in, and each folder would
// have a notes store of its own. Such a value is dropped from the environment, so Qt's standard
// paths and settings (and the programs Pinleaf starts) use ~/.local/share and ~/.config. Call
// before any of those folders is looked up.
void IgnoreRelativeLocations();

} // namespace UserFolders
