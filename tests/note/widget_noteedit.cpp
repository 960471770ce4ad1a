#include "BuildConfig.h"
#include "NoteWidgets.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "note/frmMain.h"
#include "platform/RichTextBox.h"
#include "store/FileRead.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QtTest>

// The editing and formatting commands and file drops, through the note's own menu items.
class NoteEditTest : public QObject {
    Q_OBJECT
private slots:
    // The placeholder goes with the first key, paste or click; what the user typed before the
    // first click stays. Nothing marks a note until its first click, and a stored note keeps
    // its text on that click, unmarked.
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

    void editingItemsAndKeys() {
        frmMain w;
        w.RTB1->setText("hello world");
        w.mnuPopUpMenu(); // the items sit in menus now, whose shortcuts must not take the keys
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        select(w.RTB1, 0, 5);
        w.menuItems().mnuSelectEdit[1]->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("hello"));
        w.menuItems().mnuSelectEdit[0]->trigger();
        QCOMPARE(w.RTB1->text(), QString(" world"));
        w.menuItems().mnuEdit[1]->trigger();
        w.RTB1->setSelStart(11);
        w.menuItems().mnuEdit[0]->trigger();
        QTest::keyClick(w.RTB1, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(w.RTB1, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.RTB1->text(), QString("hello worldhello"));

        // A read-only note keeps its text, undo history and all.
        w.RTB1->setReadOnly(true);
        w.RTB1->selectAll();
        for (QAction* a : {w.menuItems().mnuEdit[0], w.menuItems().mnuEdit[1],
                           w.menuItems().mnuSelectEdit[0], w.menuItems().mnuSelectEdit[2]})
            a->trigger();
        QTest::keyClick(w.RTB1, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.RTB1->text(), QString("hello worldhello"));
    }

    // "Clear All" empties the note and takes the mark away (what it does to a special note is
    // checked with the special notes); the text box's own undo brings the text back. Right after
    // the Control key it writes the web site's address instead.
    void clearAllLeavesAnEmptyNote() {
        frmMain w;
        w.setIsDirty(true);
        QTest::keyClick(w.RTB1, Qt::Key_V, Qt::ControlModifier); // the last key is V
        w.RTB1->setText("12:00:00");
        QCOMPARE(w.lblCaption->text(), QString(" Pinleaf*"));
        w.menuItems().mnuEdit[2]->trigger();
        QVERIFY(w.RTB1->text().isEmpty());
        QCOMPARE(w.lblCaption->text(), QString(" Pinleaf"));
        w.menuItems().mnuEdit[1]->trigger();
        QCOMPARE(w.RTB1->text(), QString("12:00:00"));

        QTest::keyClick(w.RTB1, Qt::Key_Control);
        w.menuItems().mnuEdit[2]->trigger();
        QVERIFY(w.RTB1->text().contains(QLatin1String(BuildConfig::WebSite)));
    }

    // Each style and size command on "bcd" of "abcde": what it sets on the selection, while the
    // characters around it keep their plain look. The main menu's styles follow their check
    // marks; the selection menu's only switch on; "Remove Format" switches all four off and
    // keeps size and colour.
    void formattingSetsOnlyWhatItNames() {
        using Look = std::function<bool(const QTextCharFormat&)>;
        const Look bold = [](auto& f) { return f.fontWeight() == QFont::Bold; };
        const Look italic = [](auto& f) { return f.fontItalic(); };
        const Look underline = [](auto& f) { return f.fontUnderline(); };
        const Look struck = [](auto& f) { return f.fontStrikeOut(); };
        const Look plain = [&](auto& f) {
            return !bold(f) && !italic(f) && !underline(f) && !struck(f);
        };
        const auto size = [](double pt) -> Look {
            return [pt](auto& f) { return f.fontPointSize() == pt; };
        };
        // The items in the order of the names below.
        const auto items = [](frmMain& w) {
            return QList<QAction*>{
                w.menuItems().mnuFontBold,          w.menuItems().mnuFontItalic,
                w.menuItems().mnuFontUnderline,     w.menuItems().mnuFontNormal,
                w.menuItems().mnuSelectStyle[0],    w.menuItems().mnuSelectStyle[1],
                w.menuItems().mnuSelectStyle[2],    w.menuItems().mnuSelectCompleted,
                w.menuItems().mnuSelectFontSize[4], w.menuItems().mnuRemoveFormat};
        };
        enum {
            Bold,
            Italic,
            Underline,
            Normal,
            SelItalic,
            SelUnderline,
            SelBold,
            Completed,
            Largest,
            Remove
        };
        const struct {
            const char* name;
            QList<int> items;
            Look look;
        } cases[] = {
            {"Bold", {Bold}, bold},
            {"Bold twice", {Bold, Bold}, plain},
            {"Underline", {Underline}, underline},
            {"Normal",
             {Italic, Underline, Normal, Bold},
             [&](auto& f) { return bold(f) && !italic(f) && !underline(f); }},
            {"selection Italic", {SelItalic}, italic},
            {"selection Underline", {SelUnderline}, underline},
            {"selection Bold twice", {SelBold, SelBold}, bold},
            {"Completed", {Completed}, struck},
            {"Largest", {Largest}, size(16)},
            {"Remove Format",
             {SelItalic, SelUnderline, SelBold, Completed, Largest, Remove},
             [&](auto& f) {
                 return plain(f) && size(16)(f) && f.foreground().color() == Qt::blue;
             }},
        };
        for (const auto& c : cases) {
            frmMain w;
            w.RTB1->setText("abcde");
            select(w.RTB1, 1, 4);
            w.RTB1->setSelColor(0xFF0000);
            for (int item : c.items)
                items(w).at(item)->trigger();
            for (int pos : {1, 3})
                QVERIFY2(c.look(formatAt(w.RTB1, pos)), c.name);
            for (int pos : {0, 4}) {
                const QTextCharFormat outside = formatAt(w.RTB1, pos);
                QVERIFY2(plain(outside) && outside.fontPointSize() != 16 &&
                             outside.foreground().color() != Qt::blue,
                         c.name);
            }
        }
        // The main menu's sizes reach the whole note.
        frmMain w;
        w.RTB1->setText("abc");
        w.menuItems().mnuFontSize[4]->trigger();
        QVERIFY(formatAt(w.RTB1, 2).fontPointSize() == 16 && w.RTB1->fontSize() == 16);
    }

    // A drop reads its first local file, in UTF-8 or else Windows-1252, as an edit the text box
    // can undo; it marks the caption only once the note is the user's. A folder, a file too
    // large to be a note or dragged text changes nothing. Drops are taken as copies, so the
    // source deletes nothing even when Shift proposes a move.
    void dropReadsTheFirstFile() {
        const QString utf8 = writeBytes(TestHome::root() + "/utf8.txt", "\xEF\xBB\xBF"
                                                                        "first\r\nline \xC3\xBC");
        const QString ansi = writeBytes(TestHome::root() + "/ansi.txt", "caf\xE9 \x80 \x93x\x94");
        const QString big = writeBytes(TestHome::root() + "/big.txt", "");
        QFile(big).resize(FileRead::MaxDroppedFileBytes + 1);
        QCOMPARE(FileRead::ReadWholeFile(ansi), std::optional<QString>(u"café € “x”"_qs));
        QVERIFY(!FileRead::ReadWholeFile(big));

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
        drop({utf8, ansi});
        QCOMPARE(w.RTB1->text(), QString(u"first\r\nline ü"_qs));
        QVERIFY(w.IsDirty());
        QCOMPARE(w.lblCaption->text(), QString(" Pinleaf"));
        drop({TestHome::root(), ansi});
        drop({big});
        drop({});
        QCOMPARE(w.RTB1->text(), QString(u"first\r\nline ü"_qs));
        drop({ansi});
        QCOMPARE(w.lblCaption->text(), QString(" Pinleaf*"));
        w.menuItems().mnuEdit[1]->trigger();
        QCOMPARE(w.RTB1->text(), QString(u"first\r\nline ü"_qs));
    }
};

PINLEAF_TEST_MAIN(NoteEditTest)
#include "widget_noteedit.moc"
