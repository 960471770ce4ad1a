#include "platform/linux/DesktopEntry.h"

namespace DesktopEntry {

QString quoteExecArgument(const QString& arg) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = arg.isEmpty();
    for (QChar c : arg) {
        if (reserved.contains(c)) {
            needsQuotes = true;
            break;
        }
    }
    QString out;
    if (!needsQuotes) {
        out = arg;
    } else {
        out = QStringLiteral("\"");
        for (QChar c : arg) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                c == QLatin1Char('\\'))
                out += QLatin1Char('\\');
            out += c;
        }
        out += QLatin1Char('"');
    }
    out.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return out;
}

QString escapeValue(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (QChar c : value) {
        switch (c.unicode()) {
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString autostartEntry(const QString& executable) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Pinleaf\n"
                          "Comment=Brings back the notes that were open when you logged off\n"
                          "Exec=%1\n"
                          "Icon=pinleaf\n"
                          "Terminal=false\n"
                          "NoDisplay=true\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(escapeValue(quoteExecArgument(executable)));
}

} // namespace DesktopEntry
