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
#include <QProcess>
#include <QTimer>
#include <QtTest>

namespace {
// Drops local files, or a text when `text` is set.
void drop(frmMain& w, const QStringList& paths, const QString& text = QString()) {
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString& p : paths)
        urls << QUrl::fromLocalFile(p);
    text.isNull() ? mime.setUrls(urls) : mime.setText(text);
    QDragEnterEvent enter({10, 10}, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(w.RTB1->viewport(), &enter);
    QDropEvent e({10, 10}, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(w.RTB1->viewport(), &e);
}
} // namespace

class NoteEditTest : public QObject {
    Q_OBJECT
private slots:
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

    void formattingSetsOnlyWhatItNames() {
        frmMain w;
        RichTextBox* box = w.RTB1;
        box->setText("abcdef");
        select(box, 0, 3);
        w.menuItems().mnuFontBold->trigger();
        w.menuItems().mnuFontItalic->trigger();
        w.menuItems().mnuFontBold->trigger(); // follows its check mark: off again
        QVERIFY(formatAt(box, 0).fontWeight() != QFont::Bold && formatAt(box, 2).fontItalic());
        QVERIFY(!w.menuItems().mnuFontNormal->isChecked() &&
                w.menuItems().mnuFontItalic->isChecked());
        w.menuItems().mnuFontNormal->trigger();
        QVERIFY(w.menuItems().mnuFontNormal->isChecked() &&
                !w.menuItems().mnuFontItalic->isChecked());
        w.menuItems().mnuSelectStyle[1]->trigger();
        // Checked before: the mark goes, the styles go all the same.
        w.menuItems().mnuFontNormal->trigger();
        QVERIFY(!w.menuItems().mnuFontNormal->isChecked());
        QVERIFY(!formatAt(box, 1).fontItalic() && !formatAt(box, 1).fontUnderline());

        box->setSelColor(0xFF0000);
        w.menuItems().mnuSelectFontSize[3]->trigger();
        for (QAction* a : {w.menuItems().mnuSelectStyle[2], w.menuItems().mnuSelectStyle[2],
                           w.menuItems().mnuSelectCompleted})
            a->trigger(); // "Bold" twice stays on
        QTextCharFormat f = formatAt(box, 2);
        QVERIFY(f.fontWeight() == QFont::Bold && f.fontStrikeOut() && f.fontPointSize() == 14);
        QVERIFY(formatAt(box, 3).fontPointSize() != 14 && !formatAt(box, 3).fontStrikeOut());
        w.menuItems().mnuRemoveFormat->trigger();
        f = formatAt(box, 2);
        QVERIFY(f.fontWeight() != QFont::Bold && !f.fontStrikeOut() && f.fontPointSize() == 14);
        QCOMPARE(f.foreground().color(), QColor(Qt::blue));

        w.menuItems().mnuFontSize[0]->trigger(); // the whole note
        QCOMPARE(formatAt(box, 5).fontPointSize(), 8.0);
        QCOMPARE(box->fontSize(), 8.0);
    }

    void dropReadsTheFirstFile() {
        const QString utf8 = writeBytes(TestHome::root() + "/utf8.txt", "\xEF\xBB\xBF"
                                                                        "first\r\nline \xC3\xBC");
        const QString ansi = writeBytes(TestHome::root() + "/ansi.txt", "caf\xE9 \x80 \x93x\x94");
        const QString big = writeBytes(TestHome::root() + "/big.txt", "");
        QFile(big).resize(16 * 1024 * 1024 + 1);
        const QString fifo = TestHome::root() + "/fifo"; // reading it would block
        QProcess::execute("mkfifo", {fifo});
        QCOMPARE(FileRead::ReadWholeFile(ansi), std::optional<QString>(u"café € “x”"_qs));
        for (const QString& p : {big, fifo, TestHome::root(), big + "-gone", QString("/dev/zero")})
            QVERIFY2(!FileRead::ReadWholeFile(p), qPrintable(p));

        frmMain w; // a fresh note: the drop leaves its caption unmarked
        w.show();
        drop(w, {utf8, ansi});
        QCOMPARE(w.RTB1->text(), QString(u"first\r\nline ü"_qs));
        QVERIFY(w.IsDirty());
        QCOMPARE(w.lblCaption->text(), QString(" Pinleaf"));
        drop(w, {TestHome::root(), ansi});
        drop(w, {}, ansi);
        QCOMPARE(w.RTB1->text(), QString(u"first\r\nline ü"_qs));
        drop(w, {ansi});
        QCOMPARE(w.lblCaption->text(), QString(" Pinleaf*"));
        // A drop is an edit the text box can undo.
        w.menuItems().mnuEdit[1]->trigger();
        QCOMPARE(w.RTB1->text(), QString(u"first\r\nline ü"_qs));
    }
};

PINLEAF_TEST_MAIN(NoteEditTest)
#include "widget_noteedit.moc"
