// The parts of the manifest's system operations that are the same everywhere.
#include "platform/ManifestPlatform.h"

#include "platform/AtomicFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {
// A manifest is a kilobyte; anything far larger is not one.
constexpr qint64 MaxManifestBytes = 1 << 20;
} // namespace

QString SystemManifestPlatform::executableName() const {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

bool SystemManifestPlatform::writeFile(const QString& path, const QByteArray& bytes) {
    return AtomicFile::write(path, bytes, AtomicFile::Access::Shared);
}

QByteArray SystemManifestPlatform::readFile(const QString& path) const {
    QFile file(path);
    if (file.size() > MaxManifestBytes || !file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(MaxManifestBytes);
}
