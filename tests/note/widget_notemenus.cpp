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
// A menu as the user reads it, one line an item: submenus indented under their item (">"),
// shortcuts after two spaces, check marks as [x] or [ ], "(off)" for a disabled item, "---" for a
// separator. Hidden items are left out, as the menu leaves them out.
void render(const QMenu* menu, int depth, QStringList& lines) {
    for (const QAction* a : menu->actions()) {
        if (!a->isVisible())
            continue;
        QString line(depth * 2, QLatin1Char(' '));
        if (a->isSeparator()) {
            line += QLatin1String("---");
        } else {
            line += a->text();
            if (!a->shortcut().isEmpty())
                line += QLatin1String("  ") + a->shortcut().toString(QKeySequence::PortableText);
            if (a->isCheckable())
                line += QLatin1String(a->isChecked() ? " [x]" : " [ ]");
            if (!a->isEnabled())
                line += QLatin1String(" (off)");
            if (a->menu())
                line += QLatin1String(" >");
        }
        lines << line;
        if (a->menu())
            render(a->menu(), depth + 1, lines);
    }
}

QStringList shown(const QMenu* menu) {
    QStringList lines{menu->title()};
    render(menu, 1, lines);
    return lines;
}

QStringList table(const char* text) {
    return QString::fromUtf8(text).split(QLatin1Char('\n'));
}

// The three menus of a new note, as they show today.
const char* const MainMenu = R"(PopUpMenu
  &New
  &Open
  Special Note >
    Time
    Computer Memory
    Drive Information
  ---
  &Save
  Save As
  Email Content
  ---
  &Print
  ---
  &Paste  Ctrl+V
  Undo  Ctrl+Z
  Clear All
  ---
  Font >
    Style >
      Normal [x]
      Italic [ ]
      Underline [ ]
      Bold [ ]
    Size >
      Small
      Normal
      Medium
      Large
      Largest
  Note Color >
    Yellow [x]
    Blue [ ]
    Green [ ]
    Red [ ]
    Grey [ ]
    Peach [ ]
  Save Settings [ ]
  ---
  Always on Top [x]
  ---
  Help
  Tarvo Website
  About)";

const char* const SelectionMenu = R"(PopUpSelect
  Strike-Out
  Remove Format
  ---
  Email Selection
  ---
  Cut  Ctrl+X
  Copy  Ctrl+C
  Undo
  ---
  Font Size >
    Small
    Normal
    Medium
    Large
    Largest
  Font Style >
    Italic
    Underline
    Bold)";

const char* const WindowMenu = R"(Popup2
  &New
  Minimize
  Restore Size
  ---
  Reset
  Close)";

// Opens the menu that `action` brings up and reports which one it was and where it opened.
struct Opened {
    QPointer<QMenu> menu;
    QPoint at;
};
Opened menuOpenedBy(const std::function<void()>& action) {
    auto seen = std::make_shared<Opened>();
    auto looked = std::make_shared<bool>(false);
    QTimer::singleShot(50, [seen, looked] {
        seen->menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (seen->menu) {
            seen->at = seen->menu->pos();
            seen->menu->close();
        }
        *looked = true;
    });
    action();
    if (!QTest::qWaitFor([looked] { return *looked && !QApplication::activePopupWidget(); }))
        qWarning("a menu stayed open");
    return *seen;
}
} // namespace

// The note's three menus item by item, the states commands give them, and where the keyboard
// opens them.
class NoteMenusTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QSettings(QStringLiteral("Pinleaf"), QStringLiteral("Pinleaf")).clear(); }

    void menusShowEveryItemInOrder() {
        frmMain w;
        QCOMPARE(shown(w.mnuPopUpMenu()), table(MainMenu));
        QCOMPARE(shown(w.mnuPopUpSelect()), table(SelectionMenu));
        QCOMPARE(shown(w.mnuSystemMenu()), table(WindowMenu));
    }

    // States that commands set before a note's menus exist show once they do, on that note only.
    void statesSetBeforeTheMenusShowInThem() {
        frmMain other;
        frmMain w;
        w.SetColor(QStringLiteral("peach"));
        w.rollUp();
        w.setSaveSettingsChecked(true);
        w.setTopChecked(false);
        QStringList main = table(MainMenu);
        main.replace(main.indexOf("    Yellow [x]"), "    Yellow [ ]");
        main.replace(main.indexOf("    Peach [ ]"), "    Peach [x]");
        main.replace(main.indexOf("  Save Settings [ ]"), "  Save Settings [x]");
        main.replace(main.indexOf("  Always on Top [x]"), "  Always on Top [ ]");
        QCOMPARE(shown(w.mnuPopUpMenu()), main);
        QStringList window = table(WindowMenu);
        window.replace(window.indexOf("  Minimize"), "  Minimize (off)");
        QCOMPARE(shown(w.mnuSystemMenu()), window);
        QCOMPARE(shown(other.mnuPopUpMenu()), table(MainMenu));

        // Once the items exist, the same calls reach them.
        w.restoreSize();
        w.SetColor(QStringLiteral("yellow"));
        w.setSaveSettingsChecked(false);
        w.setTopChecked(true);
        QCOMPARE(shown(w.mnuPopUpMenu()), table(MainMenu));
        QCOMPARE(shown(w.mnuSystemMenu()), table(WindowMenu));
    }

    // Shift+F10 and the menu key open the menus below the caret, wherever the pointer is; the
    // right button opens them at the pointer: the selection menu over selected text, the main
    // menu over other text or the bottom edge, the window menu over the icon, none on the caption.
    void keyboardOpensTheMenusAtTheCaret() {
        frmMain w;
        w.move(10, 10);
        w.RTB1->setText("first line\r\nsecond line");
        w.setIsDirty(true);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.RTB1->setFocus();
        QTest::keyClick(w.RTB1, Qt::Key_End, Qt::ControlModifier);
        QCursor::setPos(w.mapToGlobal(QPoint(5, 5)));
        const QPoint caret = w.RTB1->viewport()->mapToGlobal(w.RTB1->cursorRect().bottomLeft());
        QVERIFY(caret.y() > w.RTB1->mapToGlobal(QPoint(0, 20)).y());

        Opened opened =
            menuOpenedBy([&] { QTest::keyClick(w.RTB1, Qt::Key_F10, Qt::ShiftModifier); });
        QCOMPARE(opened.menu.data(), w.mnuPopUpMenu());
        QCOMPARE(opened.at, caret);
        QCOMPARE(w.RTB1->text(), QString("first line\r\nsecond line"));

        QTest::keyClick(w.RTB1, Qt::Key_Left, Qt::ShiftModifier);
        const QPoint selected = w.RTB1->viewport()->mapToGlobal(w.RTB1->cursorRect().bottomLeft());
        opened = menuOpenedBy([&] { QTest::keyClick(w.RTB1, Qt::Key_Menu); });
        QCOMPARE(opened.menu.data(), w.mnuPopUpSelect());
        QCOMPARE(opened.at, selected);

        // F10 alone and Ctrl+Shift+F10 open nothing.
        QCOMPARE(menuOpenedBy([&] { QTest::keyClick(w.RTB1, Qt::Key_F10); }).menu.data(), nullptr);
        QCOMPARE(menuOpenedBy([&] {
                     QTest::keyClick(w.RTB1, Qt::Key_F10, Qt::ShiftModifier | Qt::ControlModifier);
                 }).menu.data(),
                 nullptr);

        const auto rightClick = [](QWidget* at, QPoint pos) {
            return menuOpenedBy([&] {
                       QTest::mousePress(at, Qt::RightButton, {}, pos);
                       QTest::mouseRelease(at, Qt::RightButton, {}, pos);
                   })
                .menu.data();
        };
        QCOMPARE(rightClick(w.imgIcon, QPoint(10, 10)), w.mnuSystemMenu());
        QCOMPARE(rightClick(&w, QPoint(2, w.height() - 3)), w.mnuPopUpMenu());
        QCOMPARE(rightClick(w.lblCaption, QPoint(10, 10)), nullptr);
        const QPoint pointer = w.RTB1->viewport()->mapToGlobal(QPoint(30, 8));
        QCursor::setPos(pointer);
        opened = menuOpenedBy(
            [&] { QTest::mousePress(w.RTB1->viewport(), Qt::RightButton, {}, QPoint(30, 8)); });
        QCOMPARE(opened.menu.data(), w.mnuPopUpSelect());
        QCOMPARE(opened.at, pointer);
        QCOMPARE(w.RTB1->selLength(), 1); // the right button keeps the selection
        w.RTB1->setSelStart(0);
        QCOMPARE(rightClick(w.RTB1->viewport(), QPoint(10, 10)), w.mnuPopUpMenu());
    }
};

PINLEAF_TEST_MAIN(NoteMenusTest)
#include "widget_notemenus.moc"
