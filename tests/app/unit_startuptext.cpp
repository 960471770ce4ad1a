#include "TestHome.h"
#include "app/modMain.h"
#include "note/DateStamp.h"

#include <QApplication>
#include <QtTest>

// Texts that start-up builds: the command line and the date stamp.
class StartupTextTest : public QObject {
    Q_OBJECT
private slots:
    void commandLineNamesANoteFile_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("file");
        QTest::newRow("none") << QStringList{} << QString();
        QTest::newRow("plain") << QStringList{"/tmp/a.pnf"} << "/tmp/a.pnf";
        QTest::newRow("capitals in quotes") << QStringList{"\"/tmp/A.PNF\""} << "/tmp/A.PNF";
        QTest::newRow("unquoted spaces joined")
            << QStringList{"/tmp/my", "notes/a.pnf"} << "/tmp/my notes/a.pnf";
        QTest::newRow("no dot before the ending") << QStringList{"/tmp/notepnf"} << "/tmp/notepnf";
        QTest::newRow("text file") << QStringList{"/tmp/a.txt"} << QString();
        QTest::newRow("only a leading quote") << QStringList{"\"/tmp/a.pnf"} << "/tmp/a.pnf";
        QTest::newRow("inner quotes stay") << QStringList{"\"/tmp/\"x\".pnf\""} << "/tmp/\"x\".pnf";
        QTest::newRow("lone quote") << QStringList{"\""} << QString();
    }
    void commandLineNamesANoteFile() {
        QFETCH(QStringList, args);
        QFETCH(QString, file);
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
