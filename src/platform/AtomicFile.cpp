#include "platform/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

namespace {

constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

bool fail(QString* error, const QString& reason) {
    if (error)
        *error = reason;
    return false;
}

} // namespace

namespace AtomicFile {

bool write(const QString& path, const QByteArray& bytes, Access access, QString* error) {
    QSaveFile file(path);
    // Writing into the target itself would leave half a file behind on any failure.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, file.errorString());
    if (access == Access::Private && !file.setPermissions(OwnerOnly)) {
        file.cancelWriting();
        return fail(error, file.errorString());
    }
    // QSaveFile keeps a small file in its buffer and commit() ignores the error of that last
    // write (a full disk then gives an empty file and success), so the bytes are flushed and
    // checked here, while the old file is still in place.
    if (file.write(bytes) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(error, reason);
    }
    if (!file.commit())
        return fail(error, file.errorString());
    return true;
}

bool makePrivateFolder(const QString& folder, QString* error) {
    if (!QDir().mkpath(folder))
        return fail(error,
                    QCoreApplication::translate("AtomicFile", "The folder cannot be created."));
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // A folder may exist and still refuse new files (read-only, another owner, a full disk
    // reports itself only at the first real write): try one.
    QTemporaryFile probe(folder + QStringLiteral("/.pinleaf-probe-XXXXXX"));
    if (!probe.open())
        return fail(error, probe.errorString());
    return true;
}

} // namespace AtomicFile
