// Start-up: which note windows open.
#include "app/modMain.h"

#include "app/modNote.h"
#include "note/frmMain.h"
#include "platform/RichTextBox.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>

namespace {
// A window filled from a stored note, in the fixed order of its properties.
frmMain* openNote(const NoteRecord& r) {
    auto* w = new frmMain;
    w->RTB1->setText(r.Data);
    w->SetColor(r.Color);
    w->lblDate->setText(r.TimeDate);
    w->setHeight(r.Height);
    w->setWidth(r.Width);
    w->setTop(r.Top);
    w->setLeft(r.Left);
    return w;
}

bool openNoteFile(const QString& path) {
    const QList<NoteRecord> notes = modNote::ReadNotes(false, path);
    if (notes.isEmpty())
        return false;
    // Only the first note of a file opens.
    frmMain* w = openNote(notes.first());
    w->setTag(notes.first().SourcePath);
    w->setIsDirty(true);
    w->show();
    return true;
}

bool openStore() {
    const QString store = modNote::StorePath();
    if (!modMain::FileExists(store))
        return false;
    const QList<NoteRecord> notes = modNote::ReadNotes(true, QString());
    // An unreadable store stays where it is, to be tried again at the next start.
    if (notes.isEmpty())
        return false;
    for (const NoteRecord& r : notes) {
        frmMain* w = openNote(r);
        w->setIsDirty(true);
        w->show();
    }
    // Every note has its window now, so the store has done its work.
    QFile::remove(store);
    return true;
}
} // namespace

namespace modMain {

QString CommandLineText(const QStringList& arguments) {
    return arguments.join(QLatin1Char(' '));
}

QString NoteFileFromCommandLine(const QString& text) {
    QString t = text;
    if (t.startsWith(QLatin1Char('"')))
        t.remove(0, 1);
    if (t.endsWith(QLatin1Char('"')))
        t.chop(1);
    if (t.right(3).compare(QLatin1String("pnf"), Qt::CaseInsensitive) != 0)
        return QString();
    return t;
}

void Main(const QString& commandLine) {
    bool opened = false;
    if (!commandLine.isEmpty()) {
        const QString path = NoteFileFromCommandLine(commandLine);
        if (!path.isEmpty())
            opened = openNoteFile(QFileInfo(path).absoluteFilePath());
    } else {
        opened = openStore();
    }
    if (!opened)
        (new frmMain)->show();
}

void ChoosePlatform() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace modMain
