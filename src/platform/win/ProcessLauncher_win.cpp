#include "platform/ProcessLauncher.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include <windows.h>

// Windows hands a program its command line as one text, which the program splits itself: it is
// passed on exactly as given. The new program gets a normal window with the focus and outlives
// this one.
bool SystemProcessLauncher::start(const QString& commandLine) {
    std::wstring line = commandLine.toStdWString();
    if (line.empty())
        return false;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

void SystemProcessLauncher::endNow() {
    std::fflush(nullptr);
    std::_Exit(0);
}
