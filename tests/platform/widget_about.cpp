#include "RecordingUrlOpener.h"
#include "TestHome.h"
#include "platform/MessagePrompt.h"
#include "platform/Twips.h"
#include "platform/frmAbout.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {
frmAbout* loadAbout() {
    return frmAbout::Load(QStringLiteral("feedback@pinleaf.example.org"),
                          QStringLiteral("https://pinleaf.example.org/"));
}

QRect twips(int left, int top, int width, int height) {
    return Twips::toPixels(left, top, width, height);
}
} // namespace

// The About dialog: its places and colours, the build text, the credit scroll, and the mail link.
class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationVersion(QStringLiteral("1.4.2")); }

    void placesAndLook() {
        QPointer<frmAbout> d = loadAbout();
        QCOMPARE(d->windowTitle(), QStringLiteral("About"));
        QVERIFY(
            !(d->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(d->size(), twips(0, 0, 5550, 3435).size());
        QCOMPARE(d->minimumSize(), d->maximumSize());
        QCOMPARE(d->Picture1->geometry(), twips(240, 120, 1450, 1450));
        QCOMPARE(d->Picture1->pixmap().deviceIndependentSize().toSize(), QSize(96, 96));
        const QRect squares[] = {twips(1800, 120, 615, 615), twips(2280, 480, 615, 615),
                                 twips(2040, 960, 615, 615)};
        const QColor fills[] = {Qt::blue, Qt::red, Qt::yellow};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(d->Shape1[i]->geometry(), squares[i]);
            QCOMPARE(d->Shape1[i]->palette().color(QPalette::Window), fills[i]);
        }
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(d->Label1[i]->geometry(), twips(3120, 600 + 360 * i, 2292, 252));
        QVERIFY(d->Label1[3]->text().contains(QLatin1String("pinleaf.example.org")));
        QCOMPARE(d->Label5->text(), QStringLiteral("Email"));
        QCOMPARE(d->Label5->geometry(), twips(480, 1800, 495, 255));
        QCOMPARE(d->Label4->geometry(), twips(960, 1800, 1455, 255));
        QVERIFY(d->Label4->font().underline());
        QCOMPARE(d->Label4->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QCOMPARE(d->Label4->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(d->Label4->toolTip().contains(QLatin1String("feedback@pinleaf.example.org")));
        QCOMPARE(d->lblBuild->geometry(), twips(480, 2160, 1935, 255));
        QCOMPARE(d->lblBuild->text(), QStringLiteral("Build - 1.4.0.2"));
        QCOMPARE(frmAbout::BuildText(ProgramVersion::parse(QStringLiteral("12.0"))),
                 QStringLiteral("Build - 12.0.0.0"));
        const int lineWidth = Twips::toPixelsX(5445) - Twips::toPixelsX(120);
        QCOMPARE(d->Line1[1]->geometry(),
                 QRect(twips(120, 2430, 0, 0).topLeft(), QSize(lineWidth, 1)));
        QCOMPARE(d->Line1[0]->geometry(),
                 QRect(twips(120, 2445, 0, 0).topLeft(), QSize(lineWidth, 1)));
        QCOMPARE(d->Line1[1]->palette().color(QPalette::Window), QColor(0x80, 0x80, 0x80));
        QCOMPARE(d->Line1[0]->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(d->cmdOK->geometry(), twips(4200, 3000, 1260, 345));
        QVERIFY(d->Timer1->isActive());
        QCOMPARE(d->Timer1->interval(), 100);

        // OK has the focus; Return and Escape both close the dialog and forget it.
        for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
            d = loadAbout();
            bool focused = false;
            bool closedByKey = false;
            QTimer::singleShot(0, d, [d, key, &focused, &closedByKey] {
                focused =
                    QTest::qWaitFor([d] { return QApplication::focusWidget() == d->cmdOK; }, 5000);
                QTest::keyClick(d->cmdOK, Qt::Key(key));
                closedByKey = !d->isVisible();
                if (!closedByKey)
                    d->reject();
            });
            d->exec();
            QVERIFY(focused);
            QVERIFY(closedByKey);
            QVERIFY(!frmAbout::Loaded());
            QTRY_VERIFY(!d);
        }
    }

    void creditScroll() {
        QPointer<frmAbout> d = loadAbout();
        const auto tops = [&d] {
            return QList<int>{d->creditTop(1), d->creditTop(2), d->creditTop(3), d->creditTop(4)};
        };
        const auto shown = [&d](int i) { return !d->Label1[i]->isHidden(); };
        d->Timer1Tick();
        QCOMPARE(tops(), (QList<int>{910, 1270, 1630, 1990}));
        QVERIFY(shown(4));
        QCOMPARE(d->Label1[4]->y(), Twips::toPixelsY(1990));
        for (int tick = 2; tick <= 19; ++tick)
            d->Timer1Tick();
        QCOMPARE(d->creditTop(1), 10);
        QVERIFY(shown(1));
        d->Timer1Tick();
        QCOMPARE(d->creditTop(1), 3000);
        QVERIFY(!shown(1));
        QCOMPARE(d->Label1[1]->y(), Twips::toPixelsY(3000));
        // Labels 2, 3 and 4 jump at the 27th, 34th and 41st ticks; label 1 is back in the
        // column 20 ticks after its jump.
        QList<int> jumps{20};
        for (int tick = 21; tick <= 61; ++tick) {
            d->Timer1Tick();
            for (int label = 2; label <= 4; ++label) {
                if (d->creditTop(label) == 3000)
                    jumps << tick;
            }
            if (tick == 39 || tick == 40) {
                QCOMPARE(d->creditTop(1), tick == 39 ? 2050 : 2000);
                QCOMPARE(shown(1), tick == 40);
            }
        }
        QCOMPARE(jumps, (QList<int>{20, 27, 34, 41}));
        const QList<int> cycle = tops();
        QCOMPARE(cycle, (QList<int>{950, 1300, 1650, 2000}));
        for (int i = 1; i <= 4; ++i)
            QVERIFY(shown(i));
        // The pattern repeats every 61 ticks; a label at 0 is shown, at 3000 the next tick not.
        for (int tick = 1; tick <= 61; ++tick) {
            d->Timer1Tick();
            if (tick == 19) {
                QCOMPARE(d->creditTop(1), 0);
                QVERIFY(shown(1));
            } else if (tick == 20) {
                QCOMPARE(d->creditTop(1), 3000);
                QVERIFY(!shown(1));
            }
        }
        QCOMPARE(tops(), cycle);

        // A second opening starts from the design places on a fresh dialog.
        d->done(QDialog::Accepted);
        QVERIFY(!frmAbout::Loaded());
        QTRY_VERIFY(!d);
        d = loadAbout();
        QCOMPARE(tops(), (QList<int>{960, 1320, 1680, 2040}));
        QCOMPARE(d->Label1[1]->y(), Twips::toPixelsY(960));
        d->done(QDialog::Accepted);
    }

    void mailLink() {
        auto opener = std::make_shared<RecordingUrlOpener>();
        UrlOpener::setOverride(opener);
        frmAbout* d = loadAbout();
        d->show();
        QTest::mouseClick(d->Label4, Qt::LeftButton);
        QCOMPARE(opener->opened.size(), 1);
        QCOMPARE(opener->opened[0].scheme(), QStringLiteral("mailto"));
        QCOMPARE(opener->opened[0].path(), QStringLiteral("feedback@pinleaf.example.org"));
        QVERIFY(d->isVisible());
        QCOMPARE(frmAbout::Loaded(), d);
        // Without a mail program the user is told where to write.
        opener->handled = false;
        MessagePrompt::queueAnswers({MessagePrompt::Yes});
        QTest::mouseClick(d->Label4, Qt::LeftButton);
        QVERIFY(MessagePrompt::lastText().contains(QLatin1String("feedback@pinleaf.example.org")));
        QVERIFY(d->isVisible());
        d->done(QDialog::Accepted);
        UrlOpener::setOverride(nullptr);
    }
};

PINLEAF_TEST_MAIN(AboutTest)
#include "widget_about.moc"
