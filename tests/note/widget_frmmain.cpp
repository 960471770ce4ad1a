#include "TestHome.h"
#include "note/frmMain.h"
#include "platform/BgrColor.h"
#include "platform/Notice.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {
QSettings settings() {
    return QSettings(QStringLiteral("Pinleaf"), QStringLiteral("Pinleaf"));
}

// Where a note of `width` x `height` twips is centred on the screen, in pixels.
QPoint centred(double width, double height) {
    const QRect screen = QApplication::primaryScreen()->geometry();
    return QPoint(Twips::round((screen.width() * 15 - width) / 2 / 15),
                  Twips::round((screen.height() * 15 - height) / 2 / 15));
}
} // namespace

// A new note window: its look, its colour schemes, the saved settings and the layout.
class FrmMainTest : public QObject {
    Q_OBJECT
private slots:
    void init() { settings().clear(); }

    // Names match in any case and are kept as given; the paper reaches the text box and the
    // check mark follows. A name outside the table gives black paper and no mark.
    void setColorAppliesSchemesByName() {
        auto w = std::make_unique<frmMain>();
        QCOMPARE(w->palette().color(QPalette::Window), fromBgr(0xC0FFFF)); // yellow to begin with
        w->SetColor("Grey");
        QCOMPARE(w->RTB1->palette().color(QPalette::Base), fromBgr(0xC0C0C0));
        QVERIFY(w->menuItems().mnuSetColor[4]->isChecked() &&
                !w->menuItems().mnuSetColor[0]->isChecked());
        for (const QString& name : {QString("purple"), QString()}) {
            w->SetColor(name);
            QCOMPARE(w->palette().color(QPalette::Window), QColor(Qt::black));
            QCOMPARE(w->colorSchemeName(), name);
            QVERIFY(std::none_of(w->menuItems().mnuSetColor.begin(),
                                 w->menuItems().mnuSetColor.end(),
                                 [](QAction* a) { return a->isChecked(); }));
        }
        w->menuItems().mnuSetColor[5]->trigger();
        QCOMPARE(w->colorSchemeName(), QString("peach"));
    }

    // Turning the option on writes the note's look at once and the next note takes it; turning
    // it off writes only the option. Values that do not convert fall back to their key's
    // default, and a missing position centres the note using the stored size.
    void savedSettings() {
        auto w = std::make_unique<frmMain>();
        w->SetColor("blue");
        w->setWidth(4500);
        w->setLeft(1500);
        w->setTop(600);
        w->menuItems().mnuSaveSettings->trigger();
        auto next = std::make_unique<frmMain>();
        QVERIFY(next->menuItems().mnuSaveSettings->isChecked());
        QCOMPARE(next->colorSchemeName(), QString("blue"));
        QCOMPARE(next->geometry(), QRect(100, 40, 300, 191));
        w->SetColor("red");
        w->menuItems().mnuSaveSettings->trigger();
        QCOMPARE(settings().value("Config/SaveSetting").toString(), QString("False"));
        QCOMPARE(settings().value("Config/Color").toString(), QString("blue"));

        settings().clear();
        for (const auto& [key, value] :
             {std::pair{"SaveSetting", "1"}, {"Height", "tall"}, {"Width", "4500.5"}})
            settings().setValue(QStringLiteral("Config/") + key, value);
        auto odd = std::make_unique<frmMain>();
        QVERIFY(odd->menuItems().mnuSaveSettings->isChecked());
        QCOMPARE(odd->colorSchemeName(), QString("yellow"));
        QCOMPARE(odd->geometry(), QRect(centred(4500.5, 2865), QSize(300, 191)));
        settings().setValue("Config/SaveSetting", "maybe");
        QVERIFY(!std::make_unique<frmMain>()->menuItems().mnuSaveSettings->isChecked());
    }

    // A settings file that cannot be written (here a folder stands in its place, which stops
    // root too) is reported once, not taken as saved.
    void unwritableSettingsAreReported() {
        const QString file = settings().fileName();
        QFile::remove(file);
        QVERIFY(QDir().mkpath(file));
        const qsizetype before = Notice::shown().size();
        auto w = std::make_unique<frmMain>();
        w->menuItems().mnuSaveSettings->trigger();
        w->menuItems().mnuSaveSettings->trigger();
        QVERIFY(QDir(file).removeRecursively());
        const QStringList notices = Notice::shown().mid(before);
        QCOMPARE(notices.size(), 2); // each change is a write of its own
        QVERIFY(notices.first().startsWith("Settings could not be saved: "));
        QVERIFY(notices.first().contains(file));
    }

    // The controls follow the size.
    void layoutFollowsSize() {
        auto w = std::make_unique<frmMain>();
        w->setWidth(6000);
        w->setHeight(6195);
        QCOMPARE(w->RTB1->geometry(), QRect(3, 24, 385, 366));
        QCOMPARE(w->imgResize->geometry().bottomRight(), QPoint(396, 409));
    }
};

PINLEAF_TEST_MAIN(FrmMainTest)
#include "widget_frmmain.moc"
