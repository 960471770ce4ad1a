#include "RecordingUrlOpener.h"
#include "TestHome.h"
#include "platform/MessagePrompt.h"
#include "platform/Twips.h"
#include "platform/frmAbout.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QtTest>

namespace {
frmAbout* loadAbout() {
    return frmAbout::Load(QStringLiteral("feedback@pinleaf.example.org"),
                          QStringLiteral("https://pinleaf.example.org/"));
}
} // namespace

// The About dialog's build text, credit scroll and mail link. Its size, keys and colours are
// checked on screen by the end-to-end test.
class AboutTest : public QObject {
    Q_OBJECT

private slots:
    // The credits climb 50 twips a tick from their design places; one that passes the top jumps
    // to 3000, hidden until it is back in the column; closing forgets the dialog. The build is
    // given in four parts.
    void creditScrollAndBuild() {
        QCoreApplication::setApplicationVersion(QStringLiteral("1.4.2"));
        QPointer<frmAbout> d = loadAbout();
        QCOMPARE(d->lblBuild->text(), QStringLiteral("Build - 1.4.0.2"));
        QCOMPARE(frmAbout::BuildText(ProgramVersion::parse(QStringLiteral("12.0"))),
                 QStringLiteral("Build - 12.0.0.0"));
        const auto tops = [&d] {
            return QList<int>{d->creditTop(1), d->creditTop(2), d->creditTop(3), d->creditTop(4)};
        };
        QCOMPARE(tops(), (QList<int>{960, 1320, 1680, 2040}));
        QList<int> jumps, shownAgain;
        for (int tick = 1; tick <= 61; ++tick) {
            const bool hidden = d->Label1[1]->isHidden();
            d->Timer1Tick();
            for (int label = 1; label <= 4; ++label) {
                if (d->creditTop(label) == 3000)
                    jumps << tick;
            }
            if (hidden && !d->Label1[1]->isHidden())
                shownAgain << tick;
        }
        QCOMPARE(jumps, (QList<int>{20, 27, 34, 41}));
        QCOMPARE(shownAgain, QList<int>{40});
        QCOMPARE(d->Label1[1]->y(), Twips::toPixelsY(950));
        d->done(QDialog::Accepted);
        QVERIFY(!frmAbout::Loaded());
        QTRY_VERIFY(!d);
    }

    // A click on the link opens a mail to the address; without a mail program the user is told
    // where to write. The dialog stays either way.
    void mailLink() {
        auto opener = std::make_shared<RecordingUrlOpener>();
        UrlOpener::setOverride(opener);
        frmAbout* d = loadAbout();
        d->show();
        QTest::mouseClick(d->Label4, Qt::LeftButton);
        QCOMPARE(opener->opened,
                 QList<QUrl>{QUrl("mailto:feedback@pinleaf.example.org?subject=Pinleaf")});
        opener->handled = false;
        MessagePrompt::queueAnswers({MessagePrompt::Yes});
        QTest::mouseClick(d->Label4, Qt::LeftButton);
        QVERIFY(MessagePrompt::lastText().contains(QLatin1String("feedback@pinleaf.example.org")));
        QVERIFY(d->isVisible() && frmAbout::Loaded() == d);
        d->done(QDialog::Accepted);
        UrlOpener::setOverride(nullptr);
    }
};

PINLEAF_TEST_MAIN(AboutTest)
#include "widget_about.moc"
