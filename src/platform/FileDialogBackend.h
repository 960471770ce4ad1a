#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

// What clsCommonDialog asks of a file or folder dialog.
struct FileDialogRequest {
    enum class Mode { Open, Save, Folder };
    Mode mode = Mode::Open;
    QString title;
    QString filter;         // "description|pattern|..." as the caller gave it
    qint16 filterIndex = 0; // 1-based entry of `filter`; 0 selects the first
    QString defaultExt;     // without its dot
    QString initDir;        // empty lets the dialog choose
    qint32 flags = 0;       // file-dialog option bits; unused by the folder dialog
    QWidget* owner = nullptr;
};

// How a dialog ended.
struct FileDialogAnswer {
    enum class Kind { Chosen, Cancelled, Failed };
    Kind kind = Kind::Cancelled;
    QStringList paths;    // absolute paths of the chosen files, or the chosen folder
    qint32 errorCode = 0; // positive code when the dialog failed

    static FileDialogAnswer chosen(const QStringList& paths);
    static FileDialogAnswer cancelled();
    static FileDialogAnswer failed(qint32 errorCode);
};

// Option bits of the file dialog that the dialogs here honour.
namespace FileDialogFlags {
constexpr qint32 OverwritePrompt = 0x2;
constexpr qint32 AllowMultiSelect = 0x200;
} // namespace FileDialogFlags

// Error code of a dialog that could not be shown at all (no widget application).
constexpr qint32 FileDialogInitError = 0x2;

// Shows the file and folder dialogs. Tests put a scripted backend in place of the real one.
class FileDialogBackend {
public:
    virtual ~FileDialogBackend();
    virtual FileDialogAnswer run(const FileDialogRequest& request) = 0;

    // The override when one is set, else the real dialogs.
    static std::shared_ptr<FileDialogBackend> current();
    // Replaces the real dialogs for the whole program; nullptr restores them.
    static void setOverride(std::shared_ptr<FileDialogBackend> backend);
};

// The real dialogs: Qt's own (non-native) file dialog, so every platform shows the same options.
class QtFileDialogBackend : public FileDialogBackend {
public:
    FileDialogAnswer run(const FileDialogRequest& request) override;
};

// Turns "description|pattern|..." into Qt name filters such as "Pinleaf Note (*.pnf)". Patterns
// separated by ';' become a space-separated list; a description without a pattern is dropped.
QStringList qtNameFilters(const QString& filter);
