#pragma once

// The element names of the note document, for every reader and writer of it.
namespace NoteSchema {

inline constexpr char Root[] = "NOTES";
inline constexpr char Note[] = "NOTE";
inline constexpr char Data[] = "DATA";
inline constexpr char TimeDate[] = "TIMEDATE";
inline constexpr char Color[] = "COLOR";
inline constexpr char Height[] = "HEIGHT";
inline constexpr char Width[] = "WIDTH";
inline constexpr char Left[] = "LEFT";
inline constexpr char Top[] = "TOP";

// The seven fields of a note, in the order a note appended to a document writes them.
inline constexpr const char* Fields[] = {Data, TimeDate, Color, Height, Width, Left, Top};

} // namespace NoteSchema
