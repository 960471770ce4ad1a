#include "platform/CrLfText.h"

#include "TestHome.h"

#include <QApplication>
#include <QTest>

class CrLfTest : public QObject {
    Q_OBJECT
private slots:
    // CR LF, lone LF and lone CR are one break each, so "\r\r\n", "\n\r" and "\n\n" are two.
    // Positions map both ways; one between CR and LF goes to the start of its break, and positions
    // out of range are clamped.
    void textAndPositions() {
        QCOMPARE(CrLfText::toDocText("a\r\nb\nc\rd\r\r\ne\n\rf\n\ng\r"),
                 "a\nb\nc\nd\n\ne\n\nf\n\ng\n");
        QCOMPARE(CrLfText::toCrLf("a\n\nb\n"), "a\r\n\r\nb\r\n");
        const QString doc = "ab\n\ncd"; // a b CR LF CR LF c d
        const int crlf[] = {0, 1, 2, 4, 6, 7, 8};
        for (int i = 0; i <= int(doc.size()); ++i) {
            QCOMPARE(CrLfText::toCrLfPos(doc, i), crlf[i]);
            QCOMPARE(CrLfText::toDocPos(doc, crlf[i]), i);
        }
        QVERIFY(CrLfText::toDocPos(doc, 3) == 2 && CrLfText::toDocPos(doc, 5) == 3);
        QVERIFY(CrLfText::toDocPos(doc, -4) == 0 && CrLfText::toDocPos(doc, 99) == 6);
        QVERIFY(CrLfText::toCrLfPos(doc, -1) == 0 && CrLfText::toCrLfPos(doc, 99) == 8);
        QCOMPARE(CrLfText::toDocPos(QString(), 3), 0);
    }
};

PINLEAF_TEST_MAIN(CrLfTest)
#include "unit_crlf.moc"
