#pragma once
#include <QByteArray>
#include <QString>

#include <optional>

// Reading files that anyone may hand the program: only regular files are opened, never more
// than a bound is read, and nothing blocks on a pipe or a device.
namespace FileRead {

// Far above any real note file or notes store; a larger file is not one of ours.
inline constexpr qint64 MaxNoteFileBytes = qint64{64} * 1024 * 1024;
// Larger dropped files are not notes; reading them would only stall the window.
inline constexpr qint64 MaxDroppedFileBytes = qint64{16} * 1024 * 1024;

// True for an existing path that is not a folder; false when missing, a folder, or on error.
bool FileExists(const QString& path);

// The bytes of a regular file of at most `maxBytes`. Nothing for a folder, a FIFO, a device, a
// socket, a missing or unreadable file, or a larger one; `error` then says why in a sentence.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes,
                                          QString* error = nullptr);

// Text whose encoding is unknown: UTF-8 (a byte-order mark dropped) when it is valid UTF-8,
// otherwise the system's 8-bit encoding, or Windows-1252 where the system's encoding is UTF-8.
QString decodeText(const QByteArray& bytes);

// Windows-1252 bytes as text; its five unassigned bytes keep their Latin-1 meaning.
QString fromCp1252(const QByteArray& bytes);

// The whole text of a dropped file (decodeText), when it is a regular file of at most
// MaxDroppedFileBytes.
std::optional<QString> ReadWholeFile(const QString& path);

} // namespace FileRead
