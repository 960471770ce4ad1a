#include "platform/MessagePrompt.h"

#include "platform/TopLevel.h"

#include <QMessageBox>

namespace {
QList<MessagePrompt::Answer>& queued() {
    static QList<MessagePrompt::Answer> q;
    return q;
}
QString& lastTitleRef() {
    static QString s;
    return s;
}
QString& lastTextRef() {
    static QString s;
    return s;
}
} // namespace

namespace MessagePrompt {

Answer askYesNoCancel(QWidget* parent, const QString& title, const QString& text) {
    lastTitleRef() = title;
    lastTextRef() = text;
    if (!queued().isEmpty())
        return queued().takeFirst();
    QMessageBox box(QMessageBox::NoIcon, title, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    // The question may name a note's file: it is shown as written, never as markup.
    box.setTextFormat(Qt::PlainText);
    TopLevel::keepAboveNotes(&box);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Yes;
    case QMessageBox::No:
        return No;
    default:
        return Cancel;
    }
}

void warn(QWidget* parent, const QString& title, const QString& text) {
    lastTitleRef() = title;
    lastTextRef() = text;
    if (!queued().isEmpty()) {
        queued().removeFirst();
        return;
    }
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    TopLevel::keepAboveNotes(&box);
    box.exec();
}

Answer askYesNo(QWidget* parent, const QString& title, const QString& text) {
    lastTitleRef() = title;
    lastTextRef() = text;
    if (!queued().isEmpty())
        return queued().takeFirst();
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    TopLevel::keepAboveNotes(&box);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Yes : No;
}

void queueAnswers(const QList<Answer>& answers) {
    queued() += answers;
}
int queuedAnswers() {
    return int(queued().size());
}
void clearQueue() {
    queued().clear();
}
QString lastTitle() {
    return lastTitleRef();
}
QString lastText() {
    return lastTextRef();
}

} // namespace MessagePrompt
