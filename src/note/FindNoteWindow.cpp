#include "note/FindNoteWindow.h"

#include "note/NoteActivity.h"
#include "note/frmMain.h"
#include "platform/RichTextBox.h"
#include "platform/TopLevel.h"
#include "store/modNote.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {
QPointer<FindNoteWindow> g_finder;
// A burst of changes to the notes (a note being typed in) is taken in once it has paused.
constexpr int FollowMs = 300;
} // namespace

FindNoteWindow* FindNoteWindow::instance() {
    return g_finder;
}

FindNoteWindow* FindNoteWindow::showFinder() {
    if (!g_finder)
        g_finder = new FindNoteWindow;
    g_finder->refresh();
    if (!g_finder->isVisible()) {
        // The screen the user is working on: where the pointer is.
        const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        QRect frame = g_finder->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        g_finder->move(frame.topLeft());
    }
    g_finder->show();
    g_finder->raise();
    g_finder->activateWindow();
    g_finder->m_field->setFocus();
    g_finder->m_field->selectAll();
    return g_finder;
}

// A dialog to the window system, so that a tiling window manager floats it.
FindNoteWindow::FindNoteWindow() : QWidget(nullptr, Qt::Dialog) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Find Note"));
    // Notes may stand above every other window; the finder stands above them.
    TopLevel::keepAboveNotes(this);

    m_field = new QLineEdit(this);
    m_field->setPlaceholderText(tr("Words from the note"));
    m_field->setClearButtonEnabled(true);
    m_field->setAccessibleName(tr("Search the notes"));
    m_field->installEventFilter(this);

    m_list = new FindNoteList(this);
    m_view = new QListView(this);
    m_view->setModel(m_list);
    // Every row has two lines: thousands of notes are laid out without measuring each.
    m_view->setUniformItemSizes(true);
    m_view->setAlternatingRowColors(true);
    m_view->setIconSize(QSize(16, 16));
    m_view->setAccessibleName(tr("Notes"));
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(m_view, &QAbstractItemView::activated, this,
            [this](const QModelIndex& index) { choose(index.row()); });

    auto* label = new QLabel(tr("&Find:"), this);
    label->setBuddy(m_field);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_field);
    layout->addWidget(m_view, 1);

    m_filter = new QTimer(this);
    m_filter->setSingleShot(true);
    m_filter->setInterval(0);
    connect(m_filter, &QTimer::timeout, this, &FindNoteWindow::filterNow);
    connect(m_field, &QLineEdit::textChanged, m_filter, qOverload<>(&QTimer::start));

    m_follow = new QTimer(this);
    m_follow->setSingleShot(true);
    m_follow->setInterval(FollowMs);
    connect(m_follow, &QTimer::timeout, this, &FindNoteWindow::refresh);
    connect(NoteActivity::instance(), &NoteActivity::changed, m_follow,
            qOverload<>(&QTimer::start));

    const int em = fontMetrics().averageCharWidth();
    resize(60 * em, 26 * fontMetrics().height());
}

void FindNoteWindow::refresh() {
    m_follow->stop();
    std::vector<FoundNote> notes;
    const QList<frmMain*> open = frmMain::openNotes();
    QList<NoteRecord> openRecords;
    openRecords.reserve(open.size());
    // The newest note first.
    for (auto it = open.crbegin(); it != open.crend(); ++it) {
        const NoteRecord record = (*it)->toRecord();
        FoundNote note = FoundNote::fromRecord(record, false);
        note.window = *it;
        notes.push_back(std::move(note));
        openRecords.append(record);
    }
    // The last note closed first; one that is open again is listed once, as the open note.
    const QList<NoteRecord> closed = modNote::ReadDocument(modNote::ClosedNotesPath()).notes;
    for (auto it = closed.crbegin(); it != closed.crend(); ++it) {
        const bool reopened =
            std::any_of(openRecords.cbegin(), openRecords.cend(), [&](const NoteRecord& r) {
                return r.Data == it->Data && r.TimeDate == it->TimeDate;
            });
        if (!reopened)
            notes.push_back(FoundNote::fromRecord(*it, true));
    }
    const int row = m_view->currentIndex().row();
    m_list->setNotes(std::move(notes));
    selectRow(std::clamp(row, 0, m_list->rowCount() - 1));
}

void FindNoteWindow::filterNow() {
    m_list->setQuery(m_field->text());
    selectRow(0);
}

void FindNoteWindow::selectRow(int row) {
    if (row < 0 || row >= m_list->rowCount())
        return;
    m_view->setCurrentIndex(m_list->index(row));
}

bool FindNoteWindow::choose(int row) {
    // A filter still waiting applies first: Enter chooses from what the field says.
    if (m_filter->isActive()) {
        m_filter->stop();
        filterNow();
        row = 0;
    }
    const FoundNote* found = m_list->noteAt(row);
    if (!found)
        return false;
    frmMain* note = found->window;
    if (found->closed)
        note = frmMain::openStoredNote(found->record);
    if (!note)
        return false;
    close();
    note->bringToFront();
    return true;
}

// The field keeps the focus while the arrows move through the list and Enter chooses.
bool FindNoteWindow::eventFilter(QObject* watched, QEvent* e) {
    if (watched != m_field || e->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, e);
    const auto* key = static_cast<QKeyEvent*>(e);
    switch (key->key()) {
    case Qt::Key_Down:
    case Qt::Key_Up:
    case Qt::Key_PageDown:
    case Qt::Key_PageUp:
        QCoreApplication::sendEvent(m_view, e);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        choose(m_view->currentIndex().row());
        return true;
    default:
        return QWidget::eventFilter(watched, e);
    }
}

void FindNoteWindow::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}
