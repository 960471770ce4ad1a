#include "note/FindNoteList.h"

#include "note/ColorScheme.h"
#include "note/NoteSearch.h"
#include "platform/BgrColor.h"

#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace {

QIcon swatch(const QColor& paper) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0, 0, 0, 110));
    painter.setBrush(paper);
    painter.drawRect(1, 1, 13, 13);
    return QIcon(pixmap);
}

} // namespace

FoundNote FoundNote::fromRecord(const NoteRecord& record, bool closed) {
    FoundNote note;
    note.closed = closed;
    if (closed)
        note.record = record;
    note.firstLine = NoteSearch::firstLine(record.Data);
    const int scheme = ColorScheme::indexOf(record.Color);
    note.colorCaption = scheme >= 0 ? ColorScheme::caption(scheme) : record.Color;
    note.paper = fromBgr(ColorScheme::colorValue(record.Color));
    note.date = record.TimeDate;
    note.folded = NoteSearch::fold(record.Data);
    return note;
}

void FindNoteList::setNotes(std::vector<FoundNote> notes) {
    beginResetModel();
    m_notes = std::move(notes);
    m_shown.clear();
    const QStringList words = NoteSearch::words(m_query);
    for (int i = 0; i < int(m_notes.size()); ++i) {
        if (NoteSearch::matches(m_notes[size_t(i)].folded, words))
            m_shown.push_back(i);
    }
    endResetModel();
}

void FindNoteList::setQuery(const QString& query) {
    if (query == m_query)
        return;
    const bool narrowing = NoteSearch::narrows(m_query, query);
    m_query = query;
    const QStringList words = NoteSearch::words(query);
    std::vector<int> shown;
    if (narrowing) {
        for (const int i : m_shown) {
            if (NoteSearch::matches(m_notes[size_t(i)].folded, words))
                shown.push_back(i);
        }
    } else {
        for (int i = 0; i < int(m_notes.size()); ++i) {
            if (NoteSearch::matches(m_notes[size_t(i)].folded, words))
                shown.push_back(i);
        }
    }
    beginResetModel();
    m_shown = std::move(shown);
    endResetModel();
}

const FoundNote* FindNoteList::noteAt(int row) const {
    if (row < 0 || row >= int(m_shown.size()))
        return nullptr;
    return &m_notes[size_t(m_shown[size_t(row)])];
}

int FindNoteList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_shown.size());
}

QString FindNoteList::spokenText(const FoundNote& note) {
    QString text = tr("%1, %2, %3").arg(note.firstLine, note.colorCaption, note.date);
    if (note.closed)
        text += tr(", closed");
    return text;
}

QVariant FindNoteList::data(const QModelIndex& index, int role) const {
    const FoundNote* note = noteAt(index.row());
    if (!note || index.column() != 0)
        return {};
    switch (role) {
    case Qt::DisplayRole: {
        const QString second = note->closed ? tr("%1 · closed").arg(note->date) : note->date;
        return note->firstLine + QLatin1Char('\n') + second;
    }
    case Qt::DecorationRole:
        return swatch(note->paper);
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return spokenText(*note);
    case Qt::FontRole:
        if (note->closed) {
            QFont font;
            font.setItalic(true);
            return font;
        }
        return {};
    default:
        return {};
    }
}
