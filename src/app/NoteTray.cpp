#include "app/NoteTray.h"

#include "app/modMain.h"
#include "note/FindNoteWindow.h"
#include "note/ImageList.h"
#include "note/frmMain.h"
#include "platform/Autostart.h"
#include "platform/TopLevel.h"

#include <QApplication>
#include <QDateTime>
#include <QMenu>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QWindow>

namespace {

QPointer<NoteTray> g_tray;

// A click on the icon may itself take the focus from the notes (the taskbar is a window too):
// a note that was active this shortly before the click counts as in front.
constexpr qint64 ClickTakesFocusMs = 600;

bool noteIsActive() {
    return qobject_cast<frmMain*>(QApplication::activeWindow()) != nullptr;
}

} // namespace

NoteTray* NoteTray::instance() {
    return g_tray;
}

NoteTray* NoteTray::install(QObject* parent) {
    if (!g_tray) {
        g_tray = new NoteTray(parent);
        g_tray->m_icon->show();
    }
    return g_tray;
}

NoteTray::NoteTray(QObject* parent) : QObject(parent) {
    m_menu = new QMenu;
    m_newNote = m_menu->addAction(tr("New Note"), this, &NoteTray::newNote);
    m_showHide = m_menu->addAction(tr("Hide All Notes"), this, [this] {
        if (anyPutAway())
            showAll();
        else
            hideAll();
    });
    m_find = m_menu->addAction(tr("Find Note…"), this, [] { FindNoteWindow::showFinder(); });
    m_menu->addSeparator();
    m_startAtLogin = m_menu->addAction(tr("Start at Login"));
    m_startAtLogin->setCheckable(true);
    connect(m_startAtLogin, &QAction::toggled, this, [](bool on) { Autostart::setEnabled(on); });
    m_menu->addSeparator();
    m_quit = m_menu->addAction(tr("Quit"), this, &NoteTray::quit);
    connect(m_menu, &QMenu::aboutToShow, this, &NoteTray::updateItems);
    updateItems();

    m_icon = new QSystemTrayIcon(NotePictures::windowIconSet(), this);
    m_icon->setContextMenu(m_menu);
    m_icon->setToolTip(toolTip());
    connect(m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger)
                    clicked();
            });
    // Queued: the active window is known once the focus change has been handled.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &NoteTray::noteFocusChanged,
            Qt::QueuedConnection);
}

NoteTray::~NoteTray() {
    delete m_menu;
}

void NoteTray::setCaptureShortcut(const QKeySequence& shortcut) {
    // Shown beside the item only: the key is the desktop's, taken by a grab of its own.
    m_newNote->setShortcut(shortcut);
    m_newNote->setShortcutContext(Qt::WidgetShortcut);
}

void NoteTray::setShortcutProblem(const QString& problem) {
    m_problem = problem;
    m_icon->setToolTip(toolTip());
}

QString NoteTray::toolTip() const {
    const QString name = QStringLiteral("Pinleaf");
    return m_problem.isEmpty() ? name : name + QLatin1Char('\n') + m_problem;
}

bool NoteTray::anyPutAway() {
    const QList<frmMain*> notes = frmMain::openNotes();
    return std::any_of(notes.cbegin(), notes.cend(),
                       [](const frmMain* note) { return TopLevel::isPutAway(note); });
}

void NoteTray::updateItems() {
    m_showHide->setText(anyPutAway() ? tr("Show All Notes") : tr("Hide All Notes"));
    const QSignalBlocker quiet(m_startAtLogin);
    m_startAtLogin->setChecked(Autostart::isSet() && Autostart::isEnabled());
}

void NoteTray::newNote() {
    frmMain::openCapturedNote(QString());
}

// Every note on screen and in front, in the order the notes were made, so the newest is on top
// and active.
void NoteTray::showAll() {
    const QList<frmMain*> notes = frmMain::openNotes();
    for (frmMain* note : notes) {
        TopLevel::bringBack(note);
        note->raise();
    }
    if (!notes.isEmpty())
        notes.last()->activateWindow();
    m_inFront = true;
    updateItems();
}

void NoteTray::hideAll() {
    for (frmMain* note : frmMain::openNotes())
        TopLevel::putAway(note);
    m_inFront = false;
    updateItems();
}

// The notes come back at the next start, as after a logoff, and starting at login stays as the
// user set it.
void NoteTray::quit() {
    modMain::EndOfLogon();
}

void NoteTray::clicked() {
    const bool justLeft = QDateTime::currentMSecsSinceEpoch() - m_leftFrontAt < ClickTakesFocusMs;
    const bool inFront = !anyPutAway() && (noteIsActive() || m_inFront || justLeft);
    if (inFront && !frmMain::openNotes().isEmpty())
        hideAll();
    else
        showAll();
}

// Another program's window became active: the notes are no longer in front.
void NoteTray::noteFocusChanged() {
    const bool active = noteIsActive();
    if (m_noteActive && !active)
        m_leftFrontAt = QDateTime::currentMSecsSinceEpoch();
    if (!QApplication::activeWindow())
        m_inFront = false;
    m_noteActive = active;
}
