#pragma once
#include <QByteArray>
#include <QString>

// The one way Pinleaf writes a file: the new bytes go to a temporary file beside the target,
// are flushed and checked, and only then take the target's place. A write either lands whole
// or leaves the old file as it was and says why.
namespace AtomicFile {

enum class Access {
    Shared,  // a file the user handed us: it keeps the permissions it has (new: the umask's)
    Private, // notes kept for the user: readable and writable by the owner alone
};

// Replaces (or creates) `path` with `bytes`. On failure returns false, leaves any old file
// byte for byte, removes the temporary file, and puts a sentence for the user into `error`.
bool write(const QString& path, const QByteArray& bytes, Access access = Access::Private,
           QString* error = nullptr);

// Creates `folder` and its parents when missing and makes it private to the owner (0700).
// False, with the reason in `error`, when the folder is missing afterwards or cannot be written.
bool makePrivateFolder(const QString& folder, QString* error = nullptr);

} // namespace AtomicFile
