// Options on the command line: Pinleaf takes "--new", and --help and --version alone.
#include "app/modMain.h"

#include <QFileInfo>

namespace {
const QLatin1String NewOption("--new");
const QLatin1String EndOfOptions("--");
} // namespace

namespace modMain {

bool AsksForNewNote(const QStringList& arguments) {
    for (const QString& arg : arguments) {
        if (arg == EndOfOptions)
            return false;
        if (arg == NewOption)
            return true;
    }
    return false;
}

QStringList WithoutOptions(const QStringList& arguments, QStringList* ignored) {
    QStringList kept;
    bool optionsEnded = false;
    for (const QString& arg : arguments) {
        if (!optionsEnded && arg == EndOfOptions) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && arg == NewOption)
            continue;
        // A note file whose name begins with a dash is still the note file.
        if (!optionsEnded && arg.size() > 1 && arg.startsWith(u'-') && !QFileInfo(arg).isFile()) {
            if (ignored)
                *ignored << arg;
            continue;
        }
        kept << arg;
    }
    return kept;
}

} // namespace modMain
