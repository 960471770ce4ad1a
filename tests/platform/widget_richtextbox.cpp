#include "platform/RichTextBox.h"

#include "TestHome.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QUrl>

namespace {
QList<QTextFragment> fragments(const QTextBlock& block) {
    QList<QTextFragment> out;
    for (auto it = block.begin(); !it.atEnd(); ++it)
        out.append(it.fragment());
    return out;
}

void shiftKeys(RichTextBox& box, Qt::Key key, int count) {
    for (int i = 0; i < count; ++i)
        QTest::keyClick(&box, key, Qt::ShiftModifier);
}
} // namespace

class RichTextBoxTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void plainTextAndPositions();
    void formatting();
    void keysAndReadOnly();
    void mouse();
    void drops();

private:
    QWidget* m_window = nullptr;
    RichTextBox* m_box = nullptr;
};

void RichTextBoxTest::init() {
    m_window = new QWidget;
    m_box = new RichTextBox(m_window);
    m_box->setGeometry(0, 0, 300, 200);
    QFont f = m_box->font();
    f.setPointSizeF(9);
    m_box->setFont(f);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void RichTextBoxTest::cleanup() {
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    delete m_window;
}

void RichTextBoxTest::plainTextAndPositions() {
    RichTextBox& box = *m_box;
    QSignalSpy changed(&box, &RichTextBox::contentChanged);
    box.setText(QStringLiteral("a\r\nb\nc\rd"));
    QVERIFY(changed.count() > 0);
    QCOMPARE(box.text(), QStringLiteral("a\r\nb\r\nc\r\nd"));
    // A line separator is a break too; a non-breaking space stays one.
    box.setText(QStringLiteral("x") + QChar(QChar::LineSeparator) + QStringLiteral("y\u00A0z"));
    QCOMPARE(box.text(), QStringLiteral("x\r\ny\u00A0z"));

    box.setText(QStringLiteral("ab\r\ncd"));
    QCOMPARE(box.selStart(), 0);
    box.setSelStart(box.text().length());
    QCOMPARE(box.selStart(), 6);
    box.setSelStart(3); // between CR and LF
    QCOMPARE(box.selStart(), 2);
    box.setSelStart(1);
    shiftKeys(box, Qt::Key_Right, 2);
    QCOMPARE(box.selStart(), 1);
    QCOMPARE(box.selLength(), 3);
    QCOMPARE(box.selText(), QStringLiteral("b\r\n"));
    box.setSelText(QStringLiteral("X\nY"));
    QCOMPARE(box.text(), QStringLiteral("aX\r\nYcd"));
    QCOMPARE(box.selStart(), 5);
    QCOMPARE(box.selLength(), 0);
}

void RichTextBoxTest::formatting() {
    RichTextBox& box = *m_box;
    box.setText(QStringLiteral("Title"));
    const double points[] = {14, 8};
    box.setSelStart(box.text().length());
    box.setSelColor(0xFF0000);
    box.setSelFontSize(points[0]);
    box.setSelText(QStringLiteral("\r\nblue"));
    box.setSelStart(box.text().length());
    box.setSelColor(0x0000FF);
    box.setSelFontSize(points[1]);
    box.setSelBold(true);
    box.setSelText(QStringLiteral("\r\nred"));
    QCOMPARE(box.text(), QStringLiteral("Title\r\nblue\r\nred"));
    QTextBlock block = box.document()->firstBlock();
    QVERIFY(!fragments(block)[0].charFormat().hasProperty(QTextFormat::ForegroundBrush));
    const QColor colors[] = {Qt::blue, Qt::red};
    for (int i = 0; i < 2; ++i) {
        block = block.next();
        QCOMPARE(fragments(block).size(), 1);
        const QTextCharFormat f = fragments(block)[0].charFormat();
        QCOMPARE(f.foreground().color(), colors[i]);
        QCOMPARE(f.fontPointSize(), points[i]);
        QCOMPARE(f.font().bold(), i == 1);
    }

    // The control's size reaches all text and what is typed next; bold stays.
    box.setSelFontSize(22);
    box.setFontSize(12);
    QCOMPARE(box.fontSize(), 12.0);
    QTest::keyClick(&box, Qt::Key_F);
    for (QTextBlock b = box.document()->firstBlock(); b.isValid(); b = b.next()) {
        for (const QTextFragment& f : fragments(b)) {
            QCOMPARE(f.charFormat().font().pointSizeF(), 12.0);
            QCOMPARE(f.charFormat().font().bold(), f.text().startsWith(u'r'));
        }
    }

    // Setting the text drops all formatting; the control's font stays.
    box.setText(QStringLiteral("abc"));
    QTextCharFormat plain = fragments(box.document()->firstBlock())[0].charFormat();
    QVERIFY(!plain.hasProperty(QTextFormat::ForegroundBrush) && !plain.font().bold());
    QCOMPARE(plain.font().pointSizeF(), 12.0);

    box.setSelStart(1);
    shiftKeys(box, Qt::Key_Right, 1);
    box.setSelStrikeThru(true);
    QList<QTextFragment> frags = fragments(box.document()->firstBlock());
    QCOMPARE(frags.size(), 3);
    QVERIFY(frags[1].charFormat().fontStrikeOut() && !frags[2].charFormat().fontStrikeOut());
    // Replacing a selection keeps the look of its first character, also when selected backwards.
    box.setSelStart(3);
    shiftKeys(box, Qt::Key_Left, 2);
    box.setSelText(QStringLiteral("X"));
    QCOMPARE(box.text(), QStringLiteral("aX"));
    QVERIFY(fragments(box.document()->firstBlock()).last().charFormat().fontStrikeOut());
}

void RichTextBoxTest::keysAndReadOnly() {
    RichTextBox& box = *m_box;
    QList<int> codes;
    QStringList textAtKey;
    connect(&box, &RichTextBox::keyDown, this, [&](int code) {
        codes.append(code);
        textAtKey.append(box.text());
    });
    QTest::keyClick(&box, Qt::Key_Control);
    QTest::keyClick(&box, Qt::Key_Menu);
    QTest::keyClick(&box, 'a');
    QCOMPARE(codes, (QList<int>{17, 93, 65}));
    QCOMPARE(textAtKey.last(), QString());
    QCOMPARE(box.text(), QStringLiteral("a"));

    box.setText(QStringLiteral("abc"));
    box.setReadOnly(true);
    QTest::keyClick(&box, 'x');
    QCOMPARE(codes.last(), 88);
    QCOMPARE(box.text(), QStringLiteral("abc"));
    shiftKeys(box, Qt::Key_Right, 2);
    QCOMPARE(box.selText(), QStringLiteral("ab"));
    box.setSelText(QStringLiteral("z")); // the program still writes into it
    box.setReadOnly(false);
    QTest::keyClick(&box, 'x');
    QCOMPARE(box.text(), QStringLiteral("zxc"));
}

void RichTextBoxTest::mouse() {
    RichTextBox& box = *m_box;
    box.setText(QStringLiteral("hello world"));
    shiftKeys(box, Qt::Key_Right, 5);
    QSignalSpy downs(&box, &RichTextBox::mouseDown);
    QSignalSpy clicks(&box, &RichTextBox::clicked);
    const QPoint inside(150, 100);
    const QPoint global = box.viewport()->mapToGlobal(inside);

    // Right presses, double ones too, keep the selection and stay with the box; no menu of its
    // own opens.
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick}) {
        QMouseEvent press(type, inside, global, Qt::RightButton, Qt::RightButton, {});
        press.ignore();
        QApplication::sendEvent(box.viewport(), &press);
        QVERIFY(press.isAccepted());
    }
    QContextMenuEvent menu(QContextMenuEvent::Mouse, inside, global);
    QApplication::sendEvent(box.viewport(), &menu);
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    QCOMPARE(box.selText(), QStringLiteral("hello"));
    QCOMPARE(downs.count(), 2);
    QCOMPARE(downs.at(0).at(0).toInt(), 2);

    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, inside);
    QCOMPARE(downs.last().at(0).toInt(), 1);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(box.selLength(), 0);
    // Pressed inside, released outside: no click.
    QTest::mousePress(box.viewport(), Qt::LeftButton, {}, inside);
    QTest::mouseRelease(box.viewport(), Qt::LeftButton, {}, QPoint(500, 500));
    QCOMPARE(clicks.count(), 1);
}

void RichTextBoxTest::drops() {
    RichTextBox& box = *m_box;
    box.setText(QStringLiteral("keep"));
    QList<QStringList> dropped;
    connect(&box, &RichTextBox::dataDropped, this, [&](const DroppedData& d) {
        dropped.append(d.hasFileList() ? d.files() : QStringList());
    });
    const QString first = TestHome::root() + QStringLiteral("/first.txt");
    const QString second = TestHome::root() + QStringLiteral("/second.txt");
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(first), QUrl(QStringLiteral("https://example.org/x")),
                   QUrl::fromLocalFile(second)});
    QMimeData text;
    text.setText(QStringLiteral("dragged"));
    for (const QMimeData* mime : {&files, &text}) {
        QDragEnterEvent enter({10, 10}, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, {});
        QApplication::sendEvent(box.viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop({10, 10}, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, {});
        drop.setDropAction(Qt::MoveAction); // a move would let the source delete what it sent
        QApplication::sendEvent(box.viewport(), &drop);
        QCOMPARE(drop.dropAction(), Qt::CopyAction);
    }
    QCOMPARE(dropped, (QList<QStringList>{{first, second}, {}}));
    QCOMPARE(DroppedData(&files).firstFile(), first);
    QCOMPARE(box.text(), QStringLiteral("keep"));
}

PINLEAF_TEST_MAIN(RichTextBoxTest)
#include "widget_richtextbox.moc"
