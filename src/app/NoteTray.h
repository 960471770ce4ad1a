#pragma once
#include <QKeySequence>
#include <QObject>

class QAction;
class QMenu;
class QSystemTrayIcon;

// The program's icon in the desktop's system tray: a left click shows every note in front, or
// puts them all away when they are in front already; its menu makes a note, shows or hides them
// all, finds one, switches starting at login, and quits. Without a system tray no icon shows.
class NoteTray : public QObject {
    Q_OBJECT
public:
    explicit NoteTray(QObject* parent = nullptr);
    ~NoteTray() override;

    // This run's tray icon, made once the first note is open; it shows wherever the desktop has
    // a system tray, also one that starts after Pinleaf.
    static NoteTray* install(QObject* parent);
    static NoteTray* instance();

    QSystemTrayIcon* icon() const { return m_icon; }
    QMenu* menu() const { return m_menu; }

    // The menu's items, in order; the second is "Show All Notes" or "Hide All Notes".
    QAction* newNoteItem() const { return m_newNote; }
    QAction* showHideItem() const { return m_showHide; }
    QAction* findItem() const { return m_find; }
    QAction* startAtLoginItem() const { return m_startAtLogin; }
    QAction* quitItem() const { return m_quit; }

    // The shortcut that makes a note from any program, shown beside "New Note", and what keeps
    // it from working (empty when it works), said in the icon's tooltip.
    void setCaptureShortcut(const QKeySequence& shortcut);
    void setShortcutProblem(const QString& problem);
    QString toolTip() const;

    // The commands.
    void newNote();
    void showAll();
    void hideAll();
    void quit();
    // A left click on the icon.
    void clicked();
    // True while some open note is put away.
    static bool anyPutAway();

private:
    void updateItems();
    void noteFocusChanged();

    QSystemTrayIcon* m_icon = nullptr;
    QMenu* m_menu = nullptr;
    QAction* m_newNote = nullptr;
    QAction* m_showHide = nullptr;
    QAction* m_find = nullptr;
    QAction* m_startAtLogin = nullptr;
    QAction* m_quit = nullptr;
    QString m_problem;
    // The notes stand in front: the icon brought them there, or a note is the active window.
    bool m_inFront = false;
    bool m_noteActive = false;
    qint64 m_leftFrontAt = 0; // when the notes last stopped being in front (ms since epoch)
};
