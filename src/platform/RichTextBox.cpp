// The text box's plain text, positions and selection, and the notifications it sends.
#include "platform/RichTextBox.h"

#include "platform/CrLfText.h"
#include "platform/VirtualKey.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

namespace {

// The document's characters with every break (paragraph, line, frame edge) as one '\n'. Unlike
// QTextDocument::toPlainText, non-breaking spaces stay as they are.
QString docText(const QTextDocument* doc) {
    QString text = doc->toRawText();
    for (QChar& c : text) {
        switch (c.unicode()) {
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator:
        case 0xFDD0: // beginning of a frame
        case 0xFDD1: // end of a frame
            c = u'\n';
            break;
        default:
            break;
        }
    }
    return text;
}

// Replacing a selection keeps the look of its first character; at the caret the text takes the
// format that typing would.
QTextCharFormat insertionFormat(const QTextCursor& cursor) {
    QTextCharFormat format;
    if (cursor.hasSelection()) {
        QTextCursor first(cursor.document());
        first.setPosition(cursor.selectionStart() + 1);
        format = first.charFormat();
    } else {
        format = cursor.charFormat();
    }
    format.clearProperty(QTextFormat::ObjectType);
    return format;
}

int buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return RichTextBox::LeftButton;
    case Qt::RightButton:
        return RichTextBox::RightButton;
    case Qt::MiddleButton:
        return RichTextBox::MiddleButton;
    default:
        return 0;
    }
}

// Whether a key reaching an editable box changes its text, as Qt's own text input decides:
// a character typed without Ctrl (AltGr arrives as Ctrl+Alt on some systems), Tab, the keys
// that delete or break a line, and cut.
bool editsText(const QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        break;
    }
    if (e->matches(QKeySequence::Cut))
        return true;
    const QString text = e->text();
    if (text.isEmpty())
        return false;
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::ControlModifier || mods == (Qt::ControlModifier | Qt::ShiftModifier))
        return false;
    const QChar c = text.front();
    return c.isPrint() || c == u'\t' || c.isHighSurrogate() ||
           c.category() == QChar::Other_Format || c.category() == QChar::Other_PrivateUse;
}

// Drops are offered as copies, so that no drag source deletes what it dragged here.
void acceptAsCopy(QDropEvent* e) {
    if (e->possibleActions() & Qt::CopyAction) {
        e->setDropAction(Qt::CopyAction);
        e->accept();
    } else {
        e->acceptProposedAction();
    }
}

} // namespace

DroppedData::DroppedData(const QMimeData* mime) {
    if (!mime)
        return;
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile())
            m_files.append(url.toLocalFile());
    }
}

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
    connect(this, &QTextEdit::textChanged, this, &RichTextBox::contentChanged);
}

QString RichTextBox::text() const {
    return CrLfText::toCrLf(docText(document()));
}

void RichTextBox::setText(const QString& text) {
    // A fresh document: no formatting survives, so the text takes the control's font and the
    // default colour. The document's own setPlainText is used because QTextEdit's would carry
    // over the format at the caret. The caret starts at the top, as after loading a file.
    document()->setPlainText(CrLfText::toDocText(text));
    moveCursor(QTextCursor::Start);
}

void RichTextBox::setSelStart(int pos) {
    QTextCursor cursor = textCursor();
    cursor.setPosition(CrLfText::toDocPos(docText(document()), pos));
    setTextCursor(cursor);
}

int RichTextBox::selStart() const {
    return CrLfText::toCrLfPos(docText(document()), textCursor().selectionStart());
}

int RichTextBox::selLength() const {
    const QString doc = docText(document());
    const QTextCursor cursor = textCursor();
    return CrLfText::toCrLfPos(doc, cursor.selectionEnd()) -
           CrLfText::toCrLfPos(doc, cursor.selectionStart());
}

QString RichTextBox::selText() const {
    const QString doc = docText(document());
    const QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    return CrLfText::toCrLf(doc.mid(start, cursor.selectionEnd() - start));
}

void RichTextBox::setSelText(const QString& text) {
    QTextCursor cursor = textCursor();
    const QTextCharFormat format = insertionFormat(cursor);
    cursor.insertText(CrLfText::toDocText(text), format);
    setTextCursor(cursor);
}

void RichTextBox::setReadOnly(bool on) {
    QTextEdit::setReadOnly(on);
    // Read-only text can still be selected and walked with the keyboard, but shows no caret:
    // a blinking caret in a clock or the help reads as an invitation to type.
    if (on)
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setCursorWidth(on ? 0 : 1);
}

void RichTextBox::keyPressEvent(QKeyEvent* e) {
    // The window sees the key first (it may open a menu); the key then reaches the text.
    QPointer<RichTextBox> self(this);
    emit keyDown(VirtualKey::fromQtKey(e->key()));
    if (self && !isReadOnly() && editsText(e))
        emit editing();
    if (self)
        QTextEdit::keyPressEvent(e);
}

// Sends the mouse-down notification; false when the press is not the text's to handle.
bool RichTextBox::notifyPress(QMouseEvent* e) {
    QPointer<RichTextBox> self(this);
    if (e->button() == Qt::LeftButton)
        m_leftPressed = true;
    emit mouseDown(buttonCode(e->button()));
    if (!self)
        return false;
    // The right button belongs to the window's menus: it neither moves the caret nor drops the
    // selection those menus act on, and it does not fall through to the window.
    if (e->button() == Qt::RightButton) {
        e->accept();
        return false;
    }
    return true;
}

void RichTextBox::mousePressEvent(QMouseEvent* e) {
    if (notifyPress(e))
        QTextEdit::mousePressEvent(e);
}

// The second press of a double click is a press too.
void RichTextBox::mouseDoubleClickEvent(QMouseEvent* e) {
    if (notifyPress(e))
        QTextEdit::mouseDoubleClickEvent(e);
}

void RichTextBox::mouseReleaseEvent(QMouseEvent* e) {
    const bool click = m_leftPressed && e->button() == Qt::LeftButton &&
                       viewport()->rect().contains(e->position().toPoint());
    if (e->button() == Qt::LeftButton)
        m_leftPressed = false;
    QPointer<RichTextBox> self(this);
    QTextEdit::mouseReleaseEvent(e);
    if (self && click)
        emit clicked();
}

void RichTextBox::contextMenuEvent(QContextMenuEvent* e) {
    // The window shows its own menus on the right button and the menu key.
    e->accept();
}

void RichTextBox::dragEnterEvent(QDragEnterEvent* e) {
    if (e->mimeData()->hasUrls() || e->mimeData()->hasText())
        acceptAsCopy(e);
    else
        e->ignore();
}

void RichTextBox::dragMoveEvent(QDragMoveEvent* e) {
    if (e->mimeData()->hasUrls() || e->mimeData()->hasText())
        acceptAsCopy(e);
    else
        e->ignore();
}

void RichTextBox::dropEvent(QDropEvent* e) {
    // The window decides what a drop does; the box inserts nothing itself.
    acceptAsCopy(e);
    emit dataDropped(DroppedData(e->mimeData()));
}
