#include "platform/ProcessLauncher.h"

#include <QProcess>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

// The command line is split as a shell would split it, quotes included; the new program does
// not wait for this one and outlives it.
bool SystemProcessLauncher::start(const QString& commandLine) {
    QStringList words = QProcess::splitCommand(commandLine);
    if (words.isEmpty())
        return false;
    const QString program = words.takeFirst();
    return QProcess::startDetached(program, words);
}

void SystemProcessLauncher::endNow() {
    std::fflush(nullptr);
    std::_Exit(0);
}
