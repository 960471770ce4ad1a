#include "platform/TopLevel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace {

// Marks the dialogs that keepAboveNotes was given.
constexpr char AboveNotesProperty[] = "pinleafAboveNotes";
constexpr char WatcherName[] = "pinleafNoteWatcher";
// A window left unexposed (mapped on a workspace out of sight) takes its bounds back after this.
constexpr int ManagedAfterMs = 2000;
// How long after the mapping a move is taken as the window manager's placement.
constexpr qint64 SettleMs = 1000;

void raiseDialogsAboveNotes() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->property(AboveNotesProperty).toBool())
            w->raise();
    }
}

// Watches one note window: a tiling window manager decides whether to tile a window when it is
// mapped, and floats one whose smallest and largest sizes are the same (i3 does so, as it floats
// dialogs). Every other window manager reads the size bounds again when they change, so the note
// keeps its ordinary window type, its taskbar entry, its stacking and its focus everywhere.
class NoteWatcher : public QObject {
public:
    explicit NoteWatcher(QWidget* note) : QObject(note), m_note(note) {
        setObjectName(QLatin1String(WatcherName));
        note->installEventFilter(this);
        m_fallback.setSingleShot(true);
        m_fallback.setInterval(ManagedAfterMs);
        connect(&m_fallback, &QTimer::timeout, this, &NoteWatcher::sizeFreely);
    }

    // The window's own bounds again.
    void sizeFreely() {
        if (!m_fixed)
            return;
        m_fixed = false;
        m_fallback.stop();
        m_note->setMinimumSize(m_minimum);
        m_note->setMaximumSize(m_maximum);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == m_note && e->type() == QEvent::Show)
            askForFixedSize();
        else if (watched == m_handle && e->type() == QEvent::Expose && m_handle->isExposed() &&
                 !std::exchange(m_exposed, true))
            onScreen();
        else if (watched == m_note && e->type() == QEvent::Move)
            onMoved();
        else if (watched == m_note && e->type() == QEvent::MouseButtonPress)
            m_settling.invalidate(); // the user takes the note
        else if (watched == m_note && e->type() == QEvent::Hide)
            m_exposed = false;
        return QObject::eventFilter(watched, e);
    }

private:
    // Sent with the window's size hints as Qt maps the window, after this Show event.
    void askForFixedSize() {
        if (QWindow* handle = m_note->windowHandle(); handle != m_handle) {
            if (m_handle)
                m_handle->removeEventFilter(this);
            m_handle = handle;
            if (m_handle)
                m_handle->installEventFilter(this);
        }
        // Only X11 has window managers that tile.
        if (!m_handle || m_fixed || QGuiApplication::platformName() != QLatin1String("xcb"))
            return;
        m_minimum = m_note->minimumSize();
        m_maximum = m_note->maximumSize();
        m_asked = m_note->pos();
        m_fixed = true;
        m_note->setFixedSize(m_note->size());
        m_fallback.start();
    }

    // Exposed, the window is mapped: the window manager has read its hints.
    void onScreen() {
        const bool mapped = m_fixed;
        sizeFreely();
        if (mapped)
            m_settling.start();
        raiseDialogsAboveNotes();
    }

    // A window manager that moves a note it has just mapped (i3 puts a floating window that
    // wants no frame where its frame's title would have left it) sees it go back where it asked
    // to be, so the note does not creep at every start. The program moves notes only before
    // showing them, and the user only after pressing a button on them.
    void onMoved() {
        if (!m_settling.isValid())
            return;
        // Only the first move counts, and only if the user has not taken the note meanwhile.
        const bool placement =
            !m_settling.hasExpired(SettleMs) && QGuiApplication::mouseButtons() == Qt::NoButton;
        m_settling.invalidate();
        if (placement && m_note->pos() != m_asked)
            m_note->move(m_asked);
    }

    QWidget* m_note;
    QPointer<QWindow> m_handle;
    QTimer m_fallback;
    bool m_fixed = false;
    bool m_exposed = false; // since the window was last shown
    QSize m_minimum;
    QSize m_maximum;
    QPoint m_asked;           // where the window was as it was mapped
    QElapsedTimer m_settling; // since the window was mapped, while a move may be the mapping's
};

} // namespace

namespace TopLevel {

bool SetWindowTopmost(QWidget* window, int mode) {
    if (!window || (mode != Topmost && mode != NotTopmost))
        return false;
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, mode == Topmost);
    if (flags == window->windowFlags())
        return true;
    if (QWindow* handle = window->windowHandle()) {
        // Changed in place: setWindowFlags() would hide the window and may recreate it.
        window->overrideWindowFlags(flags);
        handle->setFlags(flags);
    } else {
        window->setWindowFlags(flags);
    }
    return true;
}

int LoadedWindowCount() {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        const bool window = type == Qt::Window || type == Qt::Dialog || type == Qt::Tool;
        if (isOpen(w) && window && !qobject_cast<QMessageBox*>(w))
            ++count;
    }
    return count;
}

void keepAboveNotes(QWidget* dialog) {
    dialog->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    dialog->setProperty(AboveNotesProperty, true);
}

void manageAsNote(QWidget* note) {
    new NoteWatcher(note);
}

void sizeFreely(QWidget* note) {
    if (auto* watcher =
            note->findChild<NoteWatcher*>(QLatin1String(WatcherName), Qt::FindDirectChildrenOnly))
        watcher->sizeFreely();
}

} // namespace TopLevel
