#pragma once
#include <QString>

// One note as it is stored in the notes store or a note file. Geometry is in twips.
struct NoteRecord {
    QString Color;
    QString SourcePath; // the file the record was read from; never written
    QString Data;       // plain text, CR LF line breaks
    qint32 Height = 0;
    qint32 Width = 0;
    qint32 Left = 0;
    qint32 Top = 0;
    QString TimeDate; // the note's creation stamp, opaque text

    bool operator==(const NoteRecord&) const = default;
};
