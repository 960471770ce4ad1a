#pragma once
#include "note/FindNoteList.h"

#include <QWidget>

class QLineEdit;
class QListView;
class QTimer;

// "Find Note…": a search field over the list of open notes, the newest first, and the last
// closed notes. Enter or a double click brings the note to the front (a closed one opens again
// as a new note); Escape closes the window. There is one such window; it follows the notes
// while it is open.
class FindNoteWindow : public QWidget {
    Q_OBJECT
public:
    // Shows the finder, made on first use, with its field ready for typing.
    static FindNoteWindow* showFinder();
    // The finder while it exists.
    static FindNoteWindow* instance();

    FindNoteList* list() const { return m_list; }
    QLineEdit* field() const { return m_field; }
    QListView* view() const { return m_view; }

    // Every open and closed note as it is now, the query and the current row kept.
    void refresh();
    // Brings the note of `row` before the user, as Enter does; false when no row is there.
    bool choose(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    FindNoteWindow();
    void filterNow();
    void selectRow(int row);

    FindNoteList* m_list = nullptr;
    QLineEdit* m_field = nullptr;
    QListView* m_view = nullptr;
    // Typing is never held up by the filter: keys that arrive together are filtered once.
    QTimer* m_filter = nullptr;
    // Changes to the notes while the finder is open are taken in a moment later, together.
    QTimer* m_follow = nullptr;
};
