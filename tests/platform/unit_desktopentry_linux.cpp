#include "TestHome.h"
#include "platform/linux/DesktopEntry.h"

#include <QtTest>

// The autostart entry as the freedesktop.org Desktop Entry rules want it.
class DesktopEntryTest : public QObject {
    Q_OBJECT
private slots:
    void autostartExecIsQuotedForDesktopEntries() {
        using DesktopEntry::quoteExecArgument;
        QCOMPARE(quoteExecArgument("/usr/bin/pinleaf"), QString("/usr/bin/pinleaf"));
        QCOMPARE(quoteExecArgument("/opt/my apps/pinleaf"), QString("\"/opt/my apps/pinleaf\""));
        QCOMPARE(quoteExecArgument("/opt/a\"b$c`d\\e/pinleaf"),
                 QString("\"/opt/a\\\"b\\$c\\`d\\\\e/pinleaf\""));
        QCOMPARE(quoteExecArgument("/opt/100%/pinleaf"), QString("/opt/100%%/pinleaf"));
        // The quoted argument is then escaped once more as a string value.
        const QString entry = DesktopEntry::autostartEntry("/opt/x y\\z/pinleaf");
        QVERIFY(entry.startsWith("[Desktop Entry]\n"));
        QVERIFY(entry.contains("\nExec=\"/opt/x y\\\\\\\\z/pinleaf\"\n"));
        QVERIFY(entry.contains("\nType=Application\n"));
    }
};

PINLEAF_TEST_MAIN(DesktopEntryTest)
#include "unit_desktopentry_linux.moc"
