// Pointer and keyboard wiring of the note window and the notifications of its text box.
#include "note/frmMain.h"

#include "note/FindNoteWindow.h"
#include "note/NoteAccessible.h"
#include "note/NoteActivity.h"
#include "platform/RichTextBox.h"
#include "platform/VirtualKey.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTextDocument>
#include <QToolTip>

namespace {
constexpr int ContextMenuKey = 93;

// Shift+F10 opens the menus as the context-menu key does.
bool isMenuKeys(const QKeyEvent* e) {
    return e->key() == Qt::Key_F10 && e->modifiers() == Qt::ShiftModifier;
}
// Alt+Space opens the window menu, as it opens a window's menu on every desktop.
bool isWindowMenuKeys(const QKeyEvent* e) {
    return e->key() == Qt::Key_Space && e->modifiers() == Qt::AltModifier;
}
// F1 opens the help note, as the help picture does.
bool isHelpKey(const QKeyEvent* e) {
    return e->key() == Qt::Key_F1 && e->modifiers() == Qt::NoModifier;
}
// Ctrl+F opens the note finder, as it opens the search of most programs.
bool isFindKey(const QKeyEvent* e) {
    return e->key() == Qt::Key_F && e->modifiers() == Qt::ControlModifier;
}
} // namespace

void frmMain::wireTextBox() {
    connect(RTB1, &RichTextBox::contentChanged, this, &frmMain::onContentChanged);
    connect(RTB1, &RichTextBox::clicked, this, &frmMain::onTextClicked);
    connect(RTB1, &RichTextBox::mouseDown, this, &frmMain::onTextMouseDown);
    connect(RTB1, &RichTextBox::keyDown, this, &frmMain::onTextKeyDown);
    connect(RTB1, &RichTextBox::dataDropped, this, &frmMain::onTextDropped);
    connect(RTB1, &RichTextBox::editing, this, &frmMain::onTextEditing);
    // Shift+F10 is taken before the text box's own key handling.
    RTB1->installEventFilter(this);
}

// A change marks the caption only once the note holds real content. The running copy is not
// told of a special note's refreshes: a clock's ticks would put off its write for good.
void frmMain::onContentChanged() {
    if (!m_refreshing)
        NoteActivity::notify();
    if (m_isDirty)
        lblCaption->setText(QStringLiteral(" Pinleaf*")); // the program's name, not translated
    NoteWindowAccessible::textChanged(this);
}

// The first click into a new note makes it the user's: the placeholder goes, while text the user
// has typed already stays.
void frmMain::onTextClicked() {
    if (m_isDirty)
        return;
    clearPlaceholder();
    m_isDirty = true;
}

// The first key or paste into a note that holds only the placeholder replaces it.
void frmMain::onTextEditing() {
    clearPlaceholder();
}

// The placeholder is "[Note]" as the program put it there: setting a text clears the text box's
// undo history, and any edit of the user's adds to it.
bool frmMain::holdsPlaceholder() const {
    return !RTB1->document()->isUndoAvailable() && isPlaceholder(RTB1->text());
}

void frmMain::clearPlaceholder() {
    if (holdsPlaceholder())
        RTB1->setText(QString());
}

void frmMain::onTextMouseDown(int button) {
    if (button == RichTextBox::RightButton)
        showContextMenuForText(QCursor::pos());
}

// Every key-down of the window, the text box's included, is remembered; the key goes on.
void frmMain::onTextKeyDown(int keyCode) {
    m_lastKeyCode = keyCode;
    if (keyCode == ContextMenuKey)
        showContextMenuForText(caretPosition());
}

// Below the caret, in screen coordinates; a caret scrolled out of sight gives the nearest point
// of the visible text.
QPoint frmMain::caretPosition() const {
    const QRect visible = RTB1->viewport()->rect();
    QPoint at = RTB1->cursorRect().bottomLeft();
    at.setX(qBound(visible.left(), at.x(), visible.right()));
    at.setY(qBound(visible.top(), at.y(), visible.bottom()));
    return RTB1->viewport()->mapToGlobal(at);
}

// With text selected the selection menu opens, otherwise the main menu.
void frmMain::showContextMenuForText(const QPoint& at) {
    showPopup(RTB1->selLength() >= 1 ? mnuPopUpSelect() : mnuPopUpMenu(), at);
}

// Menus are modal: the chosen command has run when this returns.
void frmMain::showPopup(QMenu* menu, const QPoint& at) {
    menu->exec(at);
}

// The icon's menu opens below the icon, where a click on it would open it.
void frmMain::showWindowMenu() {
    showPopup(mnuSystemMenu(), mapToGlobal(imgIcon->geometry().bottomLeft()));
}

// The keys of the window as a whole: the window menu and the help note, which the drawn controls
// also reach, and the note finder. True when the key was one of them.
bool frmMain::handleWindowKeys(const QKeyEvent* e) {
    if (isWindowMenuKeys(e))
        showWindowMenu();
    else if (isHelpKey(e))
        DisplayHelpNote();
    else if (isFindKey(e))
        FindNoteWindow::showFinder();
    else
        return false;
    return true;
}

void frmMain::keyPressEvent(QKeyEvent* e) {
    m_lastKeyCode = VirtualKey::fromQtKey(e->key());
    if (!handleWindowKeys(e))
        QWidget::keyPressEvent(e);
}

void frmMain::mousePressEvent(QMouseEvent* e) {
    if (routeToControl(e))
        return;
    if (e->button() == Qt::RightButton) {
        showPopup(mnuPopUpMenu(), QCursor::pos());
        return;
    }
    if (!handleDragEvent(QPoint(), e))
        QWidget::mousePressEvent(e);
}

// A double click elsewhere than on a control is a press, as for any widget.
void frmMain::mouseDoubleClickEvent(QMouseEvent* e) {
    if (!routeToControl(e))
        QWidget::mouseDoubleClickEvent(e);
}

void frmMain::mouseMoveEvent(QMouseEvent* e) {
    if (routeToControl(e))
        return;
    if (e->buttons() == Qt::NoButton)
        updateCursorAt(e->position().toPoint());
    if (!handleDragEvent(QPoint(), e))
        QWidget::mouseMoveEvent(e);
}

void frmMain::mouseReleaseEvent(QMouseEvent* e) {
    if (!routeToControl(e) && !handleDragEvent(QPoint(), e))
        QWidget::mouseReleaseEvent(e);
}

// As a widget holds the pointer from a press until its buttons are all released, the control
// pressed first gets every event until then; a first button pressed chooses anew, so a release
// that a menu took leaves no control holding on.
bool frmMain::routeToControl(QMouseEvent* e) {
    NoteControl* control = nullptr;
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (!m_pressed || e->buttons() == e->button())
            m_pressed = controlAt(e->position().toPoint());
        control = m_pressed;
        break;
    case QEvent::MouseMove:
        control = e->buttons() == Qt::NoButton ? nullptr : m_pressed;
        break;
    case QEvent::MouseButtonRelease:
        control = m_pressed;
        if (e->buttons() == Qt::NoButton)
            m_pressed = nullptr;
        break;
    default:
        break;
    }
    return control && controlMouseEvent(control, e);
}

// A click is a press and a release of the left button over the same picture.
static bool isClick(const NoteControl* picture, const QMouseEvent* e) {
    return e->type() == QEvent::MouseButtonRelease && e->button() == Qt::LeftButton &&
           picture->geometry().contains(e->position().toPoint());
}

// The caption and the icon move the note; the icon also rolls it up and opens the window menu;
// the grip sizes it. The date stamp takes nothing: there the window's own handling goes on.
bool frmMain::controlMouseEvent(NoteControl* control, QMouseEvent* e) {
    if (control == imgResize)
        return m_gripSizing.handleGripEvent(e);
    if (control == imgIcon) {
        if (e->type() == QEvent::MouseButtonDblClick && e->button() == Qt::LeftButton) {
            if (isRolledUp())
                restoreSize();
            else
                rollUp();
        } else if (e->type() == QEvent::MouseButtonPress && e->button() == Qt::RightButton) {
            showPopup(mnuSystemMenu(), QCursor::pos());
        } else {
            handleDragEvent(imgIcon->geometry().topLeft(), e);
        }
        return true;
    }
    if (control == lblCaption) {
        handleDragEvent(lblCaption->geometry().topLeft(), e);
        return true;
    }
    if (control == CloseImage) {
        if (isClick(CloseImage, e))
            CloseImage->press();
        return true;
    }
    if (control == imgHelp) {
        if (isClick(imgHelp, e))
            imgHelp->press();
        return true;
    }
    return false;
}

// The sizing grip shows the diagonal sizing pointer.
void frmMain::updateCursorAt(const QPoint& pos) {
    const bool onGrip = controlAt(pos) == imgResize;
    if (onGrip == m_gripCursor)
        return;
    m_gripCursor = onGrip;
    if (onGrip)
        setCursor(Qt::SizeFDiagCursor);
    else
        unsetCursor();
}

void frmMain::showToolTipAt(const QPoint& pos, const QPoint& globalPos) {
    const NoteControl* control = controlAt(pos);
    if (control && !control->toolTip().isEmpty())
        QToolTip::showText(globalPos, control->toolTip(), this, control->geometry());
    else
        QToolTip::hideText();
}

bool frmMain::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(e);
        showToolTipAt(help->pos(), help->globalPos());
        return true;
    }
    return QWidget::event(e);
}

bool frmMain::eventFilter(QObject* watched, QEvent* e) {
    if (watched != RTB1 || e->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, e);
    const auto* key = static_cast<QKeyEvent*>(e);
    if (isMenuKeys(key)) {
        m_lastKeyCode = VirtualKey::fromQtKey(Qt::Key_F10);
        showContextMenuForText(caretPosition());
        return true;
    }
    if (isWindowMenuKeys(key) || isHelpKey(key) || isFindKey(key)) {
        m_lastKeyCode = VirtualKey::fromQtKey(key->key());
        return handleWindowKeys(key);
    }
    return QWidget::eventFilter(watched, e);
}
