// What reaches the text box from outside the program: pasted data and the resources that rich
// text names. Neither ever reads a file, a device or the network.
#include "platform/RichTextBox.h"

#include <QImage>
#include <QMimeData>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QUrl>

namespace {

// Every resource that rich text names: pictures are one transparent pixel, style sheets and
// pages are empty. The picture must be a real image: given an empty one, Qt's image handler
// opens the picture's name as a file itself.
QVariant inertResource(int type) {
    if (type != QTextDocument::ImageResource)
        return QString();
    QImage pixel(1, 1, QImage::Format_ARGB32_Premultiplied);
    pixel.fill(Qt::transparent);
    return pixel;
}

// A document that loads nothing: pasted HTML is parsed in it, so the parser's own requests
// (background pictures, linked style sheets) are answered from memory too.
class InertDocument : public QTextDocument {
protected:
    QVariant loadResource(int type, const QUrl&) override { return inertResource(type); }
};

// Removes every picture, from the last to the first so that positions stay valid.
void dropImages(QTextDocument* doc) {
    QList<QPair<int, int>> images; // position, length
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isImageFormat())
                images.append({fragment.position(), fragment.length()});
        }
    }
    QTextCursor cursor(doc);
    for (auto it = images.crbegin(); it != images.crend(); ++it) {
        cursor.setPosition(it->first);
        cursor.setPosition(it->first + it->second, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
}

// Pasted HTML with its character formatting and without its pictures.
QTextDocumentFragment inertFragment(const QString& html) {
    InertDocument doc;
    QTextCursor(&doc).insertFragment(QTextDocumentFragment::fromHtml(html, &doc));
    dropImages(&doc);
    return QTextDocumentFragment(&doc);
}

} // namespace

QVariant RichTextBox::loadResource(int type, const QUrl&) {
    return inertResource(type);
}

void RichTextBox::insertFromMimeData(const QMimeData* source) {
    if (!source || isReadOnly())
        return;
    const bool rich = acceptRichText() && source->hasHtml();
    if (!rich && !source->hasText())
        return;
    QPointer<RichTextBox> self(this);
    emit editing();
    if (!self || isReadOnly())
        return;
    QTextCursor cursor = textCursor();
    cursor.insertFragment(rich ? inertFragment(source->html())
                               : QTextDocumentFragment::fromPlainText(source->text()));
    setTextCursor(cursor);
    ensureCursorVisible();
}
