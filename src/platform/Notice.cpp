#include "platform/Notice.h"

#include "platform/TopLevel.h"

#include <QMessageBox>

namespace {
QStringList& history() {
    static QStringList list;
    return list;
}
} // namespace

namespace Notice {

void show(const QString& title, const QString& text, QWidget* parent) {
    history() << title + QStringLiteral(": ") + text;
    auto* box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    TopLevel::keepAboveNotes(box);
    box->show();
}

QStringList shown() {
    return history();
}

} // namespace Notice
