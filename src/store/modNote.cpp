// Note files and the file dialogs that pick them.
#include "store/modNote.h"

#include "platform/AtomicFile.h"
#include "platform/NotesFolder.h"
#include "platform/clsCommonDialog.h"
#include "store/modNote_internal.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// A file whose permissions give nobody the right to write, or that this user may not write.
// The bits are read as well because a superuser may write any file.
bool isReadOnly(const QFileInfo& info) {
    constexpr QFileDevice::Permissions AnyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !info.isWritable() || !(info.permissions() & AnyWrite);
}

} // namespace

namespace modNote {

namespace detail {

QString AskForNoteFile(bool save) {
    clsCommonDialog dialog;
    dialog.setDialogTitle(QCoreApplication::translate("modNote", "Select a file: "));
    dialog.setDefaultExt(QStringLiteral("pnf"));
    dialog.setFilter(QCoreApplication::translate("modNote", "Pinleaf Note") +
                     QStringLiteral(" (*.pnf)|*.pnf"));
    dialog.setFlags(0x80004); // explorer style, read-only box hidden: no overwrite prompt
    const qint32 result = save ? dialog.ShowSave() : dialog.ShowOpen();
    return result > 0 ? dialog.FileName() : QString();
}

} // namespace detail

QString EscapeXml(const QString& text) {
    QString out = text;
    out.replace(u'&', QStringLiteral("&amp;"));
    out.replace(u'"', QStringLiteral("&quot;"));
    out.replace(u'\'', QStringLiteral("&apos;"));
    out.replace(u'<', QStringLiteral("&lt;"));
    out.replace(u'>', QStringLiteral("&gt;"));
    return out;
}

QString StoreFolder() {
    return NotesFolder::path();
}

QString StorePath() {
    return StoreFolder() + QStringLiteral("/pinleaf.dat");
}

QString SaveNoteFile(const NoteRecord& record, const QString& path, FileProblem* problem) {
    QString none = QStringLiteral("none");
    QString target = path;
    if (target.isEmpty()) {
        target = detail::AskForNoteFile(true);
        if (target.isEmpty())
            return none;
    }
    // A note file that was deleted meanwhile is simply written again: the text is the user's,
    // and nothing else can be lost by writing it.
    QString reason;
    const QFileInfo info(target);
    if (info.isDir()) {
        reason = QCoreApplication::translate("modNote", "It is a folder, not a file.");
    } else if (info.exists() && isReadOnly(info)) {
        // The rename of an atomic write would replace it behind the user's back.
        reason = QCoreApplication::translate("modNote", "The file is read-only.");
    } else if (AtomicFile::write(target, NoteDocument::textForm(record), AtomicFile::Access::Shared,
                                 &reason)) {
        return target;
    }
    if (problem)
        *problem = {target, reason};
    return none;
}

} // namespace modNote
