#include "TestHome.h"
#include "platform/modXPStyle.h"

#include <QApplication>
#include <QtTest>

// The visual-styles manifest's bytes. When it is written and the program restarted runs on
// Windows only and is seen there at the first start.
class XPStyleTest : public QObject {
    Q_OBJECT

private slots:
    // CR LF lines, no byte-order mark, the version in four parts; names and descriptions
    // cannot break the XML.
    void manifestBytes() {
        const QByteArray bytes = modXPStyle::ManifestBytes(QStringLiteral("A&B"), 10, 0, 7,
                                                           QStringLiteral("Caf\u00e9 <\"x\">"));
        QVERIFY(!bytes.startsWith("\xEF\xBB\xBF") && bytes.endsWith("</assembly>\r\n"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QVERIFY(bytes.contains("name=\"A&amp;B.exe\"/>") && bytes.contains("\"10.0.7.0\""));
        QVERIFY(bytes.contains("<description>Caf\xC3\xA9 &lt;&quot;x&quot;&gt;</description>"));
    }
};

PINLEAF_TEST_MAIN(XPStyleTest)
#include "unit_xpstyle.moc"
