#pragma once
#include <QString>
#include <QStringList>

// How the note finder matches what the user types: every word of the query must occur somewhere
// in the note, in any order, whatever its case and its accents ("creme" finds "Crème").
namespace NoteSearch {

// The text in the form it is searched in: case folded, accents and other combining marks
// dropped, compatibility forms (ligatures, full-width letters) reduced to their plain letters.
QString fold(const QString& text);

// The words of a query, folded.
QStringList words(const QString& query);

// True when every word occurs in `foldedText` (a text given through fold). No word matches all.
bool matches(const QString& foldedText, const QStringList& foldedWords);

// True when every note that matches `query` also matched `previous`, so a narrowing search only
// needs to look through the previous matches: the user typed on at the end of the query.
bool narrows(const QString& previous, const QString& query);

// The line a note is known by: its first line with words, trimmed, at most `maxLength`
// characters (longer ones end in an ellipsis).
QString firstLine(const QString& text, int maxLength = 80);

} // namespace NoteSearch
