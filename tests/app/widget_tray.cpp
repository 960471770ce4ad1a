#include "NoteWidgets.h"
#include "TestHome.h"
#include "app/NoteTray.h"
#include "app/modMain.h"
#include "note/FindNoteWindow.h"
#include "note/NoteSearch.h"
#include "platform/Autostart.h"
#include "platform/TopLevel.h"
#include "platform/Twips.h"
#include "store/modNote.h"

#include <QLineEdit>
#include <QListView>
#include <QSystemTrayIcon>

namespace {

// The first lines the finder shows, top to bottom.
QStringList shownLines(const FindNoteList* list) {
    QStringList lines;
    for (int row = 0; row < list->rowCount(); ++row)
        lines << list->noteAt(row)->firstLine;
    return lines;
}

QStringList itemTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* a : menu->actions())
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

bool onScreen(const QList<QPointer<frmMain>>& notes) {
    return std::all_of(notes.cbegin(), notes.cend(),
                       [](const QPointer<frmMain>& n) { return n && n->isVisible(); });
}

} // namespace

// The tray icon's commands and the note finder, over the open notes of one program.
class TrayTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        if (FindNoteWindow* finder = FindNoteWindow::instance())
            delete finder;
        deleteAllNotes();
    }

    // Every word in any order, any case, accents ignored; the newest open note first, then the
    // closed ones, the last closed first, and a closed note that is open again once.
    void finderFiltersAndOrders() {
        typedNote("Crème brûlée\r\nsugar, eggs");
        typedNote("Shopping list\r\nmilk, BREAD");
        typedNote("\r\n  Meeting   notes  \r\nTuesday at Straße 5");
        const NoteRecord closed{"blue", {}, "An old idea\r\nabout creme", 3000, 4500,
                                0,      0,  "1/2/2026 3:04:05 PM"};
        modNote::KeepClosedNote(closed);
        modNote::KeepClosedNote({"red", {}, "Closed last", 3000, 4500, 0, 0, "x"});
        // The same note open again: listed as the open note only.
        QPointer<frmMain> reopened = frmMain::openStoredNote(closed);

        FindNoteList* list = FindNoteWindow::showFinder()->list();
        QCOMPARE(shownLines(list), QStringList({"An old idea", "Meeting notes", "Shopping list",
                                                "Crème brûlée", "Closed last"}));
        QVERIFY(!list->noteAt(0)->closed && list->noteAt(4)->closed);
        QCOMPARE(list->data(list->index(2), Qt::AccessibleTextRole).toString(),
                 "Shopping list, Yellow, " + list->noteAt(2)->date);
        QVERIFY(list->data(list->index(4), Qt::AccessibleTextRole).toString().endsWith("closed"));

        const std::pair<const char*, QStringList> cases[] = {
            {"creme", {"An old idea", "Crème brûlée"}},
            {"CRÈME", {"An old idea", "Crème brûlée"}},
            {"bread   LIST", {"Shopping list"}},
            {"eggs brulee", {"Crème brûlée"}},
            {"strasse tuesday", {"Meeting notes"}},
            {"  ",
             {"An old idea", "Meeting notes", "Shopping list", "Crème brûlée", "Closed last"}},
            {"zzz", {}},
        };
        for (const auto& [query, lines] : cases) {
            list->setQuery(QString::fromUtf8(query));
            QCOMPARE(shownLines(list), lines);
        }
        // Typing on looks only through the previous matches; any other edit through all.
        const char* typed[] = {"", "e", "eg", "egg", "egg ", "egg s", "egg", "mi", "m", "", "sh"};
        for (const char* query : typed) {
            list->setQuery(QString::fromLatin1(query));
            // Every note matched afresh.
            FindNoteList fresh;
            std::vector<FoundNote> all;
            for (frmMain* n : frmMain::openNotes()) {
                FoundNote f = FoundNote::fromRecord(n->toRecord(), false);
                f.window = n;
                all.insert(all.begin(), f);
            }
            all.push_back(FoundNote::fromRecord({"red", {}, "Closed last", 0, 0, 0, 0, "x"}, true));
            fresh.setQuery(QString::fromLatin1(query));
            fresh.setNotes(std::move(all));
            QCOMPARE(shownLines(list), shownLines(&fresh));
        }
        // Characters that fold into more than themselves, also many of them in a row.
        QCOMPARE(NoteSearch::fold("ﬁne Äpfel"), QString("fine apfel"));
        QCOMPARE(NoteSearch::fold(QString("ß").repeated(50) + "E"),
                 QString("ss").repeated(50) + "e");
        QCOMPARE(NoteSearch::firstLine(QString(" \r\n\u2029 ") + QString("x").repeated(90)),
                 QString("x").repeated(79) + QChar(0x2026));
    }

    // Enter brings the note back: shown again when it was put away, its size back when it was
    // rolled up; a closed note opens again as a new note. The finder closes.
    void finderBringsNotesBack() {
        QPointer<frmMain> away = typedNote("put away");
        QPointer<frmMain> rolled = typedNote("rolled up");
        const int fullWidth = rolled->width();
        rolled->rollUp();
        TopLevel::putAway(away);
        modNote::KeepClosedNote({"green", {}, "gone for now", 3000, 4500, 0, 0, "d"});

        // Ctrl+F in a note's text opens the finder.
        const auto chooseNote = [&](const QString& query) {
            QTest::keyClick(rolled->RTB1, Qt::Key_F, Qt::ControlModifier);
            QPointer<FindNoteWindow> guard = FindNoteWindow::instance();
            QVERIFY(guard && guard->isVisible());
            FindNoteWindow* finder = guard;
            QTest::keyClicks(finder->field(), query);
            QTest::keyClick(finder->field(), Qt::Key_Return);
            QVERIFY(!guard || !guard->isVisible());
        };
        chooseNote("away");
        QVERIFY(away->isVisible() && !TopLevel::isPutAway(away));
        chooseNote("rolled");
        QCOMPARE(rolled->width(), fullWidth);
        const int before = openNotes().size();
        chooseNote("gone");
        QCOMPARE(openNotes().size(), before + 1);
        QCOMPARE(openNotes().last()->RTB1->text(), QString("gone for now"));
        QCOMPARE(openNotes().last()->colorSchemeName(), QString("green"));
    }

    // The menu, item by item; hidden notes stay open notes: in the notes the store would keep,
    // counted as loaded windows, and the program does not end while no note is on screen.
    void trayCommands() {
        NoteTray tray;
        QCOMPARE(itemTexts(tray.menu()), QStringList({"New Note", "Hide All Notes", "Find Note…",
                                                      "-", "Start at Login", "-", "Quit"}));
        tray.setCaptureShortcut(QKeySequence("Ctrl+Alt+N"));
        QCOMPARE(tray.newNoteItem()->shortcut(), QKeySequence("Ctrl+Alt+N"));
        tray.setShortcutProblem("Ctrl+Alt+N is taken.");
        QCOMPARE(tray.icon()->toolTip(), QString("Pinleaf\nCtrl+Alt+N is taken."));

        QList<QPointer<frmMain>> notes{typedNote("one"), typedNote("two")};
        // Two new notes of their own do not stand one on the other.
        tray.newNoteItem()->trigger();
        tray.newNoteItem()->trigger();
        QCOMPARE(openNotes().size(), 4);
        QVERIFY(frmMain::isPlaceholder(openNotes().last()->RTB1->text()));
        const QPoint step(Twips::toPixelsX(frmMain::NewNoteOffsetTwips),
                          Twips::toPixelsY(frmMain::NewNoteOffsetTwips));
        QCOMPARE(openNotes()[3]->pos(), openNotes()[2]->pos() + step);
        delete openNotes().last();
        notes << openNotes().last();

        tray.showHideItem()->trigger();
        QVERIFY(openNotes().isEmpty());
        QCOMPARE(modMain::OpenNoteRecords().size(), 3);
        QCOMPARE(TopLevel::LoadedWindowCount(), 3);
        QVERIFY(!QGuiApplication::quitOnLastWindowClosed());
        emit tray.menu()->aboutToShow();
        QCOMPARE(tray.showHideItem()->text(), QString("Show All Notes"));
        // A click with notes away shows them all.
        tray.clicked();
        QVERIFY(onScreen(notes));
        QVERIFY(QGuiApplication::quitOnLastWindowClosed());
        emit tray.menu()->aboutToShow();
        QCOMPARE(tray.showHideItem()->text(), QString("Hide All Notes"));
        // A click while they are in front puts them away again.
        tray.clicked();
        QVERIFY(openNotes().isEmpty());
        tray.showHideItem()->trigger();
        QVERIFY(onScreen(notes));

        // The last note on screen closing while others are away is not the last note.
        QVERIFY(Autostart::setForThisProgram());
        TopLevel::putAway(notes[0]);
        TopLevel::putAway(notes[1]);
        QVERIFY(notes[2]->close());
        QVERIFY(Autostart::isSet());
        tray.showAll();

        // The user's switch for starting at login, kept in the entry.
        emit tray.menu()->aboutToShow();
        QVERIFY(tray.startAtLoginItem()->isChecked());
        tray.startAtLoginItem()->trigger();
        QVERIFY(!Autostart::isEnabled());
        QVERIFY(Autostart::setForThisProgram() && !Autostart::isEnabled());
        emit tray.menu()->aboutToShow();
        QVERIFY(!tray.startAtLoginItem()->isChecked());
        tray.startAtLoginItem()->trigger();
        QVERIFY(Autostart::isEnabled() && Autostart::isSet());
    }

    // Quit stores every note, those put away included, as the end of a logon does, and leaves
    // the switch for starting at login as the user set it. (It ends the run: the last test.)
    void trayQuitStoresEveryNote() {
        NoteTray tray;
        QPointer<frmMain> shown = typedNote("on screen");
        QPointer<frmMain> away = typedNote("out of sight");
        TopLevel::putAway(away);
        QVERIFY(Autostart::setEnabled(false));
        QFile::remove(modNote::StorePath());
        tray.quitItem()->trigger();
        QStringList stored;
        for (const NoteRecord& r : modNote::ReadNotes(true, QString()))
            stored << r.Data;
        QCOMPARE(stored, QStringList({"on screen", "out of sight"}));
        QVERIFY(Autostart::isSet() && !Autostart::isEnabled());
    }
};

PINLEAF_TEST_MAIN(TrayTest)
#include "widget_tray.moc"
