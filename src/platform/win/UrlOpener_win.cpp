// Addresses to the shell (ShellExecute, through Qt), which hands them to the program registered
// for them and says at once when there is none: the caller then tells the user.
#include "platform/UrlOpener.h"

#include <QDesktopServices>

namespace {
// The mail program or browser gets the address on its command line, which Windows limits to
// 32,767 characters with its terminating NUL; an encoded address is ASCII.
constexpr qsizetype MaxCommandLineChars = 32767 - 1;
} // namespace

bool DesktopUrlOpener::open(const QUrl& url, const Failure&) {
    return QDesktopServices::openUrl(url);
}

qsizetype DesktopUrlOpener::maxAddressBytes() const {
    return MaxCommandLineChars;
}
