#pragma once
// Small helpers for tests that drive notes and their text boxes and look at what they show.
#include "note/frmMain.h"
#include "platform/RichTextBox.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTextCursor>
#include <QTimer>

#include <algorithm>

// The notes on screen, oldest first.
inline QList<frmMain*> openNotes() {
    QList<frmMain*> notes;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* n = qobject_cast<frmMain*>(w); n && n->isVisible())
            notes << n;
    }
    std::sort(notes.begin(), notes.end(),
              [](frmMain* a, frmMain* b) { return a->creationIndex() < b->creationIndex(); });
    return notes;
}

// A shown note the user has typed `text` into, from the file `path` when one is given.
inline QPointer<frmMain> typedNote(const QString& text, const QString& path = {}) {
    auto* w = new frmMain;
    w->setIsDirty(true);
    w->setTag(path);
    w->show();
    w->RTB1->setText(text);
    return w;
}

// The program's settings, as a note reads and writes them.
inline QSettings noteSettings() {
    return QSettings(QStringLiteral("Pinleaf"), QStringLiteral("Pinleaf"));
}

// Deletes every note window, shown or not; a note that deletes another on closing is skipped.
inline void deleteAllNotes() {
    QList<QPointer<frmMain>> notes;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* n = qobject_cast<frmMain*>(w))
            notes << n;
    }
    qDeleteAll(notes);
}

// The look of the character at `pos`.
inline QTextCharFormat formatAt(RichTextBox* box, int pos) {
    QTextCursor c(box->document());
    c.setPosition(pos + 1);
    return c.charFormat();
}

// Selects from `from` to `to`, the caret ending at `to`.
inline void select(RichTextBox* box, int from, int to) {
    QTextCursor c = box->textCursor();
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    box->setTextCursor(c);
}

// What a real message box showed before answerBoxLater() answered it.
struct SeenBox {
    QString title, text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Presses `button` on the next modal message box from the event loop, noting what it showed.
inline void answerBoxLater(SeenBox* seen, QMessageBox::StandardButton button) {
    QTimer::singleShot(50, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        *seen = {box->windowTitle(), box->text(), box->textFormat(),
                 box->standardButton(box->defaultButton())};
        box->button(button)->click();
    });
}

// How many pixels of the image pass `test`.
template <typename Test> int pixels(const QImage& image, Test test) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            n += test(image.pixelColor(x, y)) ? 1 : 0;
    }
    return n;
}
