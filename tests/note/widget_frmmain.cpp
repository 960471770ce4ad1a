#include "TestHome.h"
#include "note/frmMain.h"
#include "platform/BgrColor.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {
void setConfig(const QString& key, const QString& value) {
    QSettings s(QStringLiteral("Pinleaf"), QStringLiteral("Pinleaf"));
    s.setValue(QStringLiteral("Config/") + key, value);
}

QString config(const QString& key) {
    QSettings s(QStringLiteral("Pinleaf"), QStringLiteral("Pinleaf"));
    return s.value(QStringLiteral("Config/") + key).toString();
}

// Where a note of `width` x `height` twips is centred on the screen, in pixels.
QPoint centred(double width, double height) {
    const QRect screen = QApplication::primaryScreen()->geometry();
    return QPoint(Twips::round((screen.width() * 15 - width) / 2 / 15),
                  Twips::round((screen.height() * 15 - height) / 2 / 15));
}
} // namespace

// A new note window: its defaults, colour schemes, settings and layout.
class FrmMainTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QSettings(QStringLiteral("Pinleaf"), QStringLiteral("Pinleaf")).clear(); }

    // Yellow, topmost, centred at the default size and not yet the user's.
    void newNoteHasTheDefaultLook() {
        auto w = std::make_unique<frmMain>();
        QVERIFY(w->windowFlags() & Qt::WindowStaysOnTopHint && w->menuItems().mnuTop->isChecked());
        QCOMPARE(w->geometry(), QRect(centred(3345, 2865), QSize(223, 191)));
        QCOMPARE(w->palette().color(QPalette::Window), fromBgr(0xC0FFFF));
        QVERIFY(w->menuItems().mnuSetColor[0]->isChecked() &&
                w->menuItems().mnuFontNormal->isChecked());
        QCOMPARE(w->RTB1->text(), QString("[Note]"));
        QVERIFY(!w->IsDirty() && w->lblCaption->text() == " Pinleaf");
        QVERIFY(w->lblDate->text().contains(QString::number(QDate::currentDate().year())));
        // Pictures follow captions: the Email picture on both e-mail items, none on "Reset".
        QVERIFY(!w->menuItems().mnuEmailSelection->icon().isNull());
        QVERIFY(w->menuItems().mnuSystemReset->icon().isNull());
    }

    void setColorAppliesSchemesByName() {
        auto w = std::make_unique<frmMain>();
        w->SetColor("Grey");
        QCOMPARE(w->palette().color(QPalette::Window), fromBgr(0xC0C0C0));
        QCOMPARE(w->RTB1->palette().color(QPalette::Base), fromBgr(0xC0C0C0));
        QVERIFY(w->menuItems().mnuSetColor[4]->isChecked());
        QCOMPARE(w->colorSchemeName(), QString("Grey"));
        for (const QString& name : {QString("purple"), QString()}) {
            w->SetColor(name);
            QCOMPARE(w->palette().color(QPalette::Window), QColor(Qt::black));
            QCOMPARE(w->colorSchemeName(), name);
            for (QAction* a : w->menuItems().mnuSetColor)
                QVERIFY(!a->isChecked());
        }
        w->menuItems().mnuSetColor[5]->trigger();
        QCOMPARE(w->colorSchemeName(), QString("peach"));
        QCOMPARE(w->palette().color(QPalette::Window), fromBgr(0x99CCFF));
        QVERIFY(w->menuItems().mnuSetColor[5]->isChecked());
    }

    // Turning the option on writes the note's look at once and the next note takes it; turning
    // it off writes only the option.
    void saveSettingsRoundTrip() {
        auto w = std::make_unique<frmMain>();
        w->SetColor("blue");
        w->setWidth(4500);
        w->setLeft(1500);
        w->setTop(600);
        w->menuItems().mnuSaveSettings->trigger();
        QCOMPARE(config("SaveSetting"), QString("True"));
        QCOMPARE(config("Width"), QString("4500"));
        auto next = std::make_unique<frmMain>();
        QVERIFY(next->menuItems().mnuSaveSettings->isChecked());
        QCOMPARE(next->colorSchemeName(), QString("blue"));
        QCOMPARE(next->geometry(), QRect(100, 40, 300, 191));

        w->SetColor("red");
        w->menuItems().mnuSaveSettings->trigger();
        QCOMPARE(config("SaveSetting"), QString("False"));
        QCOMPARE(config("Color"), QString("blue"));
    }

    // Values that do not convert fall back to their key's default; a missing position centres
    // the note using the stored size.
    void unreadableSettingsFallBack() {
        setConfig("SaveSetting", "1");
        setConfig("Height", "tall");
        setConfig("Width", "4500.5");
        auto w = std::make_unique<frmMain>();
        QVERIFY(w->menuItems().mnuSaveSettings->isChecked());
        QCOMPARE(w->colorSchemeName(), QString("yellow"));
        QCOMPARE(w->size(), QSize(300, 191));
        QCOMPARE(w->pos(), centred(4500.5, 2865));

        setConfig("SaveSetting", "maybe");
        auto w2 = std::make_unique<frmMain>();
        QVERIFY(!w2->menuItems().mnuSaveSettings->isChecked());
        QCOMPARE(w2->size(), QSize(223, 191));
    }

    void layoutFollowsSizeAndStopsOnNegative() {
        auto w = std::make_unique<frmMain>();
        w->setWidth(6000);
        w->setHeight(6195);
        QCOMPARE(w->RTB1->geometry(), QRect(3, 24, 385, 366));
        QCOMPARE(w->imgResize->geometry().bottomRight(), QPoint(396, 409));
        const QRect textBox = w->RTB1->geometry();
        const QRect close = w->CloseImage->geometry();
        // A 500 x 425 twips tile stops at the first step: nothing moves.
        w->setHeight(425);
        w->setWidth(500);
        QCOMPARE(w->RTB1->geometry(), textBox);
        QCOMPARE(w->CloseImage->geometry(), close);
    }
};

PINLEAF_TEST_MAIN(FrmMainTest)
#include "widget_frmmain.moc"
