// The Run value that starts Pinleaf at the user's next logon: HKEY_CURRENT_USER
// Software\Microsoft\Windows\CurrentVersion\Run, value "Pinleaf", REG_SZ, the program's own path
// with no quotes and no arguments.
#include "platform/Autostart.h"

#include <QDir>

#include <windows.h>

namespace {
const wchar_t RunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t ValueName[] = L"Pinleaf";
} // namespace

namespace Autostart {

QString location() {
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"
                          "\\Pinleaf");
}

bool set(const QString& executable) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, RunKey, 0, KEY_WRITE, &key) != ERROR_SUCCESS)
        return false;
    const std::wstring data = QDir::toNativeSeparators(executable).toStdWString();
    // The length counts the terminating NUL.
    const DWORD bytes = DWORD((data.size() + 1) * sizeof(wchar_t));
    const LONG result = RegSetValueExW(key, ValueName, 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(data.c_str()), bytes);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool isSet() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, RunKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    const LONG result = RegQueryValueExW(key, ValueName, nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool remove() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, RunKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return true;
    const LONG result = RegDeleteValueW(key, ValueName);
    RegCloseKey(key);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

} // namespace Autostart
