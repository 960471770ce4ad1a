// Note files and the file dialogs that pick them.
#include "store/modNote.h"

#include "platform/AtomicFile.h"
#include "platform/clsCommonDialog.h"
#include "store/FileRead.h"
#include "store/modNote_internal.h"

#include <QStandardPaths>

namespace modNote {

namespace detail {

QString AskForNoteFile(bool save) {
    clsCommonDialog dialog;
    dialog.setDialogTitle(QStringLiteral("Select a file: "));
    dialog.setDefaultExt(QStringLiteral("pnf"));
    dialog.setFilter(QStringLiteral("Pinleaf Note (*.pnf)|*.pnf"));
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
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Pinleaf");
}

QString StorePath() {
    return StoreFolder() + QStringLiteral("/pinleaf.dat");
}

QString SaveNoteFile(const NoteRecord& record, const QString& path) {
    const QString none = QStringLiteral("none");
    QString target = path;
    if (target.isEmpty()) {
        target = detail::AskForNoteFile(true);
        if (target.isEmpty())
            return none;
    } else if (!FileRead::FileExists(target)) {
        // A given path names a note file that is there to be replaced.
        return none;
    }
    return AtomicFile::write(target, NoteDocument::textForm(record), AtomicFile::Access::Shared)
               ? target
               : none;
}

} // namespace modNote
