#pragma once
#include "platform/FileDialogBackend.h"

#include <QList>

// Answers dialogs from a queue that a test fills, without showing anything. An unscripted
// dialog counts as cancelled, so a test that forgot an answer never blocks.
class ScriptedFileDialogBackend : public FileDialogBackend {
public:
    void chooseFile(const QString& path);
    void chooseFiles(const QStringList& paths);
    void chooseFolder(const QString& path);
    void cancel();
    void fail(qint32 errorCode);

    FileDialogAnswer run(const FileDialogRequest& request) override;

    const FileDialogRequest& lastRequest() const { return m_last; }
    int requestCount() const { return m_requests; }

private:
    QList<FileDialogAnswer> m_answers;
    FileDialogRequest m_last;
    int m_requests = 0;
};
