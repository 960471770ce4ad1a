#include "store/FileRead.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

// Windows-1252 for the bytes 0x80 to 0x9F, where it differs from Latin-1.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool fail(QString* error, const QString& reason) {
    if (error)
        *error = reason;
    return false;
}

} // namespace

namespace FileRead {

bool FileExists(const QString& path) {
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes, QString* error) {
    if (path.isEmpty()) {
        fail(error, QCoreApplication::translate("FileRead", "No file was named."));
        return std::nullopt;
    }
    // Checked before opening: opening a FIFO would block until someone writes to it, and a
    // device may never end.
    const QFileInfo info(path);
    if (!info.exists()) {
        fail(error, QCoreApplication::translate("FileRead", "The file does not exist."));
        return std::nullopt;
    }
    if (!info.isFile()) {
        fail(error, QCoreApplication::translate("FileRead", "It is not a regular file."));
        return std::nullopt;
    }
    if (info.size() > maxBytes) {
        fail(error,
             QCoreApplication::translate("FileRead", "The file is too large to be a note file."));
        return std::nullopt;
    }
    QFile file(path);
    // Unbuffered: what is read is exactly what is asked for, whatever the file turned into.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        fail(error, file.errorString());
        return std::nullopt;
    }
    if (file.isSequential()) {
        fail(error, QCoreApplication::translate("FileRead", "It is not a regular file."));
        return std::nullopt;
    }
    // The file may have grown since it was measured.
    const QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        fail(error, file.errorString());
        return std::nullopt;
    }
    if (bytes.size() > maxBytes) {
        fail(error,
             QCoreApplication::translate("FileRead", "The file is too large to be a note file."));
        return std::nullopt;
    }
    return bytes;
}

QString fromCp1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(b >= 0x80 && b <= 0x9F ? QChar(Cp1252High[b - 0x80]) : QChar(b));
    }
    return text;
}

// Text that is not UTF-8 was most likely written in an 8-bit code page: the system's own where
// it has one (Windows), and where the system's encoding is UTF-8 itself (Linux) Windows-1252,
// the code page of the text files that Windows programs write.
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

std::optional<QString> ReadWholeFile(const QString& path) {
    const std::optional<QByteArray> bytes = readRegularFile(path, MaxDroppedFileBytes);
    if (!bytes)
        return std::nullopt;
    return decodeText(*bytes);
}

} // namespace FileRead
