#include "app/modMain.h"

#include <QFileInfo>

namespace modMain {

bool FileExists(const QString& path) {
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

} // namespace modMain
