#include "BuildConfig.h"
#include "NoteWidgets.h"
#include "TestHome.h"
#include "note/frmMain.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QtTest>

class HelpNoteTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { deleteAllNotes(); }

    void helpOpensAGreenReadOnlyNoteBeside() {
        frmMain w;
        w.setLeft(3000);
        w.setTop(1500);
        w.show();
        w.menuItems().mnuHelp->trigger();
        frmMain* help = openNotes().last();
        QVERIFY(help != &w && help->isVisible());
        QCOMPARE(help->geometry(), Twips::toPixels(3200, 1700, 6000, 6200));

        const QString text = help->RTB1->text();
        QVERIFY(text.startsWith("Help\r\n") &&
                text.contains(QLatin1String(BuildConfig::FeedbackAddress)));
        QCOMPARE(formatAt(help->RTB1, 0).foreground().color(), QColor(Qt::blue));
        QCOMPARE(formatAt(help->RTB1, 0).fontPointSize(), 14.0);
        const QTextCharFormat body = formatAt(help->RTB1, text.indexOf("Right-click"));
        QVERIFY(body.foreground().color() == Qt::black && body.fontPointSize() == 10);

        QVERIFY(help->RTB1->isReadOnly() && help->IsDirty());
        QCOMPARE(help->colorSchemeName(), QString("green"));
        QCOMPARE(help->RTB1->selStart() + help->RTB1->selLength(), 0);
        QCOMPARE(help->lblCaption->text(), QString(" Pinleaf"));
        QTest::mouseClick(help->RTB1->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::keyClicks(help->RTB1, "typed");
        QCOMPARE(help->RTB1->text(), text);

        // The picture opens the same note; help from a help note opens one further along.
        QTest::mouseClick(w.imgHelp, Qt::LeftButton);
        frmMain* second = openNotes().last();
        QVERIFY(second != help && second->RTB1->text() == text);
        QCOMPARE(second->geometry(), help->geometry());
        second->menuItems().mnuHelp->trigger();
        QCOMPARE(openNotes().last()->pos(),
                 Twips::toPixels(second->Left() + 200, second->Top() + 200, 1, 1).topLeft());
        QCOMPARE(w.RTB1->text(), QString("[Note]"));
    }

    // The whole help fits the note at 96 dpi: a scroll bar would scroll to nothing.
    void helpFitsWithoutScrollBar() {
        frmMain w;
        w.show();
        w.menuItems().mnuHelp->trigger();
        frmMain* help = openNotes().last();
        QVERIFY(QTest::qWaitForWindowExposed(help));
        QCOMPARE(help->logicalDpiY(), 96);
        QScrollBar* bar = help->RTB1->verticalScrollBar();
        QVERIFY2(bar->maximum() == 0 && !bar->isVisible(),
                 qPrintable(QString("the help scrolls by %1 pixels").arg(bar->maximum())));
    }
};

PINLEAF_TEST_MAIN(HelpNoteTest)
#include "widget_helpnote.moc"
