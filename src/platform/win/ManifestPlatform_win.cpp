// The visual-styles manifest's view of Windows: the executable's version resource, the process's
// command line as the system received it, and the file attributes.
#include "platform/ManifestPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <vector>

#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

namespace {
std::wstring nativePath(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

// The executable's version resource, empty when it has none.
std::vector<char> versionResource() {
    const std::wstring exe = nativePath(QCoreApplication::applicationFilePath());
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &handle);
    std::vector<char> data(size);
    if (size == 0 || !GetFileVersionInfoW(exe.c_str(), 0, size, data.data()))
        data.clear();
    return data;
}
} // namespace

void SystemManifestPlatform::initCommonControls() {
    InitCommonControls();
}

QString SystemManifestPlatform::executableFolder() const {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

ProgramVersion SystemManifestPlatform::executableVersion() const {
    std::vector<char> data = versionResource();
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (data.empty() ||
        !VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) || !info)
        return ProgramVersion::current();
    return {int(HIWORD(info->dwFileVersionMS)), int(LOWORD(info->dwFileVersionMS)),
            int(HIWORD(info->dwFileVersionLS))};
}

QString SystemManifestPlatform::fileDescription() const {
    std::vector<char> data = versionResource();
    struct Translation {
        WORD language;
        WORD codePage;
    }* translations = nullptr;
    UINT length = 0;
    if (data.empty() ||
        !VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translations), &length) ||
        length < sizeof(Translation))
        return QString();
    const std::wstring key = QStringLiteral("\\StringFileInfo\\%1%2\\FileDescription")
                                 .arg(translations->language, 4, 16, QLatin1Char('0'))
                                 .arg(translations->codePage, 4, 16, QLatin1Char('0'))
                                 .toStdWString();
    wchar_t* text = nullptr;
    if (!VerQueryValueW(data.data(), key.c_str(), reinterpret_cast<void**>(&text), &length) ||
        !text)
        return QString();
    return QString::fromWCharArray(text);
}

// What follows the program's own name on the command line, exactly as it came: the name is one
// word, or a quoted text that may hold spaces.
QString SystemManifestPlatform::commandLineArguments() const {
    const wchar_t* line = GetCommandLineW();
    if (*line == L'"') {
        ++line;
        while (*line && *line != L'"')
            ++line;
        if (*line == L'"')
            ++line;
    } else {
        while (*line && *line != L' ' && *line != L'\t')
            ++line;
    }
    while (*line == L' ' || *line == L'\t')
        ++line;
    return QString::fromWCharArray(line);
}

QString SystemManifestPlatform::findFile(const QString& path, int attributeMask) const {
    const DWORD attributes = GetFileAttributesW(nativePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return QString();
    for (const int attribute : {FileAttribute::Hidden, FileAttribute::System}) {
        if ((attributes & DWORD(attribute)) && !(attributeMask & attribute))
            return QString();
    }
    return QFileInfo(path).fileName();
}

bool SystemManifestPlatform::setAttributes(const QString& path, int attributes) {
    return SetFileAttributesW(nativePath(path).c_str(), attributes == FileAttribute::Normal
                                                            ? FILE_ATTRIBUTE_NORMAL
                                                            : DWORD(attributes)) != 0;
}

bool SystemManifestPlatform::deleteFile(const QString& path) {
    return DeleteFileW(nativePath(path).c_str()) != 0;
}
