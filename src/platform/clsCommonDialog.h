#pragma once
#include "platform/FileDialogBackend.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

// The open, save and folder dialogs behind a set of properties: set what is needed, call
// ShowOpen, ShowSave or Browse, test the result, then read FileName, FileTitle or Path.
class clsCommonDialog {
public:
    // Owner window of the folder dialog; the file dialogs have none.
    void setOwnerHandle(QWidget* owner) { m_OwnerHandle = owner; }

    QString InitDir() const { return m_InitDir; }
    void setInitDir(const QString& dir) { m_InitDir = dir; }

    QString DialogTitle() const { return m_DialogTitle; }
    void setDialogTitle(const QString& title) { m_DialogTitle = title; }

    // Descriptions and patterns in turn, separated by '|', e.g. "Pinleaf Note (*.pnf)|*.pnf".
    QString Filter() const { return m_Filter; }
    void setFilter(const QString& filter);
    // The same filter in the dialog's form: each piece followed by a NUL, then one more NUL.
    QString DialogFilter() const { return m_DialogFilter; }

    // Folder of the last result: with a trailing '/' after one file, followed by a NUL after a
    // multiple selection, and as chosen after Browse.
    QString Path() const { return m_Path; }

    // Without its dot; appended to a chosen name that has no extension.
    QString DefaultExt() const { return m_DefaultExt; }
    void setDefaultExt(const QString& ext) { m_DefaultExt = ext; }

    // After a choice the full path, or for a multiple selection the folder and then the names,
    // NUL-separated. The file dialogs reset it first, so a value set before has no effect.
    QString FileName() const { return m_FileName; }
    void setFileName(const QString& name) { m_FileName = name; }

    // Name of the chosen file without its folder; empty after a multiple selection.
    QString FileTitle() const { return m_FileTitle; }

    // 1-based entry of the filter selected when the dialog opens; 0 selects the first.
    qint16 FilterIndex() const { return m_FilterIndex; }
    void setFilterIndex(qint16 index) { m_FilterIndex = index; }

    qint32 flags() const { return m_flags; }
    void setFlags(qint32 flags) { m_flags = flags; }

    // Setting it also sets FileName to that many NULs.
    qint16 MaxFileSize() const { return m_MaxFileSize; }
    void setMaxFileSize(qint16 size);

    // Nonzero when a folder was chosen (then in Path), 0 otherwise.
    qint32 Browse();
    // 1 when a file was chosen, 0 when cancelled, the negated error code when the dialog failed.
    qint32 ShowOpen();
    qint32 ShowSave();

    // Full paths of a multiple selection; a single path alone; empty when FileName names none.
    QStringList ParseFileNames() const;

private:
    void ResetFileBuffer();
    qint32 ShowFileDialog(FileDialogRequest::Mode mode);
    void TakeChosenFiles(QStringList paths);

    QPointer<QWidget> m_OwnerHandle;
    QString m_Path;
    QString m_InitDir;
    QString m_DialogTitle;
    QString m_DialogFilter;
    QString m_Filter;
    QString m_DefaultExt;
    QString m_FileName;
    QString m_FileTitle;
    qint16 m_FilterIndex = 0;
    qint32 m_flags = 0;
    qint16 m_MaxFileSize = 0;
};
