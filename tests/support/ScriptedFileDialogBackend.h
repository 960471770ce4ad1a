#pragma once
#include "platform/FileDialogBackend.h"

#include <QFileInfo>
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

    // A save dialog asked to (FileDialogFlags::OverwritePrompt) asks before it takes a file that
    // exists, as the real one does: each such file is noted, and the question answered Yes,
    // unless keepExisting() queued a No, which here ends the dialog as a cancel.
    void keepExisting() { m_keep << true; }

    FileDialogAnswer run(const FileDialogRequest& request) override {
        m_last = request;
        ++m_requests;
        FileDialogAnswer answer =
            m_answers.isEmpty() ? FileDialogAnswer::cancelled() : m_answers.takeFirst();
        QString chosen = answer.paths.value(0);
        if (!QFileInfo(chosen).fileName().contains(u'.') && !request.defaultExt.isEmpty())
            chosen += u'.' + request.defaultExt;
        if (request.mode == FileDialogRequest::Mode::Save &&
            (request.flags & FileDialogFlags::OverwritePrompt) &&
            answer.kind == FileDialogAnswer::Kind::Chosen && QFileInfo(chosen).isFile()) {
            replaceAsked << chosen;
            if (!m_keep.isEmpty() && m_keep.takeFirst())
                return FileDialogAnswer::cancelled();
        }
        return answer;
    }

    const FileDialogRequest& lastRequest() const { return m_last; }
    int requestCount() const { return m_requests; }
    QStringList replaceAsked;

private:
    QList<bool> m_keep;
    QList<FileDialogAnswer> m_answers;
    FileDialogRequest m_last;
    int m_requests = 0;
};
