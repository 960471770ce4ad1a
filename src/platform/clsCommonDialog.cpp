#include "platform/clsCommonDialog.h"

#include <QDir>
#include <QFileInfo>

namespace {
constexpr qint16 FileBufferSize = 256;
constexpr QChar Nul(u'\0');

// The file dialog's own rule: a chosen name without a dot gets the default extension. Doing it
// here as well keeps every backend alike; after the real dialog it changes nothing.
QString withDefaultExt(const QString& path, const QString& ext) {
    const QFileInfo info(path);
    if (ext.isEmpty() || info.fileName().contains(u'.') || info.isDir())
        return path;
    return path + u'.' + ext;
}
} // namespace

void clsCommonDialog::setFilter(const QString& filter) {
    m_Filter = filter;
    m_DialogFilter.clear();
    if (!filter.isEmpty()) {
        for (const QString& piece : filter.split(u'|'))
            m_DialogFilter += piece + Nul;
    }
    m_DialogFilter += Nul;
}

void clsCommonDialog::setMaxFileSize(qint16 size) {
    m_MaxFileSize = size;
    m_FileName = QString(qMax<qint16>(size, 0), Nul);
}

void clsCommonDialog::ResetFileBuffer() {
    setMaxFileSize(FileBufferSize);
}

qint32 clsCommonDialog::Browse() {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Folder;
    request.title = m_DialogTitle;
    request.owner = m_OwnerHandle;
    const FileDialogAnswer answer = FileDialogBackend::current()->run(request);
    if (answer.kind != FileDialogAnswer::Kind::Chosen || answer.paths.isEmpty())
        return 0;
    m_Path = answer.paths.first();
    return 1;
}

qint32 clsCommonDialog::ShowOpen() {
    return ShowFileDialog(FileDialogRequest::Mode::Open);
}

qint32 clsCommonDialog::ShowSave() {
    return ShowFileDialog(FileDialogRequest::Mode::Save);
}

qint32 clsCommonDialog::ShowFileDialog(FileDialogRequest::Mode mode) {
    ResetFileBuffer();
    FileDialogRequest request;
    request.mode = mode;
    request.title = m_DialogTitle;
    request.filter = m_Filter;
    request.filterIndex = m_FilterIndex;
    request.defaultExt = m_DefaultExt;
    request.initDir = m_InitDir;
    request.flags = m_flags;
    const FileDialogAnswer answer = FileDialogBackend::current()->run(request);
    switch (answer.kind) {
    case FileDialogAnswer::Kind::Chosen:
        if (answer.paths.isEmpty())
            return 0;
        TakeChosenFiles(answer.paths);
        return 1;
    case FileDialogAnswer::Kind::Failed:
        return -answer.errorCode;
    case FileDialogAnswer::Kind::Cancelled:
        break;
    }
    return 0;
}

void clsCommonDialog::TakeChosenFiles(QStringList paths) {
    for (QString& path : paths)
        path = withDefaultExt(path, m_DefaultExt);
    if (paths.size() == 1) {
        const QString& path = paths.first();
        const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
        m_FileName = path;
        m_Path = path.left(nameStart);
        m_FileTitle = path.mid(nameStart);
        return;
    }
    // A multiple selection: the folder, then each name, NUL-separated. Names are relative to the
    // first file's folder, which the dialogs share for every file they return.
    const QString folder = QFileInfo(paths.first()).absolutePath();
    const QDir dir(folder);
    m_FileName = folder;
    for (const QString& path : paths)
        m_FileName += Nul + dir.relativeFilePath(path);
    m_Path = folder + Nul;
    m_FileTitle.clear();
}

QStringList clsCommonDialog::ParseFileNames() const {
    QString names = m_FileName;
    while (names.endsWith(Nul))
        names.chop(1);
    if (names.isEmpty())
        return {};
    const QStringList pieces = names.split(Nul);
    if (pieces.size() == 1)
        return {names};
    QString folder = pieces.first();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    QStringList paths;
    for (qsizetype i = 1; i < pieces.size(); ++i)
        paths << folder + pieces.at(i);
    return paths;
}
