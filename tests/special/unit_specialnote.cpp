#include "FakeSystemInfo.h"
#include "TestHome.h"
#include "platform/Clock.h"
#include "platform/RichTextBox.h"
#include "special/modSpecialNote.h"

#include <QTextBlock>
#include <QtTest>

using namespace modSpecialNote;

namespace {
constexpr quint64 MiB = 1024 * 1024;
constexpr quint64 GiB = 1024 * MiB;

QTextCharFormat formatAt(RichTextBox& box, int docPos) {
    QTextCursor c(box.document());
    c.setPosition(docPos + 1);
    return c.charFormat();
}
} // namespace

class SpecialNoteTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() {
        SystemInfo::setOverride(nullptr);
        Clock::setOverride({});
    }

    // Six lines, the fifth empty and no final break; amounts past 4 GiB; the percentage whole.
    void memoryBody() {
        auto fake = FakeSystemInfo::install();
        fake->memory.totalPhys = 1610612736;          // 1536M
        fake->memory.availPhys = 512 * MiB + MiB / 2; // 512.5M
        fake->memory.totalPageFile = 6 * GiB;         // 6144M
        fake->memory.availPageFile = 0;
        fake->memory.availVirtual = 7;
        fake->memory.totalVirtual = 8;
        QCOMPARE(MemoryText(), QString("Total Physical: 1536M\r\nAvailable Physical: 512.5M\r\n"
                                       "Total Memory: 7680M\r\nAvailable Memory: 512.5M\r\n\r\n"
                                       "Percent Free: 7%"));
        QCOMPARE(GetMemoryFigure(0), 7.0);
        QCOMPARE(GetMemoryFigure(3), 8.0);
        QCOMPARE(GetMemoryFigure(6), 0.0);
        QCOMPARE(GetMemoryFigure(-1), 0.0);
        // 7.5 % goes up, as an exact half does.
        fake->memory.availPhys = 576 * MiB;
        QCOMPARE(GetPercentFree(), 8.0);
        // No memory at all gives 0 %, not a division by zero.
        fake->memory = MemoryStatus();
        QCOMPARE(GetPercentFree(), 0.0);
        QVERIFY(MemoryText().endsWith("Percent Free: 0%"));
    }

    // A readable drive has its size lines, an unreadable one a single line with an empty label.
    void driveList() {
        auto fake = FakeSystemInfo::install();
        fake->driveList = {
            {"/", "  ROOT ", DriveFixed, true, GiB, 0},
            {"/media/cd", "DISC", DriveCdRom, false, 5 * GiB, GiB},
            {"/mnt/nas", "", DriveRemote, true, 1264 * GiB + 580 * MiB, 511 * GiB + 512 * MiB},
            {"/mnt/odd", "x", DriveUnknown, true, 3 * GiB / 2, GiB / 4},
            {"/gone", "", DriveNoRootDir, true, GiB, GiB},
        };
        QCOMPARE(GetDriveListText(), QString("/  ROOT (Local Hard Drive)  \r\n"
                                             "      Total Space: 1GB  \r\n"
                                             "      Free Space: 0GB\r\n"
                                             "/media/cd   (CD-ROM)  \r\n"
                                             "/mnt/nas   (Network)  \r\n"
                                             "      Total Space: 1264.57GB  \r\n"
                                             "      Free Space: 511.5GB\r\n"
                                             "/mnt/odd  x (Unknown)  \r\n"
                                             "      Total Space: 1.5GB  \r\n"
                                             "      Free Space: 0.25GB\r\n"));
        QCOMPARE(DriveTypeText(DriveRemovable), QString("Removable Drive"));
        QCOMPARE(DriveTypeText(DriveRamDisk), QString("RAM Disk"));
        QCOMPARE(GetTotalSpaceGB(fake->driveList[1]), 0.0);
        fake->driveList.clear();
        QCOMPARE(GetDriveListText(), QString());
    }

    // Two decimals with an exact half away from zero, then the shortest form in the locale.
    void roundingAndLocale() {
        QCOMPARE(RoundTwoDecimals(0.125), 0.13);
        QCOMPARE(RoundTwoDecimals(-0.125), -0.13);
        QCOMPARE(RoundTwoDecimals(1.005), 1.01);
        QCOMPARE(RoundTwoDecimals(0.124999), 0.12);
        QCOMPARE(RoundTwoDecimals(999.995), 1000.0);
        QCOMPARE(RoundTwoDecimals(511.5), 511.5);
        QCOMPARE(RoundTwoDecimals(7), 7.0);
        QCOMPARE(RoundTwoDecimals(1e300), 1e300);
        QCOMPARE(ToMegabytes(1610612736), 1536.0);
        QCOMPARE(ToMegabytes(536346624), 511.5);
        QCOMPARE(ToMegabytes(1294536770), 1234.57);
        QCOMPARE(FigureText(511.5), QString("511.5"));
        QCOMPARE(FigureText(512), QString("512"));
        QCOMPARE(FigureText(1234.57), QString("1234.57"));
        QCOMPARE(FigureText(1234567.5), QString("1234567.5"));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(FigureText(511.5), QString("511,5"));
        QCOMPARE(FigureText(1234.57), QString("1234,57"));
    }

    void timeText() {
        QCOMPARE(TimeText(QTime(0, 5, 7)), QString("12:05:07 AM"));
        QCOMPARE(TimeText(QTime(12, 0, 0)), QString("12:00:00 PM"));
        QCOMPARE(TimeText(QTime(21, 5, 7)), QString("09:05:07 PM"));
        QCOMPARE(TimeText(QTime(11, 59, 59)), QString("11:59:59 AM"));
    }

    // The writers replace the text: a bold blue 10-point heading, then the body in plain black,
    // in the box's own face.
    void writersLayOutHeadingAndBody() {
        Clock::setOverride([] { return QDateTime(QDate(2026, 1, 2), QTime(21, 5, 7)); });
        auto fake = FakeSystemInfo::install();
        fake->driveList = {{"/", "", DriveFixed, false, 0, 0}};
        RichTextBox box;
        const QString face = box.font().family();
        box.setText("old words");
        box.setSelColor(0x00FF00);
        box.setSelItalic(true);
        ShowTimeNote(box);
        QCOMPARE(box.text(), QString("Time:\r\n09:05:07 PM"));
        const QTextCharFormat heading = formatAt(box, 0);
        const QTextCharFormat body = formatAt(box, 7);
        QCOMPARE(heading.fontWeight(), int(QFont::Bold));
        QCOMPARE(heading.foreground().color(), QColor(0, 0, 255));
        QCOMPARE(heading.fontPointSize(), 10.0);
        QVERIFY(body.fontWeight() != QFont::Bold && !body.fontItalic());
        QCOMPARE(body.foreground().color(), QColor(0, 0, 0));
        QCOMPARE(body.fontPointSize(), 20.0);
        QCOMPARE(QFontInfo(body.font()).family(), QFontInfo(box.font()).family());
        QCOMPARE(box.document()->blockCount(), 2);

        ShowMemoryNote(box);
        QVERIFY(box.text().startsWith("Memory:\r\nTotal Physical: 0M\r\n"));
        QCOMPARE(formatAt(box, 9).fontPointSize(), 10.0);
        QCOMPARE(box.document()->blockCount(), 7);
        ShowDrivesNote(box);
        QCOMPARE(box.text(), QString("Drive(s):\r\n/   (Local Hard Drive)  \r\n"));
        QCOMPARE(box.font().family(), face);
    }
};

PINLEAF_TEST_MAIN(SpecialNoteTest)
#include "unit_specialnote.moc"
