#include "platform/CrLfText.h"

#include "TestHome.h"

#include <QApplication>
#include <QTest>

class CrLfTest : public QObject {
    Q_OBJECT
private slots:
    void textConversion();
    void positions();
};

void CrLfTest::textConversion() {
    // CR LF, lone LF and lone CR are one break each; "\r\r\n" is two.
    QCOMPARE(CrLfText::toDocText(QStringLiteral("a\r\nb\nc\rd\r\r\ne\r")),
             QStringLiteral("a\nb\nc\nd\n\ne\n"));
    QCOMPARE(CrLfText::toDocText(QStringLiteral("\n\r")), QStringLiteral("\n\n"));
    QCOMPARE(CrLfText::toCrLf(QStringLiteral("a\n\nb\n")), QStringLiteral("a\r\n\r\nb\r\n"));
}

void CrLfTest::positions() {
    const QString doc = QStringLiteral("ab\n\ncd");
    // CR LF text: a b CR LF CR LF c d, length 8.
    const int crlf[] = {0, 1, 2, 4, 6, 7, 8};
    for (int i = 0; i <= int(doc.size()); ++i) {
        QCOMPARE(CrLfText::toCrLfPos(doc, i), crlf[i]);
        QCOMPARE(CrLfText::toDocPos(doc, crlf[i]), i);
    }
    // Between CR and LF: the start of that break.
    QCOMPARE(CrLfText::toDocPos(doc, 3), 2);
    QCOMPARE(CrLfText::toDocPos(doc, 5), 3);
    // Out of range: clamped.
    QCOMPARE(CrLfText::toDocPos(doc, -4), 0);
    QCOMPARE(CrLfText::toDocPos(doc, 99), 6);
    QCOMPARE(CrLfText::toCrLfPos(doc, 99), 8);
    QCOMPARE(CrLfText::toCrLfPos(doc, -1), 0);
    QCOMPARE(CrLfText::toDocPos(QString(), 3), 0);
}

PINLEAF_TEST_MAIN(CrLfTest)
#include "unit_crlf.moc"
