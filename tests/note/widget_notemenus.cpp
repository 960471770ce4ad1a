#include "TestHome.h"
#include "note/frmMain.h"
#include "platform/RichTextBox.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {
// A menu as the user reads it: its items in order between "|", "---" for a separator, then the
// shortcut, [x] or [ ] for a check mark, "(off)" for a disabled item and a submenu's items in
// brackets. Hidden items are left out, as the menu leaves them out.
QString shown(const QMenu* menu) {
    QStringList items;
    for (const QAction* a : menu->actions()) {
        if (!a->isVisible())
            continue;
        QString item = a->isSeparator() ? QStringLiteral("---") : a->text();
        if (!a->shortcut().isEmpty())
            item += ' ' + a->shortcut().toString(QKeySequence::PortableText);
        if (a->isCheckable())
            item += a->isChecked() ? " [x]" : " [ ]";
        if (!a->isEnabled())
            item += " (off)";
        if (a->menu())
            item += '[' + shown(a->menu()) + ']';
        items << item;
    }
    return items.join('|');
}

// The three menus of a new note, as they show today.
const QString MainMenu =
    "&New|&Open|Special Note[Time|Computer Memory|Drive "
    "Information]|---|&Save|Save As|"
    "Email Content|---|&Print|---|&Paste Ctrl+V|Undo Ctrl+Z|Clear All|---|"
    "Font[Style[Normal [x]|Italic [ ]|Underline [ ]|Bold [ ]]|"
    "Size[Small|Normal|Medium|Large|Largest]]|"
    "Note Color[Yellow [x]|Blue [ ]|Green [ ]|Red [ ]|Grey [ ]|Peach [ ]]|Save "
    "Settings [ ]|---|"
    "Always on Top [x]|---|Help|Tarvo Website|About";
const QString SelectionMenu = "Strike-Out|Remove Format|---|Email Selection|---|Cut Ctrl+X|"
                              "Copy Ctrl+C|Undo|---|Font Size[Small|Normal|Medium|Large|Largest]|"
                              "Font Style[Italic|Underline|Bold]";
const QString WindowMenu = "&New|Minimize|Restore Size|---|Reset|Close";

// Runs `action`, which opens a menu, and tells which menu opened, closing it.
QMenu* menuOpenedBy(const std::function<void()>& action) {
    auto seen = std::make_shared<QPointer<QMenu>>();
    QTimer::singleShot(50, [seen] {
        if ((*seen = qobject_cast<QMenu*>(QApplication::activePopupWidget())))
            (*seen)->close();
    });
    action();
    QTest::qWait(100);
    return seen->data();
}
} // namespace

// The note's three menus item by item, the states commands give them, and where the keyboard and
// the right button open them.
class NoteMenusTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QSettings(QStringLiteral("Pinleaf"), QStringLiteral("Pinleaf")).clear(); }

    // States set before a note's menus exist show once they do, on that note only; once the items
    // exist, the same calls reach them.
    void menusShowEveryItemAndState() {
        frmMain other;
        frmMain w;
        w.SetColor(QStringLiteral("peach"));
        w.rollUp();
        w.setSaveSettingsChecked(true);
        w.setTopChecked(false);
        QCOMPARE(shown(w.mnuPopUpMenu()), QString(MainMenu)
                                              .replace("Yellow [x]", "Yellow [ ]")
                                              .replace("Peach [ ]", "Peach [x]")
                                              .replace("Settings [ ]", "Settings [x]")
                                              .replace("Top [x]", "Top [ ]"));
        QCOMPARE(shown(w.mnuSystemMenu()),
                 QString(WindowMenu).replace("Minimize", "Minimize (off)"));
        QCOMPARE(shown(other.mnuPopUpMenu()), MainMenu);
        QCOMPARE(shown(other.mnuPopUpSelect()), SelectionMenu);

        w.restoreSize();
        w.SetColor(QStringLiteral("yellow"));
        w.setSaveSettingsChecked(false);
        w.setTopChecked(true);
        QCOMPARE(shown(w.mnuPopUpMenu()), MainMenu);
        QCOMPARE(shown(w.mnuSystemMenu()), WindowMenu);
    }

    // Shift+F10 and the menu key open the main menu, or the selection menu while text is selected
    // (F10 alone and Ctrl+Shift+F10 open nothing); so does the right button over the text, keeping
    // the selection; over the icon it opens the window menu.
    void keysAndRightButtonOpenTheirMenus() {
        frmMain w;
        w.RTB1->setText("first line");
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const auto key = [&](Qt::Key k, Qt::KeyboardModifiers m) {
            return menuOpenedBy([&] { QTest::keyClick(w.RTB1, k, m); });
        };
        QCOMPARE(key(Qt::Key_F10, Qt::ShiftModifier), w.mnuPopUpMenu());
        QTest::keyClick(w.RTB1, Qt::Key_Home);
        QTest::keyClick(w.RTB1, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(key(Qt::Key_Menu, {}), w.mnuPopUpSelect());
        QCOMPARE(key(Qt::Key_F10, {}), nullptr);
        QCOMPARE(key(Qt::Key_F10, Qt::ShiftModifier | Qt::ControlModifier), nullptr);
        const auto rightClick = [](QWidget* at, QPoint pos) {
            return menuOpenedBy([&] { QTest::mouseClick(at, Qt::RightButton, {}, pos); });
        };
        QCOMPARE(rightClick(&w, w.imgIcon->geometry().topLeft() + QPoint(10, 10)),
                 w.mnuSystemMenu());
        QCOMPARE(rightClick(w.RTB1->viewport(), QPoint(30, 8)), w.mnuPopUpSelect());
        QCOMPARE(w.RTB1->selLength(), 1);
        w.RTB1->setSelStart(0);
        QCOMPARE(rightClick(w.RTB1->viewport(), QPoint(30, 8)), w.mnuPopUpMenu());
    }
};

PINLEAF_TEST_MAIN(NoteMenusTest)
#include "widget_notemenus.moc"
