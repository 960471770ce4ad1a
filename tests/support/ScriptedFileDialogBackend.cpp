#include "ScriptedFileDialogBackend.h"

void ScriptedFileDialogBackend::chooseFile(const QString& path) {
    chooseFiles({path});
}

void ScriptedFileDialogBackend::chooseFiles(const QStringList& paths) {
    m_answers << FileDialogAnswer::chosen(paths);
}

void ScriptedFileDialogBackend::chooseFolder(const QString& path) {
    chooseFiles({path});
}

void ScriptedFileDialogBackend::cancel() {
    m_answers << FileDialogAnswer::cancelled();
}

void ScriptedFileDialogBackend::fail(qint32 errorCode) {
    m_answers << FileDialogAnswer::failed(errorCode);
}

FileDialogAnswer ScriptedFileDialogBackend::run(const FileDialogRequest& request) {
    m_last = request;
    ++m_requests;
    return m_answers.isEmpty() ? FileDialogAnswer::cancelled() : m_answers.takeFirst();
}
