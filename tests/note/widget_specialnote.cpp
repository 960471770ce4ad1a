// The notes the program writes itself: the figures and texts of the special notes, the notes on
// their timer, and the help note.
#include "BuildConfig.h"
#include "FakeSystemInfo.h"
#include "NoteWidgets.h"
#include "TestHome.h"
#include "note/NoteActivity.h"
#include "platform/Clock.h"
#include "platform/Twips.h"
#include "special/modSpecialNote.h"

#include <QScrollBar>
#include <QTextBlock>

using namespace modSpecialNote;

namespace {
constexpr quint64 MiB = 1024 * 1024;
constexpr quint64 GiB = 1024 * MiB;
} // namespace

class SpecialNoteTest : public QObject {
    Q_OBJECT
    std::shared_ptr<FakeSystemInfo> m_fake;

private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_fake = FakeSystemInfo::install();
        m_fake->memory.totalPhys = 1610612736;
        m_fake->driveList = {{"/", "ROOT", DriveFixed, true, 1 << 30, 0}};
    }
    void cleanup() {
        deleteAllNotes();
        SystemInfo::setOverride(nullptr);
        Clock::setOverride({});
    }

    // Six lines, the fifth empty and no final break; totals past 4 GiB; a whole percentage, none
    // without memory. Figures have two decimals, an exact half rounded away from zero, then the
    // shortest form in the locale.
    void memoryAndFigures() {
        m_fake->memory.availPhys = 512 * MiB + MiB / 2;
        m_fake->memory.totalPageFile = 6 * GiB;
        QCOMPARE(MemoryText(), QString("Total Physical: 1536M\r\nAvailable Physical: 512.5M\r\n"
                                       "Total Memory: 7680M\r\nAvailable Memory: 512.5M\r\n\r\n"
                                       "Percent Free: 7%"));
        m_fake->memory.availPhys = 576 * MiB; // exactly 7.5 %
        QCOMPARE(GetPercentFree(), 8.0);
        QCOMPARE(GetMemoryFigure(6), 0.0);
        m_fake->memory = MemoryStatus();
        QCOMPARE(GetPercentFree(), 0.0);
        const std::pair<double, double> rounded[] = {
            {0.125, 0.13}, {-0.125, -0.13}, {1.005, 1.01}, {0.124999, 0.12}, {999.995, 1000}};
        for (const auto& [value, want] : rounded)
            QVERIFY2(RoundTwoDecimals(value) == want, qPrintable(QString::number(value)));
        QCOMPARE(ToMegabytes(1294536770), 1234.57);
        QVERIFY(FigureText(512) == "512" && FigureText(1234567.5) == "1234567.5");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(FigureText(1234.57), QString("1234,57"));
    }

    // A readable drive has its size lines; an unreadable one a single line, its label empty.
    void driveList() {
        m_fake->driveList = {
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

    // The writers replace the text: a bold blue 10-point heading, then the body in plain black,
    // 20 points for the time on the 12-hour clock, in the box's own face.
    void writersLayOutHeadingAndBody() {
        QStringList times;
        for (const QTime& t : {QTime(0, 5, 7), QTime(11, 59, 59), QTime(12, 0), QTime(21, 5, 7)})
            times << TimeText(t);
        QCOMPARE(times, (QStringList{"12:05:07 AM", "11:59:59 AM", "12:00:00 PM", "09:05:07 PM"}));
        Clock::setOverride([] { return QDateTime(QDate(2026, 1, 2), QTime(21, 5, 7)); });
        m_fake->driveList = {{"/", "", DriveFixed, false, 0, 0}};
        RichTextBox box;
        box.setText("old words");
        box.setSelColor(0x00FF00);
        box.setSelItalic(true);
        ShowTimeNote(box);
        QCOMPARE(box.text(), QString("Time:\r\n09:05:07 PM"));
        const QTextCharFormat heading = formatAt(&box, 0), body = formatAt(&box, 7);
        QVERIFY(heading.fontWeight() == QFont::Bold && heading.fontPointSize() == 10 &&
                heading.foreground().color() == QColor(0, 0, 255));
        QVERIFY(body.fontWeight() != QFont::Bold && !body.fontItalic());
        QVERIFY(body.foreground().color() == Qt::black && body.fontPointSize() == 20);
        QCOMPARE(QFontInfo(body.font()).family(), QFontInfo(box.font()).family());
        ShowDrivesNote(box);
        QCOMPARE(box.text(), QString("Drive(s):\r\n/   (Local Hard Drive)  \r\n"));
        QCOMPARE(formatAt(&box, 11).fontPointSize(), 10.0);
    }

    // Each item turns the note into its kind with its interval, read-only and unsaveable; "Reset"
    // lasts until the next refresh; "Clear All" leaves a plain, editable, empty note with the timer
    // stopped.
    void itemsSwitchResetAndClear() {
        frmMain w;
        const NoteMenuItems& m = w.menuItems();
        w.setIsDirty(true);
        const struct {
            QAction* item;
            const char* text;
            int interval;
        } kinds[] = {{m.mnuSNTime, "Time:\r\n", 1000},
                     {m.mnuComputerMemory, "Memory:\r\nTotal Physical: 1536M\r\n", 32500},
                     {m.mnuDrives, "Drive(s):\r\n/  ROOT (Local Hard Drive)  \r\n", 32500}};
        for (const auto& kind : kinds) {
            kind.item->trigger();
            QVERIFY2(w.RTB1->text().startsWith(kind.text), qPrintable(w.RTB1->text()));
            QVERIFY(w.RTB1->isReadOnly() && w.RTB1->cursorWidth() == 0);
            QVERIFY(!m.mnuSave[0]->isEnabled() && !m.mnuSave[1]->isEnabled());
            QVERIFY(w.Timer1->isActive() && w.Timer1->interval() == kind.interval &&
                    w.Timer1->remainingTime() > kind.interval - 500);
        }
        m.mnuSystemReset->trigger();
        QVERIFY(w.RTB1->text() == "[Note]" && w.RTB1->isReadOnly() && w.Timer1->isActive());
        w.DisplaySpecialNote(w.noteType()); // as the next tick does
        QVERIFY(w.RTB1->text().startsWith("Drive(s):"));

        m.mnuEdit[2]->trigger();
        QVERIFY(w.RTB1->text().isEmpty() && !w.RTB1->isReadOnly() && !w.Timer1->isActive());
        QVERIFY(m.mnuSave[0]->isEnabled() && m.mnuSave[1]->isEnabled() &&
                w.lblCaption->text() == " Pinleaf");
        w.DisplaySpecialNote(0);
        w.DisplaySpecialNote(4);
        QVERIFY(!w.RTB1->isReadOnly() && !w.Timer1->isActive());
    }

    // The timer rewrites a time note about every second; the caption is marked from the first
    // refresh on; the running copy is not told of each tick. A refresh runs nothing else in
    // between: a "Clear All" chosen as a tick comes stays done. A closed special note is refreshed
    // no more and its timer goes with the window.
    void timerRefreshesOnlyWhileTheNoteIsSpecial() {
        QTime now(21, 5, 7);
        Clock::setOverride([&now] {
            now = now.addSecs(1);
            return QDateTime(QDate(2026, 1, 2), now);
        });
        auto* w = new frmMain;
        w->show();
        w->menuItems().mnuSNTime->trigger();
        QVERIFY(w->RTB1->text() == "Time:\r\n09:05:08 PM" && w->lblCaption->text() == " Pinleaf");
        QSignalSpy changes(NoteActivity::instance(), &NoteActivity::changed);
        QTRY_COMPARE_WITH_TIMEOUT(w->RTB1->text(), QString("Time:\r\n09:05:09 PM"), 1500);
        QVERIFY(w->lblCaption->text() == " Pinleaf*" && changes.count() == 0);

        QMetaObject::invokeMethod(w->menuItems().mnuEdit[2], &QAction::trigger,
                                  Qt::QueuedConnection);
        w->DisplaySpecialNote(frmMain::TimeNote);
        QVERIFY(w->RTB1->isReadOnly());
        QTRY_VERIFY(!w->RTB1->isReadOnly());
        QVERIFY(w->RTB1->text().isEmpty() && !w->Timer1->isActive());

        w->menuItems().mnuSNTime->trigger();
        QPointer<QTimer> timer = w->Timer1;
        QVERIFY(w->close());
        QVERIFY(!timer->isActive());
        QTRY_VERIFY(timer.isNull());
    }

    // "Help" opens a read-only help note beside the note, unmarked and untouched by typing; help
    // from a help note opens one further along. Every line has its text, indent, colour and size
    // (an empty line shows in the look of its paragraph), each line ends with a break, so the text
    // ends in an empty paragraph, and the caret is at the start. It fits the note at 96 dpi,
    // without a scroll bar; "Clear All" makes it an ordinary note.
    void helpNoteWhole() {
        const QString indent(5, u' ');
        const std::pair<QString, QString> lines[] = {
            {"Help", "#0000ff 14"},
            {"", "#0000ff 10"},
            {"Options:", "#0000ff 12"},
            {indent + "Right-click anywhere on the note to get a list of all options: Fonts, Color "
                      "Scheme, Window State, Open, Save, and Create New.  A special menu will "
                      "appear if text is selected when you right-click.",
             "#000000 10"},
            {"", "#0000ff 10"},
            {"Window State:", "#0000ff 12"},
            {indent + "Window state controls whether the Note will remain on top of all other "
                      "windows (Always On Top) or act like a normal window and take focus when "
                      "in front,",
             "#000000 10"},
            {"", "#0000ff 10"},
            {"Special View:", "#0000ff 12"},
            {indent + "Special notes display important information and update every 2min.  "
                      "Computer memory and hard drive information is currently supported.  "
                      "Click 'Clear All' on the right-click menu to clear the 'Special Note'",
             "#000000 10"},
            {"", "#0000ff 10"},
            {"Feedback:", "#0000ff 12"},
            {indent +
                 "Have an idea for a feature, a new special view, or report a bug?  Please "
                 "send us an email to " +
                 QLatin1String(BuildConfig::FeedbackAddress) + " and we will try to accomodate.",
             "#000000 10"},
            {"", "#000000 10"}, // after the last break
        };
        frmMain w;
        w.show();
        w.menuItems().mnuHelp->trigger();
        frmMain* help = openNotes().last();
        QString text;
        QStringList want, seen;
        for (const auto& [line, look] : lines)
            want << line + ' ' + look;
        for (std::size_t i = 0; i + 1 < std::size(lines); ++i)
            text += lines[i].first + "\r\n";
        // A line's look: the colour and size of each of its pieces, or of the paragraph while it
        // is empty; "bold", "italic" or "underline" where one is set.
        const auto look = [](const QTextCharFormat& f) {
            QString words =
                f.foreground().color().name() + ' ' + QString::number(f.fontPointSize());
            for (const auto& [on, word] : {std::pair{f.fontWeight() > QFont::Normal, " bold"},
                                           {f.fontItalic(), " italic"},
                                           {f.fontUnderline(), " underline"}})
                words += on ? word : "";
            return words;
        };
        for (QTextBlock b = help->RTB1->document()->begin(); b.isValid(); b = b.next()) {
            QStringList looks;
            for (auto piece = b.begin(); !piece.atEnd(); ++piece)
                looks << look(piece.fragment().charFormat());
            looks.removeDuplicates();
            seen << b.text() + ' ' + (b.length() == 1 ? look(b.charFormat()) : looks.join(" / "));
        }
        QCOMPARE(seen, want);
        QCOMPARE(help->RTB1->text(), text);
        QVERIFY(help->RTB1->selStart() == 0 && help->RTB1->selLength() == 0);

        QVERIFY(help->RTB1->isReadOnly() && help->lblCaption->text() == " Pinleaf");
        QTest::mouseClick(help->RTB1->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::keyClicks(help->RTB1, "typed");
        QCOMPARE(help->RTB1->text(), text);
        help->menuItems().mnuHelp->trigger();
        QCOMPARE(openNotes().last()->pos(),
                 Twips::toPixels(help->Left() + 200, help->Top() + 200, 1, 1).topLeft());
        QCOMPARE(w.RTB1->text(), QString("[Note]"));

        QVERIFY(QTest::qWaitForWindowExposed(help) && help->logicalDpiY() == 96);
        QCOMPARE(help->RTB1->verticalScrollBar()->maximum(), 0);
        help->menuItems().mnuEdit[2]->trigger(); // "Clear All": a plain note, lines of full height
        QTest::keyClicks(help->RTB1, "typed");
        QVERIFY(help->RTB1->text() == "typed" && help->RTB1->document()->size().height() > 10);
    }
};

PINLEAF_TEST_MAIN(SpecialNoteTest)
#include "widget_specialnote.moc"
