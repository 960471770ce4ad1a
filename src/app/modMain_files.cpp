#include "app/modMain.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

// Larger files are not notes; reading them would only stall the window.
constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;

// Windows-1252 for the bytes 0x80 to 0x9F, where it differs from Latin-1. Its five unassigned
// bytes keep their Latin-1 meaning.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fromCp1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(b >= 0x80 && b <= 0x9F ? QChar(Cp1252High[b - 0x80]) : QChar(b));
    }
    return text;
}

// UTF-8 first (a leading byte-order mark is dropped by the decoder). Text that is not UTF-8 was
// most likely written in an 8-bit code page: the system's own where it has one (Windows), and
// where the system's encoding is UTF-8 itself (Linux) Windows-1252, the code page of the text
// files that Windows programs write.
QString decodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder system(QStringConverter::System);
    text = system.decode(bytes);
    if (!system.hasError())
        return text;
    return fromCp1252(bytes);
}

} // namespace

namespace modMain {

bool FileExists(const QString& path) {
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

std::optional<QString> ReadWholeFile(const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    // Only regular files: opening a pipe would block the program until someone writes to it,
    // and a device may never end.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxFileBytes)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.isSequential())
        return std::nullopt;
    // The file may have grown since it was measured.
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > MaxFileBytes)
        return std::nullopt;
    return decodeText(bytes);
}

} // namespace modMain
