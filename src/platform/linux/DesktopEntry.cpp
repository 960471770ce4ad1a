#include "platform/linux/DesktopEntry.h"

#include <QStringList>

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

UserChoice userChoice(const QString& entry) {
    UserChoice choice;
    bool inMainGroup = false;
    for (const QString& raw : entry.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inMainGroup || line.startsWith(QLatin1Char('#')) || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        // Booleans are "true" and "false"; older writers (and GLib's reader) also use 1 and 0.
        const bool isTrue = value == QLatin1String("true") || value == QLatin1String("1");
        const bool isFalse = value == QLatin1String("false") || value == QLatin1String("0");
        if (key == QLatin1String("Hidden") && (isTrue || isFalse))
            choice.hidden = isTrue;
        else if (key == QLatin1String("X-GNOME-Autostart-enabled") && (isTrue || isFalse))
            choice.gnomeDisabled = isFalse;
    }
    return choice;
}

QString autostartEntry(const QString& executable, UserChoice choice) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Pinleaf\n"
                          "Comment=Brings back the notes that were open when you logged off\n"
                          "Exec=%1\n"
                          "Icon=pinleaf\n"
                          "Terminal=false\n"
                          "NoDisplay=true\n"
                          "%2"
                          "X-GNOME-Autostart-enabled=%3\n")
        .arg(escapeValue(quoteExecArgument(executable)),
             choice.hidden ? QStringLiteral("Hidden=true\n") : QString(),
             choice.gnomeDisabled ? QStringLiteral("false") : QStringLiteral("true"));
}

} // namespace DesktopEntry
