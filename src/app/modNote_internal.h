#pragma once
// Shared by the modNote_*.cpp files only.
#include "app/NoteRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <pugixml.hpp>

namespace modNote::detail {

// `text` without the characters XML 1.0 forbids in text: controls other than tab, LF and CR,
// lone surrogates, U+FFFE and U+FFFF.
QString XmlSafe(const QString& text);

// A new one-note document in its text form, UTF-8 without a byte-order mark.
QByteArray TextForm(const NoteRecord& record);

// Replaces the file at `path` with `bytes` in one step: on any failure the file is as it was.
bool WriteWhole(const QString& path, const QByteArray& bytes);

// The open (or, with `save`, the save) dialog for note files; empty when nothing was chosen.
QString AskForNoteFile(bool save);

// Records of a parsed document; empty unless every child of the root is a complete note.
QList<NoteRecord> ParseNotes(const pugi::xml_document& document, const QString& path);

// Appends CR LF, an element `name` holding `text`, and CR LF to `parent`.
void AddTextElement(pugi::xml_node parent, const char* name, const QString& text);

} // namespace modNote::detail
