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
} // namespace

// The About dialog: its size, the build text, the keys, the credit scroll and the mail link.
// The colours are checked on screen by the end-to-end test.
class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationVersion(QStringLiteral("1.4.2")); }

    void sizeKeysAndBuild() {
        QPointer<frmAbout> d = loadAbout();
        QCOMPARE(d->windowTitle(), QStringLiteral("About"));
        QVERIFY(
            !(d->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(d->maximumSize(), Twips::toPixels(0, 0, 5550, 3435).size());
        QCOMPARE(d->minimumSize(), d->maximumSize());
        // OK sits in the bottom right corner, the link under the pictures.
        QCOMPARE(d->cmdOK->geometry(), Twips::toPixels(4200, 3000, 1260, 345));
        QCOMPARE(d->Label4->geometry(), Twips::toPixels(960, 1800, 1455, 255));
        QCOMPARE(d->Picture1->pixmap().deviceIndependentSize().toSize(), QSize(96, 96));
        QVERIFY(d->Label4->font().underline());
        QCOMPARE(d->Label4->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(d->Label1[3]->text().contains(QLatin1String("pinleaf.example.org")));
        QCOMPARE(d->lblBuild->text(), QStringLiteral("Build - 1.4.0.2"));
        QCOMPARE(frmAbout::BuildText(ProgramVersion::parse(QStringLiteral("12.0"))),
                 QStringLiteral("Build - 12.0.0.0"));
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
            QVERIFY(focused && closedByKey);
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
        // Label 1 is at 10 after the 19th tick and at 3000, hidden, after the 20th; labels 2 to
        // 4 jump at the 27th, 34th and 41st; label 1 is back in the column at the 40th.
        QList<int> jumps;
        for (int tick = 2; tick <= 61; ++tick) {
            d->Timer1Tick();
            for (int label = 1; label <= 4; ++label) {
                if (d->creditTop(label) == 3000)
                    jumps << tick;
            }
            if (tick == 19 || tick == 20)
                QCOMPARE(shown(1), tick == 19);
            if (tick == 39 || tick == 40)
                QCOMPARE(shown(1), tick == 40);
        }
        QCOMPARE(jumps, (QList<int>{20, 27, 34, 41}));
        QCOMPARE(d->Label1[1]->y(), Twips::toPixelsY(950));
        const QList<int> cycle = tops();
        QCOMPARE(cycle, (QList<int>{950, 1300, 1650, 2000}));
        // Every 61 ticks the same; a label at 0 is shown, and hidden at 3000 the tick after.
        for (int tick = 1; tick <= 61; ++tick) {
            d->Timer1Tick();
            if (tick == 19 || tick == 20)
                QCOMPARE(d->creditTop(1) == 0 && shown(1), tick == 19);
        }
        QCOMPARE(tops(), cycle);

        // A second opening starts from the design places on a fresh dialog.
        d->done(QDialog::Accepted);
        QVERIFY(!frmAbout::Loaded());
        QTRY_VERIFY(!d);
        d = loadAbout();
        QCOMPARE(tops(), (QList<int>{960, 1320, 1680, 2040}));
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
        QVERIFY(d->isVisible() && frmAbout::Loaded() == d);
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
