#pragma once
#include "store/NoteRecord.h"

#include <QAbstractListModel>
#include <QColor>
#include <QPointer>
#include <QStringList>

#include <vector>

class frmMain;

// One row of the note finder: an open note, or a closed one from the closed-notes file.
struct FoundNote {
    QPointer<frmMain> window; // the open note's window
    bool closed = false;
    NoteRecord record; // a closed note as it was kept, to open again
    QString firstLine;
    QString colorCaption;
    QColor paper;
    QString date;
    QString folded; // the whole text, as NoteSearch matches it

    // A row for a note as the store keeps it.
    static FoundNote fromRecord(const NoteRecord& record, bool closed);
};

// The notes the finder lists, in the order given (the newest open note first, then the closed
// notes, the last closed first), filtered by the words typed. Filtering as the user types on
// looks only through the rows that matched before.
class FindNoteList : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setNotes(std::vector<FoundNote> notes);
    void setQuery(const QString& query);
    QString query() const { return m_query; }

    // The note shown at `row`, or null.
    const FoundNote* noteAt(int row) const;
    int allCount() const { return int(m_notes.size()); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // What a screen reader says of a row: first line, colour and date, and whether it is closed.
    static QString spokenText(const FoundNote& note);

private:
    std::vector<FoundNote> m_notes;
    std::vector<int> m_shown; // indexes into m_notes, in order
    QString m_query;
};
