#include "TestHome.h"
#include "app/Translations.h"
#include "note/ColorScheme.h"
#include "note/frmMain.h"
#include "platform/MessagePrompt.h"
#include "platform/RichTextBox.h"
#include "platform/frmAbout.h"

#include <QPointer>
#include <QtTest>

// The texts that start-up's translator puts in force, from the small German translation beside
// this test, in a note window, in a dialog of the platform layer and in a table of captions.
class TranslationsTest : public QObject {
    Q_OBJECT

    static QStringList folders() { return {QStringLiteral(PINLEAF_TEST_TRANSLATIONS)}; }

    static void checkTexts(const QString& prompt, const QString& about, const QString& yellow) {
        QPointer<frmMain> w = new frmMain;
        w->setIsDirty(true);
        w->setTag(TestHome::root() + QStringLiteral("/note.pnf"));
        w->show();
        w->RTB1->setText(QStringLiteral("changed"));
        MessagePrompt::queueAnswers({MessagePrompt::Cancel});
        QVERIFY(!w->close());
        QCOMPARE(MessagePrompt::lastTitle(), prompt);
        delete w;

        QPointer<frmAbout> d = frmAbout::Load(QString(), QString());
        QCOMPARE(d->windowTitle(), about);
        d->reject();

        QCOMPARE(ColorScheme::caption(0), yellow);
    }

private slots:
    void initTestCase() {
        if (!QFile::exists(folders().first() + QStringLiteral("/pinleaf_de.qm")))
            QSKIP("lrelease (Debian package qt6-l10n-tools) is not installed");
    }

    // An Austrian locale finds the German translation; a language without one brings back the
    // English texts, silently.
    void textsFollowTheInstalledLanguage() {
        QVERIFY(Translations::install(QLocale(QLocale::German, QLocale::Austria), folders()));
        checkTexts(QStringLiteral("Jetzt speichern"), QStringLiteral("Über"),
                   QStringLiteral("Gelb"));

        QVERIFY(!Translations::install(QLocale(QLocale::French, QLocale::France), folders()));
        checkTexts(QStringLiteral("Perform Save"), QStringLiteral("About"),
                   QStringLiteral("Yellow"));
    }
};

PINLEAF_TEST_MAIN(TranslationsTest)
#include "widget_translations.moc"
