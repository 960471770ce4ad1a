#pragma once
#include <QList>
#include <QString>

class QWidget;

// The program's own questions to the user. Tests queue the next answers; with none queued the
// real message box asks.
namespace MessagePrompt {

enum Answer { Yes, No, Cancel };

// Yes, No and Cancel buttons, Yes the default, no icon.
Answer askYesNoCancel(QWidget* parent, const QString& title, const QString& text);

// A warning with an OK button, and a Yes/No question with a warning icon (Yes the default,
// Escape answers No). Both show their text as written: it may name a file.
void warn(QWidget* parent, const QString& title, const QString& text);
Answer askYesNo(QWidget* parent, const QString& title, const QString& text);

// Answers the next questions without showing a box, in order; any answer stands for the OK of a
// warning.
void queueAnswers(const QList<Answer>& answers);
int queuedAnswers();
void clearQueue();
// The title and text of the last question asked, answered from the queue or not.
QString lastTitle();
QString lastText();

} // namespace MessagePrompt
