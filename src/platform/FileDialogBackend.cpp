#include "platform/FileDialogBackend.h"

#include "platform/SeamSlot.h"

#include <QApplication>
#include <QFileDialog>

#include <algorithm>

FileDialogAnswer FileDialogAnswer::chosen(const QStringList& paths) {
    FileDialogAnswer a;
    a.kind = paths.isEmpty() ? Kind::Cancelled : Kind::Chosen;
    a.paths = paths;
    return a;
}

FileDialogAnswer FileDialogAnswer::cancelled() {
    return {};
}

FileDialogAnswer FileDialogAnswer::failed(qint32 errorCode) {
    FileDialogAnswer a;
    a.kind = Kind::Failed;
    a.errorCode = errorCode;
    return a;
}

FileDialogBackend::~FileDialogBackend() = default;

std::shared_ptr<FileDialogBackend> FileDialogBackend::current() {
    return SeamSlot<FileDialogBackend>::current(
        [] { return std::make_shared<QtFileDialogBackend>(); });
}

void FileDialogBackend::setOverride(std::shared_ptr<FileDialogBackend> backend) {
    SeamSlot<FileDialogBackend>::setOverride(std::move(backend));
}

QStringList qtNameFilters(const QString& filter) {
    const QStringList pieces = filter.split(u'|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < pieces.size(); i += 2) {
        QString description = pieces.at(i).trimmed();
        const QString raw = pieces.at(i + 1).trimmed();
        // Descriptions usually repeat their patterns in brackets; Qt reads the patterns from
        // there, so they are rebuilt in Qt's space-separated form.
        const QString shown = u'(' + raw + u')';
        if (description.endsWith(shown))
            description = description.chopped(shown.size()).trimmed();
        QStringList patterns = raw.split(u';', Qt::SkipEmptyParts);
        for (QString& p : patterns)
            p = p.trimmed();
        patterns.removeAll(QString());
        if (patterns.isEmpty())
            continue;
        const QString list = patterns.join(u' ');
        out << (description.isEmpty() ? list : description + QStringLiteral(" (") + list + u')');
    }
    return out;
}

FileDialogAnswer QtFileDialogBackend::run(const FileDialogRequest& request) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return FileDialogAnswer::failed(FileDialogInitError);

    using Mode = FileDialogRequest::Mode;
    QFileDialog dialog(request.owner, request.title, request.initDir);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (request.mode == Mode::Folder) {
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
    } else {
        const QStringList filters = qtNameFilters(request.filter);
        if (!filters.isEmpty()) {
            dialog.setNameFilters(filters);
            const int index = std::max<int>(request.filterIndex, 1) - 1;
            dialog.selectNameFilter(filters.value(index, filters.first()));
        }
        dialog.setDefaultSuffix(request.defaultExt);
        if (request.mode == Mode::Save) {
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setFileMode(QFileDialog::AnyFile);
            dialog.setOption(QFileDialog::DontConfirmOverwrite,
                             !(request.flags & FileDialogFlags::OverwritePrompt));
        } else {
            dialog.setAcceptMode(QFileDialog::AcceptOpen);
            dialog.setFileMode(request.flags & FileDialogFlags::AllowMultiSelect
                                   ? QFileDialog::ExistingFiles
                                   : QFileDialog::ExistingFile);
        }
    }
    if (dialog.exec() != QDialog::Accepted)
        return FileDialogAnswer::cancelled();
    QStringList paths = dialog.selectedFiles();
    if (request.mode == Mode::Folder)
        paths = paths.mid(0, 1);
    return FileDialogAnswer::chosen(paths);
}
