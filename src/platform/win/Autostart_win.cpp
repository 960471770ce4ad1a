// The Run value that starts Pinleaf at the user's next logon: HKEY_CURRENT_USER
// Software\Microsoft\Windows\CurrentVersion\Run, value "Pinleaf", REG_SZ, the program's own path
// with no quotes and no arguments. The user's switch for it is where Windows keeps it (the
// Startup page of the Task Manager and of the Settings): the value "Pinleaf" of
// ...\Explorer\StartupApproved\Run, whose first byte is odd while starting at login is off.
#include "platform/Autostart.h"

#include <QDir>

#include <windows.h>

#include <cstring>

namespace {
const wchar_t RunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t ValueName[] = L"Pinleaf";
const wchar_t ApprovedKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
// The switch's value: a flag word, then the time it was switched off (zero while on).
constexpr DWORD ApprovedBytes = 12;
constexpr BYTE ApprovedOn = 0x02;
constexpr BYTE ApprovedOff = 0x03;

// Runs `action` on the Run key opened with `access` and closes it; `unopened` when the key
// cannot be opened.
template <typename Action> LONG onRunKey(REGSAM access, LONG unopened, Action action) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, RunKey, 0, access, &key) != ERROR_SUCCESS)
        return unopened;
    const LONG result = action(key);
    RegCloseKey(key);
    return result;
}
} // namespace

namespace Autostart {

QString location() {
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"
                          "\\Pinleaf");
}

bool set(const QString& executable) {
    const std::wstring data = QDir::toNativeSeparators(executable).toStdWString();
    // The length counts the terminating NUL.
    const DWORD bytes = DWORD((data.size() + 1) * sizeof(wchar_t));
    return onRunKey(KEY_WRITE, ERROR_ACCESS_DENIED, [&](HKEY key) {
               return RegSetValueExW(key, ValueName, 0, REG_SZ,
                                     reinterpret_cast<const BYTE*>(data.c_str()), bytes);
           }) == ERROR_SUCCESS;
}

bool isSet() {
    return onRunKey(KEY_READ, ERROR_FILE_NOT_FOUND, [](HKEY key) {
               return RegQueryValueExW(key, ValueName, nullptr, nullptr, nullptr, nullptr);
           }) == ERROR_SUCCESS;
}

bool isEnabled() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, ApprovedKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return true;
    BYTE data[ApprovedBytes] = {};
    DWORD size = sizeof data;
    DWORD type = 0;
    const LONG result = RegQueryValueExW(key, ValueName, nullptr, &type, data, &size);
    RegCloseKey(key);
    return result != ERROR_SUCCESS || type != REG_BINARY || size == 0 || (data[0] & 1) == 0;
}

bool setEnabled(bool on) {
    BYTE data[ApprovedBytes] = {};
    data[0] = on ? ApprovedOn : ApprovedOff;
    if (!on) {
        FILETIME now;
        GetSystemTimeAsFileTime(&now);
        std::memcpy(data + 4, &now, sizeof now);
    }
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, ApprovedKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const LONG result = RegSetValueExW(key, ValueName, 0, REG_BINARY, data, sizeof data);
    RegCloseKey(key);
    return result == ERROR_SUCCESS && setForThisProgram();
}

bool remove() {
    const LONG result = onRunKey(KEY_ALL_ACCESS, ERROR_FILE_NOT_FOUND,
                                 [](HKEY key) { return RegDeleteValueW(key, ValueName); });
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

} // namespace Autostart
