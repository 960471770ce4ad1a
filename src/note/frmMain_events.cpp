// Pointer and keyboard wiring of the note window and the notifications of its text box.
#include "note/frmMain.h"

#include "note/NoteActivity.h"
#include "platform/RichTextBox.h"
#include "platform/VirtualKey.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTextDocument>

namespace {
constexpr int ContextMenuKey = 93;

// Shift+F10 opens the menus as the context-menu key does.
bool isMenuKeys(const QKeyEvent* e) {
    return e->key() == Qt::Key_F10 && e->modifiers() == Qt::ShiftModifier;
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

void frmMain::keyPressEvent(QKeyEvent* e) {
    m_lastKeyCode = VirtualKey::fromQtKey(e->key());
    QWidget::keyPressEvent(e);
}

void frmMain::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton) {
        showPopup(mnuPopUpMenu(), QCursor::pos());
        return;
    }
    if (!handleDragEvent(this, e))
        QWidget::mousePressEvent(e);
}

// A click is a press and a release of the left button over the same picture.
static bool isClick(const QWidget* picture, const QEvent* e) {
    const auto* me = static_cast<const QMouseEvent*>(e);
    return e->type() == QEvent::MouseButtonRelease && me->button() == Qt::LeftButton &&
           picture->rect().contains(me->position().toPoint());
}

bool frmMain::eventFilter(QObject* watched, QEvent* e) {
    if (watched == RTB1) {
        if (e->type() == QEvent::KeyPress && isMenuKeys(static_cast<QKeyEvent*>(e))) {
            m_lastKeyCode = VirtualKey::fromQtKey(Qt::Key_F10);
            showContextMenuForText(caretPosition());
            return true;
        }
        return QWidget::eventFilter(watched, e);
    }
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        break;
    default:
        return QWidget::eventFilter(watched, e);
    }
    const auto* me = static_cast<QMouseEvent*>(e);
    if (watched == imgResize)
        return m_gripSizing.handleGripEvent(e);
    if (watched == imgIcon) {
        if (e->type() == QEvent::MouseButtonDblClick && me->button() == Qt::LeftButton) {
            if (isRolledUp())
                restoreSize();
            else
                rollUp();
        } else if (e->type() == QEvent::MouseButtonPress && me->button() == Qt::RightButton) {
            showPopup(mnuSystemMenu(), QCursor::pos());
        } else {
            handleDragEvent(imgIcon, e);
        }
        return true;
    }
    if (watched == lblCaption) {
        handleDragEvent(lblCaption, e);
        return true;
    }
    if (watched == CloseImage) {
        if (isClick(CloseImage, e))
            close();
        return true;
    }
    if (watched == imgHelp) {
        if (isClick(imgHelp, e))
            DisplayHelpNote();
        return true;
    }
    return QWidget::eventFilter(watched, e);
}
