// The addresses of the e-mail and web-site commands.
#include "note/WebLinks.h"

#include <QTest>
#include <QUrlQuery>

class WebLinksTest : public QObject {
    Q_OBJECT
private slots:
    // Whatever the note says stays inside the body: as the address reads, and as the mail
    // program reads it back after Qt has passed the address on.
    void mailtoBodyHoldsTheWholeText() {
        const QString to = "feedback@example.com";
        const QString head = "mailto:feedback@example.com?subject=Pinleaf Note&Body=";
        QCOMPARE(WebLinks::MailtoAddress(to, "a b\r\nc"), head + "a%20b%0D%0Ac");
        QCOMPARE(WebLinks::MailtoAddress(to, ""), head);
        QCOMPARE(WebLinks::MailtoAddress(to, "\u00e9\u20ac"), head + "%C3%A9%E2%82%AC");
        const QStringList bodies{"x&cc=evil@example.org", "1 & 2 ? #top 100% a=b+c",
                                 "x\r\nBcc: evil@example.org",
                                 "%0D%0Acc=evil@example.org&attach=/etc/passwd",
                                 "lone\rcr and lone\nlf \u00e9\U0001F600"};
        for (const QString& body : bodies) {
            const QString address = WebLinks::MailtoAddress(to, body);
            const QString encodedBody = address.mid(head.size());
            for (const char* c : {" ", "\r", "\n", "&", "?", "#", "=", "+"})
                QVERIFY2(!encodedBody.contains(QLatin1String(c)), qPrintable(address));
            const QUrl url(address);
            QVERIFY(url.isValid());
            QCOMPARE(url.scheme(), QString("mailto"));
            QCOMPARE(url.path(), to);
            const QUrlQuery query(url.query(QUrl::FullyEncoded));
            QCOMPARE(
                query.queryItems(QUrl::FullyDecoded),
                (QList<std::pair<QString, QString>>{{"subject", "Pinleaf Note"}, {"Body", body}}));
        }
    }

    void webSiteGetsAScheme() {
        QCOMPARE(WebLinks::WebSiteUrl("www.example.com"), QUrl("https://www.example.com"));
        QCOMPARE(WebLinks::WebSiteUrl(" example.com/notes "), QUrl("https://example.com/notes"));
        QCOMPARE(WebLinks::WebSiteUrl("http://example.com/"), QUrl("http://example.com/"));
    }
};

QTEST_GUILESS_MAIN(WebLinksTest)
#include "unit_weblinks.moc"
