// Addresses to the desktop through xdg-open, whose end says whether a program took them.
#include "platform/UrlOpener.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

namespace {

// Linux hands no single argument of more than 32 pages (MAX_ARG_STRLEN) to a program, its
// terminating NUL included; the address is one argument.
constexpr qsizetype MaxArgumentBytes = 32 * 4096 - 1;

// xdg-open runs the mail program or browser itself where the desktop has no opener of its own,
// and ends only when that program ends: a failure after this long comes from a program the user
// has seen, not from a missing one.
constexpr qint64 HandedOnAfterMs = 20000;

QString failureReason(int exitCode, QProcess::ExitStatus status) {
    if (status != QProcess::NormalExit)
        return QCoreApplication::translate("UrlOpener",
                                           "The desktop's opener (xdg-open) stopped unexpectedly.");
    // xdg-open's own codes: 3 when no program is found for the address, 4 when it failed.
    if (exitCode == 3)
        return QCoreApplication::translate(
            "UrlOpener", "The desktop's opener (xdg-open) found no program for this address.");
    return QCoreApplication::translate(
               "UrlOpener", "The desktop's opener (xdg-open) could not open it (status %1).")
        .arg(exitCode);
}

// Inside a Flatpak or Snap sandbox only the desktop portal opens addresses, and Qt knows how.
bool inSandbox() {
    return QFileInfo::exists(QStringLiteral("/.flatpak-info")) || qEnvironmentVariableIsSet("SNAP");
}

} // namespace

bool DesktopUrlOpener::open(const QUrl& url, const Failure& failed) {
    const QString opener =
        inSandbox() ? QString() : QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return QDesktopServices::openUrl(url);
    // Not parented: a mail program that outlives Pinleaf must not be ended with it.
    auto* process = new QProcess;
    process->setProgram(opener);
    process->setArguments({QString::fromLatin1(url.toEncoded())});
    // What the opener and the program it starts print goes where Pinleaf's own output goes; a
    // pipe nobody reads could stop them, and one closed with Pinleaf would end them.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    const auto report = [failed](const QString& reason) {
        if (failed)
            QTimer::singleShot(0, [failed, reason] { failed(reason); });
    };
    QObject::connect(process, &QProcess::finished, process,
                     [process, started, report](int exitCode, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if ((status == QProcess::NormalExit && exitCode == 0) ||
                             started->elapsed() > HandedOnAfterMs)
                             return;
                         report(failureReason(exitCode, status));
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, report](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         process->deleteLater();
                         report(process->errorString());
                     });
    process->start();
    return true;
}

qsizetype DesktopUrlOpener::maxAddressBytes() const {
    return MaxArgumentBytes;
}
