#include "platform/RichTextBox.h"

#include "FifoTrap.h"
#include "TestHome.h"
#include "platform/CrLfText.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QTextBlock>

namespace {
// The character formats of the text runs, block after block.
QList<QTextCharFormat> runs(const QTextDocument* doc) {
    QList<QTextCharFormat> out;
    for (QTextBlock b = doc->firstBlock(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it)
            out.append(it.fragment().charFormat());
    }
    return out;
}

void press(QWidget* box, std::initializer_list<QKeyCombination> keys, int times = 1) {
    for (int i = 0; i < times; ++i) {
        for (const QKeyCombination k : keys)
            QTest::keyClick(box, k.key(), k.keyboardModifiers());
    }
}

constexpr QKeyCombination ShiftRight = Qt::SHIFT | Qt::Key_Right;
} // namespace

class RichTextBoxTest : public QObject {
    Q_OBJECT
    QWidget* m_window = nullptr;
    RichTextBox* m_box = nullptr;

private slots:
    void init() {
        m_window = new QWidget;
        m_box = new RichTextBox(m_window);
        m_box->setGeometry(0, 0, 300, 200);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
    void cleanup() {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        delete m_window;
    }

    // CR LF, lone LF and lone CR are one break each, so "\r\r\n", "\n\r" and "\n\n" are two.
    // Positions map both ways; one between CR and LF goes to the start of its break, and positions
    // out of range are clamped.
    void crLfTextAndPositions() {
        QCOMPARE(CrLfText::toDocText("a\r\nb\nc\rd\r\r\ne\n\rf\n\ng\r"),
                 "a\nb\nc\nd\n\ne\n\nf\n\ng\n");
        QCOMPARE(CrLfText::toCrLf("a\n\nb\n"), "a\r\n\r\nb\r\n");
        const QString doc = "ab\n\ncd"; // a b CR LF CR LF c d
        const int crlf[] = {0, 1, 2, 4, 6, 7, 8};
        for (int i = 0; i <= int(doc.size()); ++i) {
            QCOMPARE(CrLfText::toCrLfPos(doc, i), crlf[i]);
            QCOMPARE(CrLfText::toDocPos(doc, crlf[i]), i);
        }
        QVERIFY(CrLfText::toDocPos(doc, 3) == 2 && CrLfText::toDocPos(doc, 5) == 3);
        QVERIFY(CrLfText::toDocPos(doc, -4) == 0 && CrLfText::toDocPos(doc, 99) == 6);
        QVERIFY(CrLfText::toCrLfPos(doc, -1) == 0 && CrLfText::toCrLfPos(doc, 99) == 8);
        QCOMPARE(CrLfText::toDocPos(QString(), 3), 0);
    }

    // Callers see CR LF breaks (a line separator is one too, a non-breaking space stays), and
    // selections count both characters of each.
    void crLfTextAndSelection() {
        QSignalSpy changed(m_box, &RichTextBox::contentChanged);
        m_box->setText("x" + QString(QChar(QChar::LineSeparator)) + "y\u00A0z");
        QVERIFY(changed.count() > 0);
        QCOMPARE(m_box->text(), "x\r\ny\u00A0z");
        m_box->setText("ab\r\ncd");
        m_box->setSelStart(1);
        press(m_box, {ShiftRight}, 2);
        QVERIFY(m_box->selStart() == 1 && m_box->selLength() == 3 && m_box->selText() == "b\r\n");
        m_box->setSelText("X\nY");
        QVERIFY(m_box->text() == "aX\r\nYcd" && m_box->selStart() == 5 && m_box->selLength() == 0);
    }

    // Attributes set at the caret go onto the text inserted next, colours given as 0x00BBGGRR.
    // The control's size reaches all text and what is typed next.
    void formatting() {
        m_box->setText("Title");
        m_box->setSelStart(5);
        m_box->setSelColor(0xFF0000);
        m_box->setSelFontSize(14);
        m_box->setSelBold(true);
        m_box->setSelText("\r\nblue");
        QList<QTextCharFormat> f = runs(m_box->document());
        QVERIFY(f.size() == 2 && !f[0].hasProperty(QTextFormat::ForegroundBrush));
        QVERIFY(!f[0].font().bold() && f[1].font().bold() && f[1].fontPointSize() == 14);
        QCOMPARE(f[1].foreground().color(), QColor(Qt::blue));

        m_box->setSelFontSize(30); // pending at the caret: the control's size wins
        m_box->setFontSize(20);
        QTest::keyClick(m_box, Qt::Key_F);
        f = runs(m_box->document());
        QCOMPARE(m_box->text(), "Title\r\nbluef");
        for (const QTextCharFormat& run : f)
            QVERIFY(run.font().pointSizeF() == 20 && run.font().bold() == (&run != &f.first()));

        // Replacing a selection keeps the look of its first character, also when selected
        // backwards.
        m_box->setText("abc");
        m_box->setSelStart(1);
        press(m_box, {ShiftRight});
        m_box->setSelStrikeThru(true);
        m_box->setSelStart(3);
        press(m_box, {Qt::SHIFT | Qt::Key_Left}, 2);
        m_box->setSelText("X");
        QCOMPARE(m_box->text(), "aX");
        QVERIFY(runs(m_box->document()).last().fontStrikeOut());
    }

    // Right presses, double ones too, keep the selection for the window's menus and go no
    // further (the note's menu tests see which menu opens). A left press and release inside is a
    // click; one released outside is none.
    void mouse() {
        m_box->setText("hello world");
        press(m_box, {ShiftRight}, 5);
        QSignalSpy clicks(m_box, &RichTextBox::clicked);
        const QPoint inside(150, 100), global = m_box->viewport()->mapToGlobal(inside);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick}) {
            QMouseEvent right(type, inside, global, Qt::RightButton, Qt::RightButton, {});
            right.ignore();
            QApplication::sendEvent(m_box->viewport(), &right);
            QVERIFY(right.isAccepted());
        }
        QCOMPARE(m_box->selText(), "hello");
        QTest::mouseClick(m_box->viewport(), Qt::LeftButton, {}, inside);
        QTest::mousePress(m_box->viewport(), Qt::LeftButton, {}, inside);
        QTest::mouseRelease(m_box->viewport(), Qt::LeftButton, {}, QPoint(500, 500));
        QVERIFY(clicks.count() == 1 && m_box->selLength() == 0);
    }

    // The window sees each key's code first (it may open a menu), then hears of each edit while
    // the box still holds the text from before: typing, deleting, breaking a line, cutting and
    // pasting, each once. Moving, modifiers and copying are no edits, and nothing on a
    // read-only box is, whose text can still be selected from the keyboard and set by the
    // program.
    void editingComesBeforeTheEdit() {
        QStringList before;
        QStringList textAtKey;
        QList<int> codes;
        connect(m_box, &RichTextBox::editing, this, [&] { before.append(m_box->text()); });
        connect(m_box, &RichTextBox::keyDown, this, [&](int code) {
            codes.append(code);
            textAtKey.append(m_box->text());
        });
        m_box->setText("");
        QApplication::clipboard()->setText("p");
        press(m_box, {Qt::Key_A, Qt::Key_Shift, Qt::Key_Control, Qt::Key_Menu, Qt::Key_Left,
                      Qt::Key_End, Qt::CTRL | Qt::Key_C, Qt::Key_Tab, Qt::Key_Backspace,
                      Qt::Key_Return, Qt::CTRL | Qt::Key_V, Qt::CTRL | Qt::Key_Home, Qt::Key_Delete,
                      Qt::CTRL | Qt::Key_A, Qt::CTRL | Qt::Key_X});
        QCOMPARE(before, (QStringList{"", "a", "a\t", "a", "a\r\n", "a\r\np", "\r\np"}));
        QCOMPARE(m_box->text(), "");
        QVERIFY(codes.first(4) == (QList<int>{65, 16, 17, 93}) && textAtKey.first().isEmpty());

        m_box->setText("fixed");
        m_box->setReadOnly(true);
        press(m_box,
              {Qt::Key_X, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return, Qt::CTRL | Qt::Key_V});
        m_box->paste();
        QVERIFY(before.size() == 7 && m_box->text() == "fixed");
        m_box->setSelStart(0);
        press(m_box, {ShiftRight}, 2);
        m_box->setSelText("z");
        QCOMPARE(m_box->text(), "zxed");
    }

    // Pasted HTML keeps its character formatting; its pictures, whatever they name, are dropped
    // and nothing it names is opened. Rich text given to the box loads nothing either.
    void pastedMarkupLoadsNothing() {
        FifoTrap fifo(TestHome::root() + "/picture.fifo");
        QVERIFY(fifo.isValid());
        const QString url = QUrl::fromLocalFile(fifo.path()).toString();
        auto* mime = new QMimeData;
        mime->setHtml(QString("<p>one <b>bold</b><img src=\"%1\"><img src=\"%2\"> end</p>"
                              "<p style=\"background-image:url(%2)\">two</p>")
                          .arg(url, fifo.path()));
        mime->setText("plain");
        QApplication::clipboard()->setMimeData(mime);
        m_box->setText("");
        m_box->paste();
        QVERIFY(!m_box->grab().isNull());
        QCOMPARE(m_box->text(), "one bold end\r\ntwo");
        const QList<QTextCharFormat> f = runs(m_box->document());
        QVERIFY(std::none_of(f.begin(), f.end(), [](auto& r) { return r.isImageFormat(); }));
        QVERIFY(std::count_if(f.begin(), f.end(), [](auto& r) { return r.font().bold(); }) == 1);

        m_box->setHtml(QString("<img src=\"%1\"><img src=\"%2\">").arg(url, fifo.path()));
        QVERIFY(!m_box->grab().isNull() && !fifo.wasOpened());
    }
};

PINLEAF_TEST_MAIN(RichTextBoxTest)
#include "widget_richtextbox.moc"
