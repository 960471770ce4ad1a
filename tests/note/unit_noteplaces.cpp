// The arithmetic behind a note's way back onto a screen and its controls' layout, and the e-mail
// and web addresses.
#include "TestHome.h"
#include "note/NoteLayout.h"
#include "note/ScreenFit.h"
#include "note/WebLinks.h"

namespace {
// A wide screen and a taller one to its right, tops aligned, each with a task bar taken off.
const QList<QRect> Areas{QRect(0, 0, 1000, 760), QRect(1000, 0, 1280, 984)};
} // namespace

class NotePlacesTest : public QObject {
    Q_OBJECT
private slots:
    // Any part of the caption strip (20 px) on a screen keeps the note where it is; a note out of
    // reach moves onto the nearest screen by the shortest way that shows its whole strip, and a
    // strip wider than the screen shows its left end.
    void screenFitBringsBackOnlyWhatIsOutOfReach() {
        const QRect stay[] = {{700, 740, 300, 200},
                              {-299, 100, 300, 200},
                              {2279, 983, 300, 200},
                              {100, -19, 300, 200},
                              {1500, 983, 300, 2000}};
        for (const QRect& w : stay)
            QCOMPARE(ScreenFit::reachableTopLeft(w, 20, Areas), w.topLeft());
        const std::pair<QPoint, QPoint> moved[] = {
            {{700, 760}, {700, 740}},   {{-300, 100}, {0, 100}},   {{100, -20}, {100, 0}},
            {{200, 1200}, {200, 740}},  {{700, 990}, {1000, 964}}, {{90000, -90000}, {1980, 0}},
            {{-90000, 90000}, {0, 740}}};
        for (const auto& [from, to] : moved)
            QCOMPARE(ScreenFit::reachableTopLeft(QRect(from, QSize(300, 200)), 20, Areas), to);
        QCOMPARE(ScreenFit::reachableTopLeft(QRect(3000, 300, 5000, 200), 20, Areas),
                 QPoint(1000, 300));
        QCOMPARE(ScreenFit::reachableTopLeft(QRect(0, 800, 300, 200), 2000, Areas), QPoint(0, 0));
        QCOMPARE(ScreenFit::reachableTopLeft(QRect(-5000, -5000, 300, 200), 20, {}),
                 QPoint(-5000, -5000));
    }

    // The design places are those of the default size; a negative size ends the layout at that step
    // and later controls keep their old places.
    void layoutStopsAtTheFirstNegativeSize() {
        // Width, height, the steps done: the default size, the rolled-up tile, just under and
        // exactly the text box's height, narrower than the text box's margin and than the caption.
        const int cases[][3] = {
            {3345, 2865, NoteLayout::StepCount}, {500, 425, 0},  {3345, 699, 0},
            {3345, 700, NoteLayout::StepCount},  {219, 2865, 1}, {1099, 2865, 10}};
        for (const auto& [w, h, steps] : cases) {
            NoteLayout l;
            const NoteLayout before = l;
            QCOMPARE(l.apply(w, h), steps);
            QVERIFY(l == before || !(steps == 0 || (w == 3345 && h == 2865)));
            if (steps == 10)
                QVERIFY(l.lblCaption == before.lblCaption && l.imgResize.left == w - 230);
        }
    }

    // Whatever the note says stays inside the body, as the mail program reads it back.
    void mailtoBodyHoldsTheWholeText() {
        const QString to = "feedback@example.com";
        QCOMPARE(WebLinks::MailtoAddress(to, "a b\r\n\u00e9"),
                 "mailto:feedback@example.com?subject=Pinleaf "
                 "Note&Body=a%20b%0D%0A%C3%A9");
        for (const QString body : {"x&cc=evil@example.org", "1 & 2 ? #top 100% a=b+c",
                                   "%0D%0Acc=evil@example.org&attach=/etc/passwd"}) {
            const QUrl url(WebLinks::MailtoAddress(to, body));
            QCOMPARE(url.path(), to);
            QCOMPARE(
                QUrlQuery(url.query(QUrl::FullyEncoded)).queryItems(QUrl::FullyDecoded),
                (QList<std::pair<QString, QString>>{{"subject", "Pinleaf Note"}, {"Body", body}}));
        }
        // A body too long for the desktop keeps as many whole characters as fit the bound, and
        // never a CR without its LF.
        const QString body = "a \u00e9\U0001F600\r\nb~";
        const qsizetype head = QUrl(WebLinks::MailtoAddress(to, "")).toEncoded().size();
        const auto size = [&](qsizetype kept) {
            return QUrl(WebLinks::MailtoAddress(to, body.left(kept))).toEncoded().size();
        };
        // The next whole character, a CR with its LF.
        const auto nextAfter = [&](qsizetype k) {
            return k + (body[k].isHighSurrogate() || body.mid(k, 2) == "\r\n" ? 2 : 1);
        };
        QList<qsizetype> kept;
        for (qsizetype max = head; max <= size(body.size()); ++max) {
            const qsizetype k = WebLinks::MailBodyThatFits(to, body, max);
            QVERIFY(size(k) <= max && (k == body.size() || size(nextAfter(k)) > max));
            if (kept.isEmpty() || kept.last() != k)
                kept << k;
        }
        QCOMPARE(kept, (QList<qsizetype>{0, 1, 2, 3, 5, 7, 8, 9}));
        QCOMPARE(WebLinks::WebSiteUrl(" example.com/notes "), QUrl("https://example.com/notes"));
        QCOMPARE(WebLinks::WebSiteUrl("http://example.com/"), QUrl("http://example.com/"));
    }
};

PINLEAF_TEST_MAIN(NotePlacesTest)
#include "unit_noteplaces.moc"
