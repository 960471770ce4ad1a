#pragma once
#include "platform/SystemInfo.h"

#include <QString>
#include <QTime>

class RichTextBox;

// The special notes' texts: the time, the memory figures and the drive list, read through
// SystemInfo and Clock, and written into a note's text box.
namespace modSpecialNote {

// Headings of the three kinds.
QString TimeHeading();
QString MemoryHeading();
QString DrivesHeading();

// The memory figures GetMemoryFigure knows.
enum MemoryFigure : qint32 {
    AvailableVirtual = 0,
    AvailablePhysical = 1,
    AvailableSwap = 2,
    TotalVirtual = 3,
    TotalPhysical = 4,
    TotalSwap = 5,
};
// One memory figure in bytes; any other index gives 0.
double GetMemoryFigure(qint32 index);
// Available physical memory and free swap.
double GetAvailableMemory();
// Physical memory and swap.
double GetTotalMemory();
// Memory free as a whole percentage; 0 when there is no memory to speak of.
double GetPercentFree();
// Bytes in megabytes, rounded to two decimals.
double ToMegabytes(double bytes);

qint32 GetDriveKind(const DriveInfo& drive);
// "" when the volume has no name or cannot be read.
QString GetVolumeLabel(const DriveInfo& drive);
// Sizes in gigabytes, rounded to two decimals; 0 when they cannot be read.
double GetTotalSpaceGB(const DriveInfo& drive);
double GetFreeSpaceGB(const DriveInfo& drive);
// What a drive's type code shows.
QString DriveTypeText(qint32 type);
// Every drive's line, followed by its size lines when it can be read; CR LF line breaks.
QString GetDriveListText();

// The bodies of the three kinds.
QString TimeText(const QTime& time);
QString MemoryText();

// Rounds to two decimals, an exact half away from zero, as the figures are shown.
double RoundTwoDecimals(double value);
// A figure in its shortest form in the user's locale, without group separators.
QString FigureText(double value);

// Rewrite the whole text box: a bold blue heading, then the body in plain black.
void ShowTimeNote(RichTextBox& box);
void ShowMemoryNote(RichTextBox& box);
void ShowDrivesNote(RichTextBox& box);

} // namespace modSpecialNote
