// The note's menus, its editing and formatting commands and file drops, through its own menu
// items, keys and mouse.
#include "BuildConfig.h"
#include "NoteWidgets.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "note/ImageList.h"
#include "platform/VirtualKey.h"
#include "store/FileRead.h"

#include <QAccessible>
#include <QClipboard>

namespace {
// The first item captioned `caption` in `menu` or its submenus.
QAction* item(const QMenu* menu, const QString& caption) {
    for (QAction* a : menu->actions()) {
        QAction* found = a->text() == caption ? a : a->menu() ? item(a->menu(), caption) : nullptr;
        if (found)
            return found;
    }
    return nullptr;
}

// A menu as the user reads it, one line an item and a submenu's items indented under it: the
// caption ("---" for a separator), the shortcut shown beside it, [x] or [ ] for a check mark,
// "(off)" when disabled, "(hidden)" when never shown, and the key of its picture in braces.
QStringList shown(const QMenu* menu, const QString& indent = {}) {
    static const QHash<qint64, QString> keys = [] {
        QHash<qint64, QString> k;
        const ImageList list;
        for (int i = 0; i < list.count(); ++i)
            k.insert(list.picture(i).cacheKey(), ImageList::keys().at(i));
        return k;
    }();
    QStringList lines;
    for (const QAction* a : menu->actions()) {
        QString line = indent + (a->isSeparator() ? QStringLiteral("---") : a->text());
        if (!a->shortcut().isEmpty() && a->isShortcutVisibleInContextMenu())
            line += ' ' + a->shortcut().toString(QKeySequence::NativeText);
        if (a->isCheckable())
            line += a->isChecked() ? " [x]" : " [ ]";
        if (!a->isVisible())
            line += " (hidden)";
        else if (!a->isEnabled())
            line += " (off)";
        if (!a->icon().isNull() && a->isIconVisibleInMenu())
            line += " {" + keys.value(a->icon().cacheKey(), QStringLiteral("?")) + '}';
        lines << line;
        if (a->menu())
            lines << shown(a->menu(), indent + "  ");
    }
    return lines;
}

// `lines` with some of them replaced.
QStringList replaced(QStringList lines,
                     std::initializer_list<std::pair<const char*, const char*>> changes) {
    for (const auto& [from, to] : changes) {
        const qsizetype at = lines.indexOf(QString(from));
        if (at < 0)
            lines << QStringLiteral("(no line %1)").arg(from);
        else
            lines[at] = to;
    }
    return lines;
}

// The three menus of a new note.
const QStringList MainMenu = {
    "&New {NewNote}",
    "&Open {Open}",
    "Special Note",
    "  Time",
    "  Weather (hidden)",
    "  Stocks (hidden)",
    "  Pinleaf Notes (hidden)",
    "  Computer Memory",
    "  Drive Information",
    "---",
    "&Save {Save}",
    "Save As",
    "Email Content {Email}",
    "---",
    "&Print {Print}",
    "---",
    "&Paste Ctrl+V {Paste}",
    "Undo Ctrl+Z {Undo}",
    "Clear All {Clear}",
    "---",
    "Font {FontStyle}",
    "  Style",
    "    Normal [x]",
    "    Italic [ ] {Italic}",
    "    Underline [ ] {Underline}",
    "    Bold [ ] {Bold}",
    "  Size",
    "    Small",
    "    Normal",
    "    Medium",
    "    Large",
    "    Largest",
    "Note Color {Color}",
    "  Yellow [x]",
    "  Blue [ ]",
    "  Green [ ]",
    "  Red [ ]",
    "  Grey [ ]",
    "  Peach [ ]",
    "Save Settings [ ]",
    "---",
    "Always on Top [x] {Ontop}",
    "---",
    "Help {Help}",
    "Tarvo Website",
    "About {About}",
};
const QStringList SelectionMenu = {
    "Strike-Out {Strike}",
    "Remove Format {Clear}",
    "---",
    "Email Selection {Email}",
    "---",
    "Cut Ctrl+X {Cut}",
    "Copy Ctrl+C {Copy}",
    "Undo {Undo}", // pictures go by caption
    "---",
    "Font Size",
    "  Small",
    "  Normal",
    "  Medium",
    "  Large",
    "  Largest",
    "Font Style",
    "  Italic {Italic}",
    "  Underline {Underline}",
    "  Bold {Bold}",
};
const QStringList WindowMenu = {
    "&New {NewNote}", "Minimize {Minimize}", "Restore Size {Restore}", "---", "Reset", "Close",
};

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

// The look of the character at `pos` in words: styles, a point size set on it, its colour.
QString looks(RichTextBox* box, int pos) {
    const QTextCharFormat f = formatAt(box, pos);
    QStringList words;
    for (const auto& [on, word] : {std::pair{f.fontWeight() == QFont::Bold, "bold"},
                                   {f.fontItalic(), "italic"},
                                   {f.fontUnderline(), "underline"},
                                   {f.fontStrikeOut(), "struck"},
                                   {f.fontPointSize() == 16, "16pt"}}) {
        if (on)
            words << word;
    }
    return (words << f.foreground().color().name()).join(' ');
}
} // namespace

class NoteEditTest : public QObject {
    Q_OBJECT
private slots:
    void init() { noteSettings().clear(); }

    // The three menus item by item, with their shortcuts and pictures. States set before a note's
    // menus exist show once they do, on that note only; once the items exist, the same calls reach
    // them. Then the marks that the style and colour items leave, item after item on one note:
    // a style follows its own mark and takes the mark of "Normal" away; "Normal" takes the other
    // three away and turns its own over; a colour is the only one marked. "Always on Top" shows
    // the picture of its state.
    void menusItemByItemAndTheirMarks() {
        frmMain other, w;
        w.SetColor(QStringLiteral("peach"));
        w.rollUp();
        w.setSaveSettingsChecked(true);
        w.setTopChecked(false);
        const struct {
            QMenu* menu;
            const char* title;
            const QStringList& lines;
        } menus[] = {{other.mnuPopUpMenu(), "PopUpMenu", MainMenu},
                     {other.mnuPopUpSelect(), "PopUpSelect", SelectionMenu},
                     {other.mnuSystemMenu(), "Popup2", WindowMenu}};
        for (const auto& m : menus) {
            QCOMPARE(m.menu->title(), QString(m.title));
            QCOMPARE(shown(m.menu), m.lines);
        }
        QCOMPARE(shown(w.mnuPopUpMenu()),
                 replaced(MainMenu, {{"  Yellow [x]", "  Yellow [ ]"},
                                     {"  Peach [ ]", "  Peach [x]"},
                                     {"Save Settings [ ]", "Save Settings [x]"},
                                     {"Always on Top [x] {Ontop}", "Always on Top [ ] {Ontop}"}}));
        QCOMPARE(shown(w.mnuSystemMenu()),
                 replaced(WindowMenu, {{"Minimize {Minimize}", "Minimize (off) {Minimize}"}}));
        w.restoreSize();
        w.SetColor(QStringLiteral("yellow"));
        w.setSaveSettingsChecked(false);
        w.setTopChecked(true);
        QVERIFY(shown(w.mnuPopUpMenu()) == MainMenu && shown(w.mnuSystemMenu()) == WindowMenu);

        const struct {
            bool colour;
            QStringList items;
            const char* marks;
        } cases[] = {
            {false, {"Bold"}, "Bold"},
            {false, {"Italic"}, "Italic"},
            {false, {"Underline"}, "Underline"},
            {false, {"Bold", "Bold"}, ""},
            {false, {"Italic", "Underline", "Bold"}, "Italic Underline Bold"},
            {false, {"Italic", "Underline", "Bold", "Normal"}, "Normal"},
            {false, {"Normal"}, ""},
            {false, {"Normal", "Normal"}, "Normal"},
            {false, {"Bold", "Normal", "Normal"}, ""},
            {true, {"Blue"}, "Blue"},
            {true, {"Green"}, "Green"},
            {true, {"Red"}, "Red"},
            {true, {"Grey"}, "Grey"},
            {true, {"Peach"}, "Peach"},
            {true, {"Peach", "Yellow"}, "Yellow"},
        };
        for (const auto& c : cases) {
            frmMain note;
            note.mnuPopUpMenu();
            const NoteMenuItems& m = note.menuItems();
            const QMenu* menu = (c.colour ? m.mnuColor : m.mnuFontStyle)->menu();
            QStringList marks;
            for (const QString& caption : c.items)
                item(menu, caption)->trigger();
            for (const QAction* a : menu->actions())
                marks << (a->isChecked() ? a->text() : QString());
            marks.removeAll(QString());
            QCOMPARE(marks.join(' ') + " after " + c.items.join(", "),
                     c.marks + QString(" after ") + c.items.join(", "));
        }
        w.menuItems().mnuTop->trigger();
        QVERIFY(shown(w.mnuPopUpMenu()).contains("Always on Top [ ] {Normal}"));
        w.menuItems().mnuTop->trigger();
        QCOMPARE(shown(w.mnuPopUpMenu()), MainMenu);
    }

    // Shift+F10 and the menu key open the main menu, or the selection menu while text is selected
    // (F10 alone and Ctrl+Shift+F10 open nothing); so does the right button over the text, keeping
    // the selection; over the icon it opens the window menu, as Alt+Space and a screen reader's
    // press on the icon do. F1 opens the help note, as a press on the help picture does.
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
        QCOMPARE(key(Qt::Key_Space, Qt::AltModifier), w.mnuSystemMenu());
        QCOMPARE(key(Qt::Key_Space, Qt::ControlModifier), nullptr);
        QAccessibleInterface* note = QAccessible::queryAccessibleInterface(&w);
        QAccessibleActionInterface* icon = note->child(0)->actionInterface();
        QVERIFY(icon && icon->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
        QCOMPARE(menuOpenedBy([&] { icon->doAction(QAccessibleActionInterface::pressAction()); }),
                 w.mnuSystemMenu());
        for (const auto& open : std::initializer_list<std::function<void()>>{
                 [&] { QTest::keyClick(w.RTB1, Qt::Key_F1); },
                 [&] {
                     note->child(2)->actionInterface()->doAction(
                         QAccessibleActionInterface::pressAction());
                 }}) {
            const int before = int(openNotes().size());
            open();
            QCOMPARE(openNotes().size(), before + 1);
            QCOMPARE(openNotes().last()->RTB1->isReadOnly(), true);
        }
        QCOMPARE(w.LastKeyCode(), int(VirtualKey::F1));
        for (frmMain* help : openNotes())
            if (help != &w)
                help->close();
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

    // The placeholder goes with the first key, paste or click; what the user typed before the first
    // click stays. Nothing marks a note until its first click, and a stored note keeps its text on
    // that click, unmarked.
    void placeholderGivesWayToTheUser() {
        frmMain w, clicked, pasted, restored;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::keyClicks(w.RTB1, "abc");
        QTest::mouseClick(w.RTB1->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(w.RTB1->text() == "abc" && w.IsDirty() && w.lblCaption->text() == " Pinleaf");
        QTest::keyClick(w.RTB1, Qt::Key_End);
        QTest::keyClicks(w.RTB1, "x");
        QVERIFY(w.RTB1->text() == "abcx" && w.lblCaption->text() == " Pinleaf*");

        QTest::mouseClick(clicked.RTB1->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicked.RTB1->text(), QString());
        QApplication::clipboard()->setText("from the clipboard");
        QTest::keyClick(pasted.RTB1, Qt::Key_End);
        pasted.RTB1->paste();
        QVERIFY(pasted.RTB1->text() == "from the clipboard" && !pasted.IsDirty());
        restored.RTB1->setText("[Note]"); // stored as the placeholder, kept as such
        restored.setIsDirty(true);
        QTest::mouseClick(restored.RTB1->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(restored.RTB1->text() == "[Note]" && restored.lblCaption->text() == " Pinleaf");
    }

    // Cut, copy, paste and undo work from their items and keys, the menus' shortcuts taking no keys
    // from the text box; a read-only note keeps its text, undo history and all. "Clear All" empties
    // the note and takes the mark away, undoably; right after the Control key it writes the web
    // site's address instead.
    void editingItemsAndClearAll() {
        frmMain w;
        w.RTB1->setText("hello world");
        w.mnuPopUpMenu();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const NoteMenuItems& m = w.menuItems();
        select(w.RTB1, 0, 5);
        m.mnuSelectEdit[1]->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("hello"));
        m.mnuSelectEdit[0]->trigger();
        QCOMPARE(w.RTB1->text(), QString(" world"));
        m.mnuEdit[1]->trigger();
        w.RTB1->setSelStart(11);
        m.mnuEdit[0]->trigger();
        QTest::keyClick(w.RTB1, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(w.RTB1, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.RTB1->text(), QString("hello worldhello"));
        w.RTB1->setReadOnly(true);
        w.RTB1->selectAll();
        for (QAction* a : {m.mnuEdit[0], m.mnuEdit[1], m.mnuSelectEdit[0], m.mnuSelectEdit[2]})
            a->trigger();
        QTest::keyClick(w.RTB1, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.RTB1->text(), QString("hello worldhello"));

        frmMain c;
        c.setIsDirty(true);
        QTest::keyClick(c.RTB1, Qt::Key_V,
                        Qt::ControlModifier); // the last key is V
        c.RTB1->setText("12:00:00");
        QCOMPARE(c.lblCaption->text(), QString(" Pinleaf*"));
        c.menuItems().mnuEdit[2]->trigger();
        QVERIFY(c.RTB1->text().isEmpty() && c.lblCaption->text() == " Pinleaf");
        c.menuItems().mnuEdit[1]->trigger();
        QCOMPARE(c.RTB1->text(), QString("12:00:00"));
        QTest::keyClick(c.RTB1, Qt::Key_Control);
        c.menuItems().mnuEdit[2]->trigger();
        QVERIFY(c.RTB1->text().contains(QLatin1String(BuildConfig::WebSite)));
    }

    // Each style and size command on "bcd" of "abcde" (coloured blue first): what it sets on the
    // selection, while the characters around it keep their look. The main menu's styles follow
    // their check marks; the selection menu's only switch on; "Remove Format" switches all four off
    // and keeps size and colour; the main menu's sizes reach the whole note.
    void formattingSetsOnlyWhatItNames() {
        const struct {
            bool selectionMenu;
            QStringList items;
            const char* look;
        } cases[] = {
            {false, {"Bold"}, "bold #0000ff"},
            {false, {"Bold", "Bold"}, "#0000ff"},
            {false, {"Underline"}, "underline #0000ff"},
            {false, {"Italic", "Underline", "Normal", "Bold"}, "bold #0000ff"},
            {true, {"Italic"}, "italic #0000ff"},
            {true, {"Underline"}, "underline #0000ff"},
            {true, {"Bold", "Bold"}, "bold #0000ff"},
            {true, {"Strike-Out"}, "struck #0000ff"},
            {true, {"Largest"}, "16pt #0000ff"},
            {true,
             {"Italic", "Underline", "Bold", "Strike-Out", "Largest", "Remove Format"},
             "16pt #0000ff"},
        };
        for (const auto& c : cases) {
            frmMain w;
            w.RTB1->setText("abcde");
            const QString outside = looks(w.RTB1, 0) + " / " + looks(w.RTB1, 4);
            select(w.RTB1, 1, 4);
            w.RTB1->setSelColor(0xFF0000);
            for (const QString& caption : c.items)
                item(c.selectionMenu ? w.mnuPopUpSelect() : w.mnuPopUpMenu(), caption)->trigger();
            const QString items = " after " + c.items.join(", ");
            QCOMPARE(looks(w.RTB1, 1) + " / " + looks(w.RTB1, 3) + items,
                     c.look + QString(" / ") + c.look + items);
            QCOMPARE(looks(w.RTB1, 0) + " / " + looks(w.RTB1, 4) + items, outside + items);
        }
        frmMain w;
        w.RTB1->setText("abc");
        item(w.mnuPopUpMenu(), "Largest")->trigger();
        QVERIFY(formatAt(w.RTB1, 2).fontPointSize() == 16 && w.RTB1->fontSize() == 16);
    }

    // A drop reads its first local file, in UTF-8 or else Windows-1252, as an edit the text box can
    // undo; it marks the caption only once the note is the user's. A folder, a file too large to be
    // a note or dragged text changes nothing. Drops are taken as copies, so the source deletes
    // nothing even when Shift proposes a move.
    void dropReadsTheFirstFile() {
        const QString utf8 = writeBytes(TestHome::root() + "/utf8.txt", "\xEF\xBB\xBF"
                                                                        "first\r\nline \xC3\xBC");
        const QString ansi = writeBytes(TestHome::root() + "/ansi.txt", "caf\xE9 \x80");
        const QString big = writeBytes(TestHome::root() + "/big.txt", "");
        QFile(big).resize(FileRead::MaxDroppedFileBytes + 1);
        frmMain w;
        w.show();
        const auto drop = [&w](const QStringList& paths) {
            QMimeData mime;
            QList<QUrl> urls{QUrl("https://example.org/x")};
            for (const QString& p : paths)
                urls << QUrl::fromLocalFile(p);
            mime.setUrls(urls);
            if (paths.isEmpty())
                mime.setText("dragged");
            const Qt::DropActions both = Qt::CopyAction | Qt::MoveAction;
            QDragEnterEvent enter({10, 10}, both, &mime, Qt::LeftButton, Qt::ShiftModifier);
            QApplication::sendEvent(w.RTB1->viewport(), &enter);
            QVERIFY(enter.isAccepted() && enter.dropAction() == Qt::CopyAction);
            QDropEvent e({10, 10}, both, &mime, Qt::LeftButton, Qt::ShiftModifier);
            QApplication::sendEvent(w.RTB1->viewport(), &e);
            QCOMPARE(e.dropAction(), Qt::CopyAction);
        };
        const QString first = u"first\r\nline ü"_qs;
        drop({utf8, ansi});
        QVERIFY(w.RTB1->text() == first && w.IsDirty() && w.lblCaption->text() == " Pinleaf");
        drop({TestHome::root(), ansi});
        drop({big});
        drop({});
        QCOMPARE(w.RTB1->text(), first);
        drop({ansi});
        QCOMPARE(w.RTB1->text(), u"café €"_qs);
        QCOMPARE(w.lblCaption->text(), QString(" Pinleaf*"));
        w.menuItems().mnuEdit[1]->trigger();
        QCOMPARE(w.RTB1->text(), first);
    }
};

PINLEAF_TEST_MAIN(NoteEditTest)
#include "widget_noteedit.moc"
