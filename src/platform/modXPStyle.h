#pragma once
#include <QByteArray>
#include <QString>

class ManifestPlatform;

// The visual-styles manifest: the file beside the executable that asks Windows for the themed
// (version 6) common controls. Windows reads it when a process starts, so a run that writes it
// starts the program anew.
namespace modXPStyle {

// The manifest with its three placeholders ("EXENAME", "EXEVERSION", "EXEDESCRIBTION") still in
// it: 22 lines, each ending in CR LF.
QString ManifestTemplate();

// The manifest for an executable: the template with the placeholders replaced, escaped for XML,
// as UTF-8 (the encoding it declares) without a byte-order mark.
QByteArray ManifestBytes(const QString& exeName, int majorNumber, int minorNumber, int revision,
                         const QString& description);

// Makes sure the manifest lies beside the executable. With the file there and `Overwrite` false
// nothing is written; otherwise it is written, hidden and marked as a system file. `Restart`
// turns `Overwrite` off (the caller sees it) and, once a complete manifest has been written,
// starts the program again with the same arguments and ends this process; a manifest that could
// not be written leaves the program running. True when a manifest was there before the call.
bool EnsureStyleManifest(bool& Restart, bool& Overwrite, ManifestPlatform& platform);
// The same over the system's own operations.
bool EnsureStyleManifest(bool& Restart, bool& Overwrite);

} // namespace modXPStyle
