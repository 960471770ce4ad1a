// The Run value that starts Pinleaf at the user's next logon: HKEY_CURRENT_USER
// Software\Microsoft\Windows\CurrentVersion\Run, value "Pinleaf", REG_SZ, the program's own path
// with no quotes and no arguments.
#include "platform/Autostart.h"

#include <QDir>

#include <windows.h>

namespace {
const wchar_t RunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t ValueName[] = L"Pinleaf";

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

bool remove() {
    const LONG result = onRunKey(KEY_ALL_ACCESS, ERROR_FILE_NOT_FOUND,
                                 [](HKEY key) { return RegDeleteValueW(key, ValueName); });
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

} // namespace Autostart
