#pragma once
#include <QString>
#include <QStringList>

class QWidget;

// Messages that tell the user something went wrong without stopping them: a window that does
// not block, shown as plain text (the text may name a file anyone could have named).
namespace Notice {

void show(const QString& title, const QString& text, QWidget* parent = nullptr);

// "title: text" of every notice shown so far, oldest first.
QStringList shown();

} // namespace Notice
