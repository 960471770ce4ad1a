#include "TestHome.h"

#include "platform/NotesFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
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
    // Qt's test mode puts the data and settings folders under ~/.qttest whatever the XDG
    // variables say; the variables name the same folders, so that a child process started
    // without test mode, and anything reading the variables, agrees with this process.
    QStandardPaths::setTestModeEnabled(true);
    setFolder("XDG_CONFIG_HOME", r + QStringLiteral("/.qttest/config"));
    setFolder("XDG_DATA_HOME", r + QStringLiteral("/.qttest/share"));
    setFolder("XDG_RUNTIME_DIR", r + QStringLiteral("/runtime"));
    QFile::setPermissions(r + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
#ifdef Q_OS_WIN
    // Windows keeps the notes beside the program when it may, which for a test program is the
    // build folder that every test shares.
    NotesFolder::setOverride(r + QStringLiteral("/.qttest/share/Pinleaf"));
#endif
}

QString root() {
    return home()->path();
}
} // namespace TestHome
