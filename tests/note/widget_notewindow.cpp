// A note window: dragging, rolling up, the window menu's commands, colours, saved settings, and
// what a hostile file or store can put into it.
#include "FifoTrap.h"
#include "NoteWidgets.h"
#include "TestHome.h"
#include "platform/MessagePrompt.h"
#include "platform/Notice.h"
#include "platform/PlainText.h"
#include "platform/TopLevel.h"
#include "platform/Twips.h"
#include "platform/frmAbout.h"

#include <QScreen>
#include <QTextDocument>
#include <QToolTip>

#include <sys/resource.h>

class NoteWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // Were the date stamp read as rich text again, /dev/zero would take all the memory; a bound
        // on it makes that fail fast instead.
        rlimit limit{};
        getrlimit(RLIMIT_AS, &limit);
        if (limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur > (rlim_t(4) << 30)) {
            limit.rlim_cur = rlim_t(4) << 30;
            setrlimit(RLIMIT_AS, &limit);
        }
        QDir::setCurrent(TestHome::root()); // relative names in markup are looked up from here
    }
    void init() { noteSettings().clear(); }

    // Moves within one frame leave only the latest position, applied when the frame ends or the
    // button is released. A note snaps flush to an edge of the work area when it comes within 20
    // pixels, holds there while the pointer stays within 20 pixels of where the note would be, and
    // follows the pointer again beyond that, off the work area too.
    void dragCoalescesMovesAndSnaps() {
        frmMain w;
        w.move(300, 300);
        w.show();
        const QRect area = w.screen()->availableGeometry();
        QPoint grab;
        const auto send = [&](QEvent::Type type, int dx, int dy, Qt::MouseButtons held) {
            const QPointF global(grab + QPoint(dx, dy));
            QMouseEvent e(type, w.mapFromGlobal(global), global, Qt::LeftButton, held, {});
            QApplication::sendEvent(&w, &e);
        };
        grab = w.lblCaption->mapToGlobal(QPoint(5, 5));
        send(QEvent::MouseButtonPress, 0, 0, Qt::LeftButton);
        send(QEvent::MouseMove, 10, 0, Qt::LeftButton);
        QCOMPARE(w.pos(), QPoint(310, 300)); // the first move at once
        send(QEvent::MouseMove, 20, 0, Qt::LeftButton);
        send(QEvent::MouseMove, 40, 7, Qt::LeftButton);
        QCOMPARE(w.pos(), QPoint(310, 300)); // held until the frame ends
        QTRY_COMPARE(w.pos(), QPoint(340, 307));
        send(QEvent::MouseButtonRelease, 40, 7, Qt::NoButton);

        const int right = area.right() + 1 - w.width();
        // Where the pointer takes the note, and where it ends.
        const std::pair<int, int> drags[] = {{area.left() + 21, area.left() + 21},
                                             {area.left() + 20, area.left()},
                                             {area.left() - 20, area.left()},
                                             {area.left() - 21, area.left() - 21},
                                             {right - 20, right}};
        for (const auto& [to, end] : drags) {
            grab = w.lblCaption->mapToGlobal(QPoint(5, 5));
            send(QEvent::MouseButtonPress, 0, 0, Qt::LeftButton);
            send(QEvent::MouseMove, to - w.x(), 0, Qt::LeftButton);
            send(QEvent::MouseButtonRelease, to - w.x(), 0, Qt::NoButton);
            QVERIFY2(w.pos() == QPoint(end, 307), qPrintable(QString("dragged to %1").arg(to)));
        }
    }

    // The drawn controls behave as the widgets they stand for: the text box lies over them and
    // the grip over the date; a click is a press and a release on the same control; the grip
    // shows the sizing pointer; tips and screen readers find each control where it is drawn.
    void drawnControlsActLikeWidgets() {
        frmMain w;
        w.move(200, 200);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect icon = w.imgIcon->geometry(), grip = w.imgResize->geometry();
        const QRect date = w.lblDate->geometry(), close = w.CloseImage->geometry();
        QVERIFY(icon.intersects(w.RTB1->geometry()) && grip.intersects(date));
        // The text box hides the corner of the icon that reaches into it; the rest shows.
        w.RTB1->setText(QString());
        w.RTB1->clearFocus(); // no caret
        const QImage shot = w.grab().toImage();
        const QColor paper = w.palette().color(QPalette::Window);
        int iconShown = 0;
        for (int y = icon.top(); y <= icon.bottom(); ++y) {
            for (int x = icon.left(); x <= icon.right(); ++x) {
                if (w.RTB1->geometry().contains(x, y))
                    QCOMPARE(shot.pixelColor(x, y), paper);
                else
                    iconShown += shot.pixelColor(x, y) != paper;
            }
        }
        QVERIFY(iconShown > icon.width() * icon.height() / 4);
        QCOMPARE(w.controlAt(icon.bottomRight()), nullptr);
        QCOMPARE(w.controlAt(icon.topLeft()), w.imgIcon);
        QCOMPARE(w.controlAt((grip & date).center()), w.imgResize);
        QCOMPARE(w.controlAt(date.topLeft()), w.lblDate);
        QTest::mouseMove(&w, grip.center());
        QTRY_COMPARE(w.cursor().shape(), Qt::SizeFDiagCursor);
        QTest::mousePress(&w, Qt::LeftButton, {}, close.center());
        QTest::mouseRelease(&w, Qt::LeftButton, {}, w.imgHelp->geometry().center());
        QVERIFY(w.isVisible());

        QHelpEvent hover(QEvent::ToolTip, date.center(), w.mapToGlobal(date.center()));
        QApplication::sendEvent(&w, &hover);
        QTRY_VERIFY(QToolTip::isVisible() && QToolTip::text() == "Note creation time/date stamp");
        QAccessibleInterface* note = QAccessible::queryAccessibleInterface(&w);
        QVERIFY(note && note->childCount() == 7);
        const QPoint onClose = w.mapToGlobal(close.center()),
                     onText = w.mapToGlobal(icon.bottomRight());
        QAccessibleInterface* closeItem = note->childAt(onClose.x(), onClose.y());
        QVERIFY(closeItem && closeItem->role() == QAccessible::Button &&
                closeItem->text(QAccessible::Name) == "Close note" && closeItem->parent() == note &&
                closeItem->rect() == QRect(w.mapToGlobal(close.topLeft()), close.size()));
        QCOMPARE(note->childAt(onText.x(), onText.y())->object(), w.RTB1);
        // Every picture that takes a click can be pressed; the date reads as itself, described
        // by its tip; the note goes by its first line, with the title "Pinleaf".
        QStringList pressable;
        for (int i = 0; i < 6; ++i) {
            if (QAccessibleActionInterface* a = note->child(i)->actionInterface())
                pressable << note->child(i)->text(QAccessible::Name) + ": " +
                                 a->actionNames().join(',');
        }
        const QString press = QAccessibleActionInterface::pressAction(),
                      menu = QAccessibleActionInterface::showMenuAction();
        QCOMPARE(pressable, (QStringList{"Window menu: " + menu + ',' + press,
                                         "Display help: " + press, "Close note: " + press}));
        QAccessibleInterface* dateItem = note->child(4);
        QVERIFY(dateItem->text(QAccessible::Name) == w.lblDate->text() &&
                !w.lblDate->text().isEmpty() &&
                dateItem->text(QAccessible::Description) == "Note creation time/date stamp");
        QCOMPARE(note->text(QAccessible::Name), "Empty note");
        w.RTB1->setText("  Shopping   list \r\nmilk");
        QCOMPARE(note->text(QAccessible::Name), "Shopping list");
        w.RTB1->setText(QString(70, 'x'));
        QCOMPARE(note->text(QAccessible::Name), QString(60, 'x') + QChar(0x2026));
        QCOMPARE(w.windowTitle(), "Pinleaf");
        QTest::mouseClick(&w, Qt::LeftButton, {}, close.center());
        QVERIFY(!w.isVisible());
    }

    // Rolled up, the note is a tile in place with the start of its text as the icon's tool tip;
    // restored, it is laid out for its former size. A tile that never rolled up in this window (as
    // a note stored rolled up comes back) gets the default size instead of vanishing. "Reset"
    // gives the default size, colour and text in place, keeping a read-only note so.
    void rollUpRestoreAndReset() {
        frmMain w;
        w.setWidth(4500);
        w.setHeight(3000);
        w.move(40, 50);
        w.show();
        w.RTB1->setText("First line\r\nsecond line and a lot more text");
        w.menuItems().mnuSystemMinimize->trigger();
        QVERIFY(w.isRolledUp() && w.geometry() == QRect(40, 50, 33, 28));
        // The pair becomes one space; the first 35 characters are taken before that.
        QCOMPARE(w.imgIcon->toolTip(), asPlainTooltip("First line second line and a lot m"));
        w.menuItems().mnuSystemRestore->trigger();
        QVERIFY(w.size() == QSize(300, 200) && w.imgIcon->toolTip().isEmpty());
        QCOMPARE(w.RTB1->geometry().size(), QSize(285, 153));
        QTest::mouseDClick(&w, Qt::LeftButton, {}, w.imgIcon->geometry().center());
        QVERIFY(w.isRolledUp());
        QTest::mouseDClick(&w, Qt::LeftButton, {}, w.imgIcon->geometry().center());
        QCOMPARE(w.size(), QSize(300, 200));

        frmMain cut; // a pair cut by the limit leaves its carriage return at the end
        cut.RTB1->setText(QString(34, 'x') + "\r\nnext");
        cut.rollUp();
        QCOMPARE(cut.imgIcon->toolTip(), asPlainTooltip(QString(34, 'x') + "\r"));
        frmMain stored;
        stored.setWidth(500);
        stored.setHeight(425);
        QTest::mouseDClick(&stored, Qt::LeftButton, {}, stored.imgIcon->geometry().center());
        QCOMPARE(stored.size(), QSize(223, 191));

        w.SetColor("peach");
        w.RTB1->setReadOnly(true);
        w.lblDate->setText("old stamp");
        w.rollUp();
        w.menuItems().mnuSystemReset->trigger();
        QVERIFY(w.geometry() == QRect(40, 50, 223, 191) && w.colorSchemeName() == "yellow");
        QVERIFY(w.RTB1->text() == "[Note]" && w.RTB1->isReadOnly());
        QVERIFY(w.lblDate->text() != "old stamp" && !w.menuItems().mnuSystemMinimize->isEnabled());
    }

    // The About dialog is modal and counted as a loaded window while it is open, the note out of
    // the topmost band meanwhile and back where its "Always on Top" item says afterwards. (Its
    // place on screen and the item keeping the same native window are checked on a real display.)
    void aboutCommandTakesTheNoteOutOfTheTopBand() {
        QPointer<frmMain> w = new frmMain;
        const auto deleteNote = qScopeGuard([&w] { delete w; });
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        for (const bool onTop : {true, false}) {
            bool checked = false;
            QTimer::singleShot(0, w, [w, &checked] {
                frmAbout* about = frmAbout::Loaded();
                checked = QTest::qWaitFor([about] { return about && about->isVisible(); }) &&
                          about->isModal() && TopLevel::LoadedWindowCount() == 2 &&
                          !(w->windowFlags() & Qt::WindowStaysOnTopHint);
                if (about)
                    about->cmdOK->click();
            });
            w->menuItems().mnuAbout->trigger();
            QVERIFY(checked && !frmAbout::Loaded());
            QCOMPARE(bool(w->windowFlags() & Qt::WindowStaysOnTopHint), onTop);
            w->menuItems().mnuTop->trigger();
        }
    }

    // "&New" opens an independent default note 200 twips further. One that would land off every
    // screen comes back onto the nearest, its caption strip inside the work area.
    void newNoteIsOffsetAndIndependent() {
        const QRect area = QApplication::primaryScreen()->availableGeometry();
        auto* w = new frmMain;
        w->SetColor("blue");
        w->RTB1->setText("mine");
        w->move(area.topLeft() + QPoint(40, 50));
        w->show();
        w->menuItems().mnuNew->trigger();
        QPointer<frmMain> created = openNotes().last();
        QCOMPARE(created->pos(), w->pos() + QPoint(13, 13));
        QVERIFY(created->colorSchemeName() == "yellow" && created->RTB1->text() == "[Note]");
        delete w;
        QVERIFY(created && created->isVisible());

        created->move(area.right() - 5, area.bottom() - 5);
        created->menuItems().mnuNew->trigger();
        QPointer<frmMain> offScreen = openNotes().last();
        QCOMPARE(offScreen->pos(), QPoint(area.right() + 1 - offScreen->width(),
                                          area.bottom() + 1 - offScreen->lblCaption->height()));
        delete created;
        delete offScreen;
    }

    // Names match in any case and are kept as given, the check mark following. A colour outside the
    // table keeps its name and no mark, and shows black paper with white text; a known scheme
    // turns the text black again, text typed on the black paper included.
    void coloursByNameAndUnknownOnes() {
        frmMain w;
        w.SetColor("Grey");
        QVERIFY(w.menuItems().mnuSetColor[4]->isChecked());
        w.menuItems().mnuSetColor[5]->trigger();
        QCOMPARE(w.colorSchemeName(), QString("peach"));
        w.RTB1->setText("W");
        w.SetColor("mauve");
        QCOMPARE(w.toRecord().Color, QString("mauve"));
        QVERIFY(std::none_of(w.menuItems().mnuSetColor.begin(), w.menuItems().mnuSetColor.end(),
                             [](QAction* a) { return a->isChecked(); }));
        QVERIFY(w.palette().color(QPalette::WindowText) == Qt::white &&
                w.palette().color(QPalette::Window) == Qt::black);
        QTest::keyClicks(w.RTB1, "M"); // typed on the black paper
        w.SetColor("Yellow");
        QCOMPARE(w.colorSchemeName(), QString("Yellow"));
        QCOMPARE(w.palette().color(QPalette::WindowText), QColor(Qt::black));
        const int typed = w.RTB1->text().indexOf('M');
        QVERIFY(typed >= 0 && formatAt(w.RTB1, typed).foreground().color() != Qt::white);
    }

    // Turning the option on writes the note's look at once and the next note takes it; turning it
    // off writes only the option. Values that do not convert fall back to their key's default, and
    // a missing position centres the note using the stored size.
    void savedSettings() {
        auto w = std::make_unique<frmMain>();
        w->SetColor("blue");
        w->setWidth(4500);
        w->setLeft(1500);
        w->setTop(600);
        w->menuItems().mnuSaveSettings->trigger();
        auto next = std::make_unique<frmMain>();
        QVERIFY(next->menuItems().mnuSaveSettings->isChecked() &&
                next->colorSchemeName() == "blue");
        QCOMPARE(next->geometry(), QRect(100, 40, 300, 191));
        w->SetColor("red");
        w->menuItems().mnuSaveSettings->trigger();
        QCOMPARE(noteSettings().value("Config/SaveSetting").toString(), QString("False"));
        QCOMPARE(noteSettings().value("Config/Color").toString(), QString("blue"));

        noteSettings().clear();
        for (const auto& [key, value] :
             {std::pair{"SaveSetting", "1"}, {"Height", "tall"}, {"Width", "4500.5"}})
            noteSettings().setValue(QStringLiteral("Config/") + key, value);
        auto odd = std::make_unique<frmMain>();
        QVERIFY(odd->menuItems().mnuSaveSettings->isChecked() &&
                odd->colorSchemeName() == "yellow");
        const QPoint off =
            odd->geometry().center() - QApplication::primaryScreen()->geometry().center();
        QVERIFY2(odd->height() == 191 && off.manhattanLength() <= 2,
                 qPrintable(QString::number(off.x())));
        noteSettings().setValue("Config/SaveSetting", "maybe");
        QVERIFY(!std::make_unique<frmMain>()->menuItems().mnuSaveSettings->isChecked());

        // A settings file that cannot be written (a folder in its place stops root too) is
        // reported at each change, never taken as saved.
        const QString file = noteSettings().fileName();
        QFile::remove(file);
        QVERIFY(QDir().mkpath(file));
        const qsizetype before = Notice::shown().size();
        w->menuItems().mnuSaveSettings->trigger();
        w->menuItems().mnuSaveSettings->trigger();
        QVERIFY(QDir(file).removeRecursively());
        const QStringList notices = Notice::shown().mid(before);
        QVERIFY(notices.size() == 2 && notices[0].startsWith("Settings could not be saved: ") &&
                notices[0].contains(file));
        // Notices and questions stand in the topmost band with the notes, so none hides them.
        bool questionOnTop = false;
        QTimer::singleShot(50, [&] {
            QWidget* box = QApplication::activeModalWidget();
            questionOnTop = box && box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            if (box)
                box->close();
        });
        MessagePrompt::warn(w.get(), "Print", "a question");
        int noticesOnTop = 0;
        for (QWidget* box : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMessageBox*>(box) && box->isVisible()) {
                noticesOnTop += box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
                box->close();
            }
        }
        QVERIFY(questionOnTop && noticesOnTop == 2);
    }

    // Markup in the date stamp and in the roll-up preview is shown character for character; the
    // FIFO and the device it names are never opened.
    void markupShowsLiterally() {
        FifoTrap fifo(TestHome::root() + "/f");
        QVERIFY(fifo.isValid());
        QVERIFY(QFile::link("/dev/zero", TestHome::root() + "/zero.png"));
        frmMain w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (const QString& stamp :
             {QString("<img src=\"%1\">").arg(fifo.path()), QString("<img src=f>"),
              QString("<img src=\"%1/zero.png\">").arg(TestHome::root())}) {
            w.lblDate->setText(stamp);
            QVERIFY(!w.grab().isNull());
        }
        w.RTB1->setText("<b>x</b>  <img src=f> and more than thirty-five characters");
        w.rollUp();
        const QString tip = w.imgIcon->toolTip();
        QTextDocument shown; // Qt shows a tool tip that looks like markup as rich text
        shown.setHtml(tip);
        QCOMPARE(shown.toPlainText(), QString("<b>x</b>  <img src=f> and more than"));
        const QPoint at = w.imgIcon->geometry().topLeft() + QPoint(2, 2);
        QHelpEvent hover(QEvent::ToolTip, at, w.mapToGlobal(at));
        QApplication::sendEvent(&w, &hover);
        QTRY_VERIFY(QToolTip::isVisible() && QToolTip::text() == tip);
        QToolTip::hideText();
        QVERIFY(!fifo.wasOpened());
    }

    // Sizes end between the rolled-up tile and all screens together, positions within a few desktop
    // sizes of them; numbers inside the bounds are written back as they came, and the controls
    // follow the size.
    void geometryIsBounded() {
        QRect desktop;
        for (const QScreen* screen : QGuiApplication::screens())
            desktop |= screen->geometry();
        frmMain w;
        w.setHeight(2147483647);
        w.setWidth(2147483647);
        w.setTop(-2147483648.0);
        w.setLeft(2147483647);
        QCOMPARE(w.size(), desktop.size());
        QVERIFY(w.x() > desktop.right() && w.x() <= desktop.right() + 3 * desktop.width());
        QVERIFY(w.y() < desktop.top() && w.y() >= desktop.top() - 3 * desktop.height());
        w.setWidth(qQNaN());
        w.setHeight(-1);
        QVERIFY(w.isRolledUp() && w.size() == QSize(33, 28));
        w.setHeight(desktop.height() * 15);
        w.setWidth(510);
        w.setLeft(-1200);
        const NoteRecord r = w.toRecord();
        QVERIFY(r.Height == desktop.height() * 15 && r.Width == 510 && r.Left == -1200);
        w.setWidth(6000);
        w.setHeight(6195);
        QCOMPARE(w.RTB1->geometry(), QRect(3, 24, 385, 366));
        QCOMPARE(w.imgResize->geometry().bottomRight(), QPoint(396, 409));
    }
};

PINLEAF_TEST_MAIN(NoteWindowTest)
#include "widget_notewindow.moc"
