#include "TestHome.h"
#include "app/modMain.h"
#include "note/DateStamp.h"

#include <QApplication>
#include <QtTest>

// Texts that start-up builds: the command line and the date stamp.
class StartupTextTest : public QObject {
    Q_OBJECT
private slots:
    // A note file in quotes or not, spaces joined, capitals allowed; any other file is none.
    void commandLineNamesANoteFile() {
        const std::pair<QStringList, QString> cases[] = {
            {{}, ""},
            {{"/tmp/a.pnf"}, "/tmp/a.pnf"},
            {{"\"/tmp/A.PNF\""}, "/tmp/A.PNF"},
            {{"/tmp/my", "notes/a.pnf"}, "/tmp/my notes/a.pnf"},
            {{"/tmp/notepnf"}, "/tmp/notepnf"},
            {{"/tmp/a.txt"}, ""},
            {{"\"/tmp/a.pnf"}, "/tmp/a.pnf"},
            {{"\"/tmp/\"x\".pnf\""}, "/tmp/\"x\".pnf"},
            {{"\""}, ""},
        };
        for (const auto& [args, file] : cases)
            QCOMPARE(modMain::NoteFileFromCommandLine(modMain::CommandLineText(args)), file);
    }

    void dateStampHasFullYearAndSeconds() {
        const QDateTime when(QDate(2026, 12, 6), QTime(9, 15, 58));
        QCOMPARE(DateStamp::format(when, QLocale(QLocale::English, QLocale::UnitedStates)),
                 QString("12/6/2026 9:15:58 AM"));
        QCOMPARE(DateStamp::format(when, QLocale(QLocale::German, QLocale::Germany)),
                 QString("06.12.2026 09:15:58"));
    }
};

PINLEAF_TEST_MAIN(StartupTextTest)
#include "unit_startuptext.moc"
