// The per-user data folder of the XDG rules: program folders are not the user's to write on
// Linux.
#include "platform/NotesFolder.h"

#include <QStandardPaths>

QString NotesFolder::systemPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Pinleaf");
}
