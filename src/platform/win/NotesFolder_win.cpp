// The program's own folder when the user may write there (a program unzipped into the user's
// folders), as Pinleaf has always kept its notes beside itself; else, for a program installed
// where only administrators write, the user's local application data folder.
#include "platform/NotesFolder.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {
bool canWriteIn(const QString& folder) {
    QTemporaryFile probe(folder + QStringLiteral("/pinleaf-XXXXXX.tmp"));
    return probe.open();
}

QString chosen() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (canWriteIn(programFolder))
        return programFolder;
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}
} // namespace

// Asked once: the answer does not change while the program runs, and the store, the running copy
// and the closed notes must agree on it.
QString NotesFolder::systemPath() {
    static const QString folder = chosen();
    return folder;
}
