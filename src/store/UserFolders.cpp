#include "store/UserFolders.h"

#include <QDir>
#include <QFile>
#include <QtGlobal>

namespace UserFolders {

void IgnoreRelativeLocations() {
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME"}) {
        const QByteArray value = qgetenv(name);
        if (!value.isEmpty() && QDir::isRelativePath(QFile::decodeName(value)))
            qunsetenv(name);
    }
}

} // namespace UserFolders
