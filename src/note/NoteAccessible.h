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

    // The accessibility factory for note windows; installed once, by the first note.
    static void install();

private:
    int controlCount() const;

    // The controls' interfaces, made and registered the first time each is asked for.
    mutable QList<QAccessible::Id> m_controlIds;
};
