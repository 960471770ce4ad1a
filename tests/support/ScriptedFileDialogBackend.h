#pragma once
#include "platform/FileDialogBackend.h"

#include <QList>

// Answers dialogs from a queue that a test fills, without showing anything. An unscripted
// dialog counts as cancelled, so a test that forgot an answer never blocks. A folder is chosen
// like a file.
class ScriptedFileDialogBackend : public FileDialogBackend {
public:
    void chooseFile(const QString& path) { chooseFiles({path}); }
    void chooseFiles(const QStringList& paths) { m_answers << FileDialogAnswer::chosen(paths); }
    void cancel() { m_answers << FileDialogAnswer::cancelled(); }
    void fail(qint32 errorCode) { m_answers << FileDialogAnswer::failed(errorCode); }

    FileDialogAnswer run(const FileDialogRequest& request) override {
        m_last = request;
        ++m_requests;
        return m_answers.isEmpty() ? FileDialogAnswer::cancelled() : m_answers.takeFirst();
    }

    const FileDialogRequest& lastRequest() const { return m_last; }
    int requestCount() const { return m_requests; }

private:
    QList<FileDialogAnswer> m_answers;
    FileDialogRequest m_last;
    int m_requests = 0;
};
