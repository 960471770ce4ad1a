#pragma once

#include <QAccessibleWidget>
#include <QList>

class frmMain;

// What screen readers see of a note: the window, its drawn controls (which are not widgets) as
// its first children in the order they are drawn, and then its text box.
class NoteWindowAccessible : public QAccessibleWidget {
public:
    explicit NoteWindowAccessible(frmMain* note);
    ~NoteWindowAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    // A note is named by its first line; the title of every note is the program's name.
    QString text(QAccessible::Text t) const override;

    // The name a note goes by: its first line, shortened, or "Empty note".
    static QString noteName(const frmMain* note);
    // Tells screen readers of a new name after the note's text changed.
    static void textChanged(frmMain* note);

    // The accessibility factory for note windows; installed once, by the first note.
    static void install();

private:
    int controlCount() const;

    // The controls' interfaces, made and registered the first time each is asked for.
    mutable QList<QAccessible::Id> m_controlIds;
    // The name screen readers were last told.
    mutable QString m_name;
};
