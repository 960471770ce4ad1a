// Character formatting of the selection, the control's own font size and its background.
#include "platform/BgrColor.h"
#include "platform/RichTextBox.h"

#include <QPalette>
#include <QTextCharFormat>
#include <QTextCursor>

// With a selection the property goes onto the selected text; without one it becomes part of
// the format that typed or inserted text receives at the caret.
void RichTextBox::mergeSelectionFormat(const QTextCharFormat& format) {
    mergeCurrentCharFormat(format);
}

void RichTextBox::setSelBold(bool on) {
    QTextCharFormat f;
    f.setFontWeight(on ? QFont::Bold : QFont::Normal);
    mergeSelectionFormat(f);
}

void RichTextBox::setSelItalic(bool on) {
    QTextCharFormat f;
    f.setFontItalic(on);
    mergeSelectionFormat(f);
}

void RichTextBox::setSelUnderline(bool on) {
    QTextCharFormat f;
    f.setFontUnderline(on);
    mergeSelectionFormat(f);
}

void RichTextBox::setSelStrikeThru(bool on) {
    QTextCharFormat f;
    f.setFontStrikeOut(on);
    mergeSelectionFormat(f);
}

void RichTextBox::setSelFontSize(double points) {
    if (points <= 0)
        return;
    QTextCharFormat f;
    f.setFontPointSize(points);
    mergeSelectionFormat(f);
}

void RichTextBox::setSelColor(quint32 bgr) {
    QTextCharFormat f;
    f.setForeground(fromBgr(bgr));
    mergeSelectionFormat(f);
}

void RichTextBox::clearSelColor() {
    // An empty brush, merged, takes the place of any colour; text drawn with it takes the pen of
    // the control's palette.
    QTextCharFormat f;
    f.setForeground(QBrush());
    mergeSelectionFormat(f);
}

void RichTextBox::setFontSize(double points) {
    if (points <= 0)
        return;
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);

    // Sizes given to parts of the text give way to the new one; every other property stays.
    QTextCharFormat size;
    size.setFontPointSize(points);
    QTextCursor all(document());
    all.beginEditBlock();
    all.select(QTextCursor::Document);
    all.mergeCharFormat(size);
    all.mergeBlockCharFormat(size);
    all.endEditBlock();
    if (!textCursor().hasSelection())
        mergeCurrentCharFormat(size);
}

double RichTextBox::fontSize() const {
    return font().pointSizeF();
}

void RichTextBox::setBackColor(quint32 bgr) {
    QPalette p = palette();
    p.setColor(QPalette::Base, fromBgr(bgr));
    setPalette(p);
    viewport()->setAutoFillBackground(true);
}

void RichTextBox::setForeColor(quint32 bgr) {
    QPalette p = palette();
    p.setColor(QPalette::Text, fromBgr(bgr));
    setPalette(p);
}
