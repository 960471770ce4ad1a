// Note files and the file dialogs that pick them.
#include "store/modNote.h"

#include "platform/AtomicFile.h"
#include "platform/NotesFolder.h"
#include "platform/clsCommonDialog.h"
#include "store/modNote_internal.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace modNote {

namespace detail {

// A file whose permissions give nobody the right to write, or that this user may not write.
// The bits are read as well because a superuser may write any file.
bool isReadOnly(const QFileInfo& info) {
    constexpr QFileDevice::Permissions AnyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !info.isWritable() || !(info.permissions() & AnyWrite);
}

QString CannotReplace(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir())
        return QCoreApplication::translate("modNote", "It is a folder, not a file.");
    // The rename of an atomic write would replace it behind the user's back.
    if (info.exists() && isReadOnly(info))
        return QCoreApplication::translate("modNote", "The file is read-only.");
    return QString();
}

NoteFilePlace PlaceOfOnlyNote(const QByteArray& written) {
    const NoteDocument::Parsed parsed = NoteDocument::parse(written);
    if (parsed.notes.size() != 1)
        return {};
    return {0, parsed.notes.first()};
}

QString AskForNoteFile(bool save) {
    clsCommonDialog dialog;
    dialog.setDialogTitle(QCoreApplication::translate("modNote", "Select a file: "));
    dialog.setDefaultExt(QStringLiteral("pnf"));
    dialog.setFilter(QCoreApplication::translate("modNote", "Pinleaf Note") +
                     QStringLiteral(" (*.pnf)|*.pnf"));
    // Explorer style and the read-only box hidden; a file chosen to save over is asked about.
    dialog.setFlags(save ? 0x80004 | FileDialogFlags::OverwritePrompt : 0x80004);
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

QString AskForSaveFile() {
    return detail::AskForNoteFile(true);
}

QString SaveNoteFile(const NoteRecord& record, const QString& path, FileProblem* problem,
                     NoteFilePlace* place) {
    QString none = QStringLiteral("none");
    QString target = path;
    if (target.isEmpty()) {
        target = AskForSaveFile();
        if (target.isEmpty())
            return none;
    }
    // A note file that was deleted meanwhile is simply written again: the text is the user's,
    // and nothing else can be lost by writing it.
    QString reason = detail::CannotReplace(target);
    const QByteArray bytes = NoteDocument::textForm(record);
    if (reason.isEmpty() && AtomicFile::write(target, bytes, AtomicFile::Access::Shared, &reason)) {
        if (place)
            *place = detail::PlaceOfOnlyNote(bytes);
        return target;
    }
    if (problem)
        *problem = {target, reason};
    return none;
}

} // namespace modNote
