#include "NoteWidgets.h"
#include "TestHome.h"
#include "app/Translations.h"
#include "note/ColorScheme.h"
#include "platform/MessagePrompt.h"
#include "platform/frmAbout.h"

// The texts that start-up's translator puts in force, from the small German translation beside
// this test, in a note window, in a dialog of the platform layer and in a table of captions.
class TranslationsTest : public QObject {
    Q_OBJECT
    const QStringList m_folders{QStringLiteral(PINLEAF_TEST_TRANSLATIONS)};

private slots:
    void initTestCase() {
        if (!QFile::exists(m_folders.first() + QStringLiteral("/pinleaf_de.qm")))
            QSKIP("lrelease (Debian package qt6-l10n-tools) is not installed");
    }

    // An Austrian locale finds the German translation; a language without one brings back the
    // English texts, silently.
    void textsFollowTheInstalledLanguage() {
        for (const auto& [locale, texts] :
             {std::pair{QLocale(QLocale::German, QLocale::Austria),
                        QStringList{"Jetzt speichern", "Über", "Gelb"}},
              {QLocale(QLocale::French, QLocale::France),
               QStringList{"Perform Save", "About", "Yellow"}}}) {
            QCOMPARE(Translations::install(locale, m_folders), texts[0] != "Perform Save");
            QPointer<frmMain> w = typedNote(QStringLiteral("changed"), TestHome::root() + "/n.pnf");
            MessagePrompt::queueAnswers({MessagePrompt::Cancel});
            QVERIFY(!w->close());
            delete w;
            QPointer<frmAbout> d = frmAbout::Load(QString(), QString());
            QCOMPARE(QStringList(
                         {MessagePrompt::lastTitle(), d->windowTitle(), ColorScheme::caption(0)}),
                     texts);
            d->reject();
        }
    }
};

PINLEAF_TEST_MAIN(TranslationsTest)
#include "widget_translations.moc"
