// Options on the command line, which Pinleaf takes none of beside --help and --version alone.
#include "app/modMain.h"

#include <QFileInfo>

namespace modMain {

QStringList WithoutOptions(const QStringList& arguments, QStringList* ignored) {
    QStringList kept;
    bool optionsEnded = false;
    for (const QString& arg : arguments) {
        if (!optionsEnded && arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
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
