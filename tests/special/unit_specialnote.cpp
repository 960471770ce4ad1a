#include "FakeSystemInfo.h"
#include "NoteWidgets.h"
#include "TestHome.h"
#include "platform/Clock.h"
#include "platform/RichTextBox.h"
#include "special/modSpecialNote.h"

#include <QtTest>

using namespace modSpecialNote;

namespace {
constexpr quint64 MiB = 1024 * 1024;
constexpr quint64 GiB = 1024 * MiB;
} // namespace

class SpecialNoteTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() {
        SystemInfo::setOverride(nullptr);
        Clock::setOverride({});
    }

    // Six lines, the fifth empty and no final break; totals past 4 GiB; a whole percentage.
    void memoryBody() {
        auto fake = FakeSystemInfo::install();
        fake->memory.totalPhys = 1610612736;
        fake->memory.availPhys = 512 * MiB + MiB / 2;
        fake->memory.totalPageFile = 6 * GiB;
        QCOMPARE(MemoryText(), QString("Total Physical: 1536M\r\nAvailable Physical: 512.5M\r\n"
                                       "Total Memory: 7680M\r\nAvailable Memory: 512.5M\r\n\r\n"
                                       "Percent Free: 7%"));
        fake->memory.availPhys = 576 * MiB; // exactly 7.5 %
        QCOMPARE(GetPercentFree(), 8.0);
        QCOMPARE(GetMemoryFigure(6), 0.0);
        fake->memory = MemoryStatus();
        QCOMPARE(GetPercentFree(), 0.0);
    }

    // A readable drive has its size lines; an unreadable one a single line, its label empty.
    void driveList() {
        FakeSystemInfo::install()->driveList = {
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
    }

    // Two decimals with an exact half away from zero, then the shortest form in the locale;
    // the time on the 12-hour clock.
    void numbersAndTime() {
        const std::pair<double, double> rounded[] = {
            {0.125, 0.13}, {-0.125, -0.13}, {1.005, 1.01}, {0.124999, 0.12}, {999.995, 1000}};
        for (const auto& [value, want] : rounded)
            QVERIFY2(RoundTwoDecimals(value) == want, qPrintable(QString::number(value)));
        QCOMPARE(ToMegabytes(1294536770), 1234.57);
        QVERIFY(FigureText(512) == "512" && FigureText(1234567.5) == "1234567.5");
        QStringList times;
        for (const QTime& t : {QTime(0, 5, 7), QTime(11, 59, 59), QTime(12, 0), QTime(21, 5, 7)})
            times << TimeText(t);
        QCOMPARE(times, (QStringList{"12:05:07 AM", "11:59:59 AM", "12:00:00 PM", "09:05:07 PM"}));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(FigureText(1234.57), QString("1234,57"));
    }

    // The writers replace the text: a bold blue 10-point heading, then the body in plain black,
    // 20 points for the time, in the box's own face.
    void writersLayOutHeadingAndBody() {
        Clock::setOverride([] { return QDateTime(QDate(2026, 1, 2), QTime(21, 5, 7)); });
        FakeSystemInfo::install()->driveList = {{"/", "", DriveFixed, false, 0, 0}};
        RichTextBox box;
        box.setText("old words");
        box.setSelColor(0x00FF00);
        box.setSelItalic(true);
        ShowTimeNote(box);
        QCOMPARE(box.text(), QString("Time:\r\n09:05:07 PM"));
        const QTextCharFormat heading = formatAt(&box, 0);
        const QTextCharFormat body = formatAt(&box, 7);
        QVERIFY(heading.fontWeight() == QFont::Bold && heading.fontPointSize() == 10);
        QCOMPARE(heading.foreground().color(), QColor(0, 0, 255));
        QVERIFY(body.fontWeight() != QFont::Bold && !body.fontItalic());
        QVERIFY(body.foreground().color() == Qt::black && body.fontPointSize() == 20);
        QCOMPARE(QFontInfo(body.font()).family(), QFontInfo(box.font()).family());
        ShowDrivesNote(box);
        QCOMPARE(box.text(), QString("Drive(s):\r\n/   (Local Hard Drive)  \r\n"));
        QCOMPARE(formatAt(&box, 11).fontPointSize(), 10.0);
    }
};

PINLEAF_TEST_MAIN(SpecialNoteTest)
#include "unit_specialnote.moc"
