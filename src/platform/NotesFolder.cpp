#include "platform/NotesFolder.h"

namespace {
QString& overridden() {
    static QString folder;
    return folder;
}
} // namespace

namespace NotesFolder {

QString path() {
    return overridden().isEmpty() ? systemPath() : overridden();
}

void setOverride(const QString& folder) {
    overridden() = folder;
}

} // namespace NotesFolder
