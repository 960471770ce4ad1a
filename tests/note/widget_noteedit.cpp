// The note's menus, its editing and formatting commands and file drops, through its own menu
// items, keys and mouse.
#include "BuildConfig.h"
#include "NoteWidgets.h"
#include "TestFiles.h"
#include "TestHome.h"
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

    // States set before a note's menus exist show once they do, on that note only; once the items
    // exist, the same calls reach them.
    void menusShowStatesSetBeforeTheyExist() {
        frmMain other, w;
        w.SetColor(QStringLiteral("peach"));
        w.rollUp();
        w.setSaveSettingsChecked(true);
        w.setTopChecked(false);
        // Yellow, Peach, Save Settings and Always on Top checked; Minimize enabled.
        const auto states = [](frmMain& n) {
            n.mnuPopUpMenu();
            n.mnuSystemMenu();
            const NoteMenuItems& m = n.menuItems();
            return QList<bool>{m.mnuSetColor[0]->isChecked(), m.mnuSetColor[5]->isChecked(),
                               m.mnuSaveSettings->isChecked(), m.mnuTop->isChecked(),
                               m.mnuSystemMinimize->isEnabled()};
        };
        QCOMPARE(states(w), (QList<bool>{false, true, true, false, false}));
        QCOMPARE(states(other), (QList<bool>{true, false, false, true, true}));
        w.restoreSize();
        w.SetColor(QStringLiteral("yellow"));
        w.setSaveSettingsChecked(false);
        w.setTopChecked(true);
        QCOMPARE(states(w), states(other));
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
