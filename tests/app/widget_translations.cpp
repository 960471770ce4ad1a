#include "BuildConfig.h"
#include "NoteWidgets.h"
#include "TestHome.h"
#include "app/Translations.h"
#include "note/ColorScheme.h"
#include "platform/MessagePrompt.h"
#include "platform/Twips.h"
#include "platform/frmAbout.h"

#include <QLabel>
#include <QRegularExpression>

// The texts that start-up's translator puts in force from the German translation the program
// ships, in a note window, its menus, a dialog of the platform layer and a table of captions.
// Run once more with QT_SCALE_FACTOR=2, as on a 192 dpi screen.
class TranslationsTest : public QObject {
    Q_OBJECT
    const QStringList m_folders{QStringLiteral(PINLEAF_TEST_TRANSLATIONS)};
    const QLocale m_german{QLocale::German, QLocale::Germany};
    const QLocale m_english{QLocale::English, QLocale::UnitedStates};

    // The captions of a menu and its submenus, each menu's captions after its title.
    static QList<QStringList> captions(const QMenu* menu) {
        QList<QStringList> all{{menu->title()}};
        for (const QAction* a : menu->actions()) {
            if (a->isSeparator())
                continue;
            all.first() << a->text();
            if (a->menu())
                all += captions(a->menu());
        }
        return all;
    }
    static QList<QStringList> noteMenus() {
        frmMain w;
        return captions(w.mnuPopUpMenu()) + captions(w.mnuPopUpSelect()) +
               captions(w.mnuSystemMenu());
    }

private slots:
    void initTestCase() {
        if (!QFile::exists(m_folders.first() + QStringLiteral("/pinleaf_de.qm")))
            QSKIP("lrelease (Debian package qt6-l10n-tools) is not installed");
    }
    void cleanup() { Translations::install(m_english, m_folders); }

    // An Austrian locale finds the German translation; a language without one brings back the
    // English texts, silently.
    void textsFollowTheInstalledLanguage() {
        for (const auto& [locale, texts] : {std::pair{QLocale(QLocale::German, QLocale::Austria),
                                                      QStringList{"Speichern", "Über", "Gelb"}},
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

    // Every caption of the three menus is German, in the same places as the English ones; a
    // caption has an accelerator where the English one has, and no two items of one menu share
    // one.
    void germanMenusKeepTheirPlacesAndAccelerators() {
        const QList<QStringList> english = noteMenus();
        Translations::install(m_german, m_folders);
        const QList<QStringList> german = noteMenus();
        QCOMPARE(german.size(), english.size());
        const QSet<QString> sameInGerman{"Normal", "&Normal"};
        for (int m = 0; m < german.size(); ++m) {
            QCOMPARE(german[m].size(), english[m].size());
            QSet<QChar> keys;
            for (int i = 1; i < german[m].size(); ++i) {
                const QString& de = german[m][i];
                QVERIFY2(de != english[m][i] || sameInGerman.contains(de), qPrintable(de));
                const QRegularExpressionMatch key = QRegularExpression("&(.)").match(de);
                QCOMPARE(key.hasMatch(), english[m][i].contains('&'));
                if (!key.hasMatch())
                    continue;
                const QChar k = key.captured(1).at(0).toLower();
                QVERIFY2(!keys.contains(k), qPrintable(de));
                keys.insert(k);
            }
        }
    }

    // Every text of the About dialog shows whole inside its control and the dialog, in English
    // and in German, the feedback address included; the mail row, the build text and the button
    // do not overlap each other or the credit column.
    void aboutTextsAreWhole() {
        for (const QLocale& locale : {m_english, m_german}) {
            Translations::install(locale, m_folders);
            QPointer<frmAbout> d = frmAbout::Load(QString::fromUtf8(BuildConfig::FeedbackAddress),
                                                  QString::fromUtf8(BuildConfig::WebSite));
            d->show();
            QVERIFY(QTest::qWaitForWindowExposed(d));
            QCOMPARE(d->Label4->text(), QString::fromUtf8(BuildConfig::FeedbackAddress));
            for (const QLabel* label : d->findChildren<QLabel*>()) {
                const int needed = label->fontMetrics().horizontalAdvance(label->text());
                QVERIFY2(needed <= label->contentsRect().width() &&
                             d->rect().contains(label->geometry()),
                         qPrintable(QString("%1: %2 pixels in %3")
                                        .arg(label->text())
                                        .arg(needed)
                                        .arg(label->width())));
            }
            QVERIFY(d->cmdOK->fontMetrics().horizontalAdvance(d->cmdOK->text()) <
                    d->cmdOK->width());
            // Where the credits show as they scroll.
            const QRect credits(d->Label1[1]->x(), 0, d->Label1[1]->width(),
                                Twips::toPixelsY(frmAbout::LastShownTop) + d->Label1[1]->height());
            const QList<QRect> places{d->Label5->geometry(), d->Label4->geometry(),
                                      d->lblBuild->geometry(), d->cmdOK->geometry(), credits};
            for (int i = 0; i < places.size(); ++i)
                for (int j = i + 1; j < places.size(); ++j)
                    QVERIFY2(!places[i].intersects(places[j]),
                             qPrintable(QString("%1 and %2").arg(i).arg(j)));
            d->reject();
        }
    }
};

PINLEAF_TEST_MAIN(TranslationsTest)
#include "widget_translations.moc"
