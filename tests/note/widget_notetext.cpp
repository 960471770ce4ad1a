#include "TestHome.h"
#include "note/frmMain.h"
#include "platform/RichTextBox.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QtTest>

#include <memory>

namespace {
// Opens the menu that `action` brings up and reports which one it was, closing it again.
QMenu* menuOpenedBy(const std::function<void()>& action) {
    auto seen = std::make_shared<QPointer<QMenu>>();
    auto looked = std::make_shared<bool>(false);
    QTimer::singleShot(50, [seen, looked] {
        *seen = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (*seen)
            (*seen)->close();
        *looked = true;
    });
    action();
    if (!QTest::qWaitFor([looked] { return *looked && !QApplication::activePopupWidget(); }))
        qWarning("a menu stayed open");
    return *seen;
}

void rightClick(QWidget* w, QPoint at = QPoint(10, 10)) {
    QTest::mousePress(w, Qt::RightButton, Qt::NoModifier, at);
    QTest::mouseRelease(w, Qt::RightButton, Qt::NoModifier, at);
}
} // namespace

// The text box's notifications as the note window handles them, and which menu opens where.
class NoteTextTest : public QObject {
    Q_OBJECT
private slots:
    // The placeholder goes with the first key, paste or click; what the user typed before the
    // first click stays. Nothing marks a note until its first click.
    void placeholderGivesWayToTheUser() {
        frmMain w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::keyClicks(w.RTB1, "abc");
        QCOMPARE(w.RTB1->text(), QString("abc"));
        QTest::mouseClick(w.RTB1->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(w.RTB1->text(), QString("abc"));
        QVERIFY(w.IsDirty());
        QCOMPARE(w.lblCaption->text(), QString(" Pinleaf"));
        QTest::keyClick(w.RTB1, Qt::Key_End);
        QTest::keyClicks(w.RTB1, "x");
        QCOMPARE(w.RTB1->text(), QString("abcx"));
        QCOMPARE(w.lblCaption->text(), QString(" Pinleaf*"));

        frmMain clicked, pasted;
        QTest::mouseClick(clicked.RTB1->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(clicked.RTB1->text(), QString());
        QApplication::clipboard()->setText("from the clipboard");
        QTest::keyClick(pasted.RTB1, Qt::Key_End);
        pasted.RTB1->paste();
        QCOMPARE(pasted.RTB1->text(), QString("from the clipboard"));
        QVERIFY(!pasted.IsDirty());

        // A note from the store or a file keeps its text on the first click, unmarked.
        frmMain restored;
        restored.RTB1->setText("kept");
        restored.setIsDirty(true);
        QTest::mouseClick(restored.RTB1->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(restored.RTB1->text(), QString("kept"));
        QCOMPARE(restored.lblCaption->text(), QString(" Pinleaf"));
    }

    void menusOpenWhereTheyBelong() {
        frmMain w;
        w.RTB1->setText("some words here");
        w.setIsDirty(true);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        QCOMPARE(menuOpenedBy([&] { rightClick(w.RTB1->viewport()); }), w.mnuPopUpMenu());
        QTest::keyClick(w.RTB1, Qt::Key_Home);
        QTest::keyClick(w.RTB1, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(w.RTB1->selLength(), 1);
        QCOMPARE(menuOpenedBy([&] { rightClick(w.RTB1->viewport()); }), w.mnuPopUpSelect());
        QCOMPARE(w.RTB1->selLength(), 1);
        QCOMPARE(menuOpenedBy([&] { QTest::keyClick(w.RTB1, Qt::Key_Menu); }), w.mnuPopUpSelect());

        QCOMPARE(menuOpenedBy([&] { rightClick(w.imgIcon); }), w.mnuSystemMenu());
        QCOMPARE(menuOpenedBy([&] { rightClick(&w, QPoint(2, w.height() - 3)); }),
                 w.mnuPopUpMenu());
        QCOMPARE(menuOpenedBy([&] { rightClick(w.lblCaption); }), nullptr);
    }
};

PINLEAF_TEST_MAIN(NoteTextTest)
#include "widget_notetext.moc"
