#include "TestHome.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {
QTemporaryDir* home() {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/pinleaf-test-XXXXXX"));
    return &dir;
}

void setFolder(const char* var, const QString& path) {
    QDir().mkpath(path);
    qputenv(var, QFile::encodeName(path));
}
} // namespace

namespace TestHome {
void isolate() {
    const QString r = home()->path();
    setFolder("HOME", r);
    setFolder("XDG_CONFIG_HOME", r + QStringLiteral("/config"));
    setFolder("XDG_DATA_HOME", r + QStringLiteral("/data"));
    setFolder("XDG_RUNTIME_DIR", r + QStringLiteral("/runtime"));
    QFile::setPermissions(r + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString root() {
    return home()->path();
}
} // namespace TestHome
