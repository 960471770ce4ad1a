// The special notes' figures and how they are written into a note.
#include "special/modSpecialNote.h"

#include "platform/Clock.h"
#include "platform/RichTextBox.h"

#include <QCoreApplication>

#include <cmath>

namespace {
constexpr quint32 HeadingColor = 0xFF0000; // blue, 0x00BBGGRR
constexpr quint32 BodyColor = 0;           // black
constexpr double HeadingPoints = 10;
constexpr double BodyPoints = 10;
constexpr double TimePoints = 20;
constexpr double BytesPerMegabyte = 1024.0 * 1024;
constexpr double BytesPerGigabyte = 1024.0 * 1024 * 1024;
const QString CrLf = QStringLiteral("\r\n");

// Every special note is written the same way, only through the box's selection properties, so
// that its font face stays the note's own.
void writeNote(RichTextBox& box, const QString& heading, const QString& body, double bodyPoints) {
    box.setText(QString());
    box.setSelBold(true);
    box.setSelFontSize(HeadingPoints);
    box.setSelColor(HeadingColor);
    box.setSelText(heading);
    box.setSelBold(false);
    box.setSelColor(BodyColor);
    box.setSelFontSize(bodyPoints);
    box.setSelText(CrLf + body);
}

QString megabytes(double bytes) {
    return modSpecialNote::FigureText(modSpecialNote::ToMegabytes(bytes)) +
           QCoreApplication::translate("modSpecialNote", "M", "megabytes");
}
} // namespace

namespace modSpecialNote {

QString TimeHeading() {
    return QCoreApplication::translate("modSpecialNote", "Time:");
}
QString MemoryHeading() {
    return QCoreApplication::translate("modSpecialNote", "Memory:");
}
QString DrivesHeading() {
    return QCoreApplication::translate("modSpecialNote", "Drive(s):");
}

double GetMemoryFigure(qint32 index) {
    const MemoryStatus s = SystemInfo::current().memoryStatus();
    switch (index) {
    case AvailableVirtual:
        return double(s.availVirtual);
    case AvailablePhysical:
        return double(s.availPhys);
    case AvailableSwap:
        return double(s.availPageFile);
    case TotalVirtual:
        return double(s.totalVirtual);
    case TotalPhysical:
        return double(s.totalPhys);
    case TotalSwap:
        return double(s.totalPageFile);
    default:
        return 0;
    }
}

double GetAvailableMemory() {
    return GetMemoryFigure(AvailableSwap) + GetMemoryFigure(AvailablePhysical);
}

double GetTotalMemory() {
    return GetMemoryFigure(TotalPhysical) + GetMemoryFigure(TotalSwap);
}

double GetPercentFree() {
    const double available = GetAvailableMemory();
    const double total = GetTotalMemory();
    if (!(total > 0))
        return 0;
    return std::round(available / total * 100);
}

double ToMegabytes(double bytes) {
    return RoundTwoDecimals(bytes / BytesPerMegabyte);
}

qint32 GetDriveKind(const DriveInfo& drive) {
    return drive.type;
}

QString GetVolumeLabel(const DriveInfo& drive) {
    return drive.readable ? drive.label : QString();
}

double GetTotalSpaceGB(const DriveInfo& drive) {
    return drive.readable ? RoundTwoDecimals(double(drive.totalBytes) / BytesPerGigabyte) : 0;
}

double GetFreeSpaceGB(const DriveInfo& drive) {
    return drive.readable ? RoundTwoDecimals(double(drive.freeBytes) / BytesPerGigabyte) : 0;
}

QString DriveTypeText(qint32 type) {
    switch (type) {
    case DriveRemovable:
        return QCoreApplication::translate("modSpecialNote", "Removable Drive");
    case DriveFixed:
        return QCoreApplication::translate("modSpecialNote", "Local Hard Drive");
    case DriveRemote:
        return QCoreApplication::translate("modSpecialNote", "Network");
    case DriveCdRom:
        return QCoreApplication::translate("modSpecialNote", "CD-ROM");
    case DriveRamDisk:
        return QCoreApplication::translate("modSpecialNote", "RAM Disk");
    default:
        return QCoreApplication::translate("modSpecialNote", "Unknown");
    }
}

QString GetDriveListText() {
    QString text;
    for (const DriveInfo& drive : SystemInfo::current().drives()) {
        const qint32 kind = GetDriveKind(drive);
        if (kind == DriveNoRootDir)
            continue;
        text += drive.rootPath + QStringLiteral("  ") + GetVolumeLabel(drive).trimmed() +
                QStringLiteral(" (") + DriveTypeText(kind) + QStringLiteral(")  ");
        if (!drive.readable) {
            text += CrLf;
            continue;
        }
        text += CrLf + QStringLiteral("      ") +
                QCoreApplication::translate("modSpecialNote", "Total Space: ") +
                FigureText(GetTotalSpaceGB(drive)) +
                QCoreApplication::translate("modSpecialNote", "GB") + QStringLiteral("  ");
        text += CrLf + QStringLiteral("      ") +
                QCoreApplication::translate("modSpecialNote", "Free Space: ") +
                FigureText(GetFreeSpaceGB(drive)) +
                QCoreApplication::translate("modSpecialNote", "GB") + CrLf;
    }
    return text;
}

QString MemoryText() {
    const double totalPhys = GetMemoryFigure(TotalPhysical);
    const double availPhys = GetMemoryFigure(AvailablePhysical);
    const double total = GetTotalMemory();
    const double available = GetAvailableMemory();
    return QCoreApplication::translate("modSpecialNote", "Total Physical: ") +
           megabytes(totalPhys) + CrLf +
           QCoreApplication::translate("modSpecialNote", "Available Physical: ") +
           megabytes(availPhys) + CrLf +
           QCoreApplication::translate("modSpecialNote", "Total Memory: ") + megabytes(total) +
           CrLf + QCoreApplication::translate("modSpecialNote", "Available Memory: ") +
           megabytes(available) + CrLf + CrLf +
           QCoreApplication::translate("modSpecialNote", "Percent Free: ") +
           FigureText(GetPercentFree()) + u'%';
}

// The time is read and written at once: nothing else runs in between, so a command the user
// chose just before is never overwritten and the window cannot go away underneath.
void ShowTimeNote(RichTextBox& box) {
    writeNote(box, TimeHeading(), TimeText(Clock::now().time()), TimePoints);
}

void ShowMemoryNote(RichTextBox& box) {
    writeNote(box, MemoryHeading(), MemoryText(), BodyPoints);
}

void ShowDrivesNote(RichTextBox& box) {
    writeNote(box, DrivesHeading(), GetDriveListText(), BodyPoints);
}

} // namespace modSpecialNote
