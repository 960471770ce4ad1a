// The note document's text form, note files and the file dialogs that pick them.
#include "app/modNote.h"
#include "app/modMain.h"
#include "app/modNote_internal.h"
#include "platform/clsCommonDialog.h"

#include <QSaveFile>
#include <QStandardPaths>

namespace modNote {

namespace detail {

QString XmlSafe(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out.append(c);
            out.append(text.at(++i));
            continue;
        }
        const char16_t u = c.unicode();
        if (u == 0x9 || u == 0xA || u == 0xD || (u >= 0x20 && u < 0xD800) ||
            (u >= 0xE000 && u <= 0xFFFD))
            out.append(c);
    }
    return out;
}

QByteArray TextForm(const NoteRecord& record) {
    // Colour and date are escaped like the text, and characters XML cannot carry are dropped
    // from all three, so every document written here reads back.
    const auto text = [](const QString& s) { return EscapeXml(XmlSafe(s)); };
    const auto number = [](qint32 n) { return QString::number(n); };
    const QString crlf = QStringLiteral("\r\n");
    QString s;
    s += QStringLiteral("<?xml version=\"1.0\" standalone=\"yes\"?>") + crlf;
    s += QStringLiteral("<NOTES>") + crlf;
    s += QStringLiteral("<NOTE>") + crlf;
    s += QStringLiteral("<COLOR>") + text(record.Color) + QStringLiteral("</COLOR>") + crlf;
    s += QStringLiteral("<DATA>") + text(record.Data) + QStringLiteral("</DATA>") + crlf;
    s +=
        QStringLiteral("<TIMEDATE>") + text(record.TimeDate) + QStringLiteral("</TIMEDATE>") + crlf;
    s += QStringLiteral("<HEIGHT>") + number(record.Height) + QStringLiteral("</HEIGHT>") + crlf;
    s += QStringLiteral("<WIDTH>") + number(record.Width) + QStringLiteral("</WIDTH>") + crlf;
    s += QStringLiteral("<LEFT>") + number(record.Left) + QStringLiteral("</LEFT>") + crlf;
    s += QStringLiteral("<TOP>") + number(record.Top) + QStringLiteral("</TOP>") + crlf;
    s += QStringLiteral("</NOTE>") + crlf;
    s += QStringLiteral("</NOTES>") + crlf;
    return s.toUtf8();
}

bool WriteWhole(const QString& path, const QByteArray& bytes) {
    // The new content goes to a temporary file beside the target, which then takes the target's
    // place; never write into the target itself, or a failure would leave half a note.
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

// The open or save dialog for note files; empty when the user chose nothing.
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

QString StorePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Pinleaf/pinleaf.dat");
}

QString SaveNoteFile(const NoteRecord& record, const QString& path) {
    const QString none = QStringLiteral("none");
    QString target = path;
    if (target.isEmpty()) {
        target = detail::AskForNoteFile(true);
        if (target.isEmpty())
            return none;
    } else if (!modMain::FileExists(target)) {
        // A given path names a note file that is there to be replaced.
        return none;
    }
    return detail::WriteWhole(target, detail::TextForm(record)) ? target : none;
}

} // namespace modNote
