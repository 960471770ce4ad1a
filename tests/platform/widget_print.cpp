// Printing a text box, read back from the PDF that a PDF printer writes (poppler's tools).
#include "NoteWidgets.h"
#include "TestHome.h"
#include "platform/RichTextBox.h"
#include "platform/modPrintRtb.h"

#include <QApplication>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTextCursor>
#include <QtTest>

namespace {
constexpr int Inch = 1440;

struct Word {
    int page;
    QString text;
    double xMin, yMin, xMax, yMax; // points from the sheet's top-left corner
};

struct Printed {
    modPrintRtb::PrintResult result;
    QString file;
    double pageHeight = 0;
    QList<Word> words;
};

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        qFatal("%s failed", qPrintable(program));
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Prints on Letter paper whose printable area starts a quarter inch in from every edge.
Printed print(const RichTextBox& box, int left, int top, int right, int bottom) {
    static int n = 0;
    Printed out;
    out.file = TestHome::root() + QStringLiteral("/print-%1.pdf").arg(++n);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(out.file);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Point);
    out.result = modPrintRtb::PrintRichText(box, left, top, right, bottom, printer);
    const QString bbox = run("pdftotext", {"-bbox", out.file, "-"});
    static const QRegularExpression tag(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" )re"
        R"re(xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    int page = 0;
    for (const QRegularExpressionMatch& m : tag.globalMatch(bbox)) {
        if (!m.captured(1).isEmpty()) {
            ++page;
            out.pageHeight = m.captured(2).toDouble();
            continue;
        }
        out.words << Word{page,
                          m.captured(7),
                          m.captured(3).toDouble(),
                          m.captured(4).toDouble(),
                          m.captured(5).toDouble(),
                          m.captured(6).toDouble()};
    }
    return out;
}

int pageCount(const QString& file) {
    const QRegularExpressionMatch m =
        QRegularExpression(R"(Pages:\s+(\d+))").match(run("pdfinfo", {file}));
    return m.captured(1).toInt();
}
} // namespace

class PrintTest : public QObject {
    Q_OBJECT
private slots:
    // One page for a short note and for an empty one; a long note over as many pages as it needs,
    // every line once, in order, whole on its page, none on a trailing empty page; text one inch
    // from the sheet's left and top edges. Margins that leave no room end the job.
    void pagesBreakBetweenWholeLines() {
        RichTextBox box;
        box.setText("Hello");
        Printed one = print(box, Inch, Inch, Inch, Inch);
        QVERIFY(one.result.printed());
        QCOMPARE(pageCount(one.file), 1);
        QCOMPARE(one.words.size(), 1);
        QVERIFY2(qAbs(one.words[0].xMin - 72) < 1.5,
                 qPrintable(QString::number(one.words[0].xMin)));
        QVERIFY2(one.words[0].yMin > 71.5 && one.words[0].yMin < 78,
                 qPrintable(QString::number(one.words[0].yMin)));

        box.setText(QString());
        QCOMPARE(pageCount(print(box, Inch, Inch, Inch, Inch).file), 1);

        QStringList lines;
        for (int i = 1; i <= 240; ++i)
            lines << QStringLiteral("line%1").arg(i, 3, 10, QLatin1Char('0'));
        box.setText(lines.join("\r\n"));
        const Printed many = print(box, Inch, Inch, Inch, Inch);
        QVERIFY(many.result.printed());
        const int pages = pageCount(many.file);
        QCOMPARE(many.result.pages, pages);
        QVERIFY(pages >= 3);
        QStringList seen;
        for (const Word& w : many.words) {
            seen << w.text;
            QVERIFY2(w.yMin > 71.5 && w.yMax < many.pageHeight - 71.5,
                     qPrintable(QStringLiteral("%1 on page %2 at %3..%4")
                                    .arg(w.text)
                                    .arg(w.page)
                                    .arg(w.yMin)
                                    .arg(w.yMax)));
        }
        QCOMPARE(seen, lines);
        QCOMPARE(many.words.last().page, pages);

        const Printed noRoom = print(box, Inch, 6 * Inch, Inch, 6 * Inch);
        QCOMPARE(noRoom.result.status, modPrintRtb::PrintResult::Status::NoRoom);
        QCOMPARE(pageCount(noRoom.file), 1);
        box.setText("tall");
        box.selectAll();
        box.setSelFontSize(200);
        const Printed tooTall = print(box, Inch, 5 * Inch, Inch, 5 * Inch);
        QCOMPARE(tooTall.result.status, modPrintRtb::PrintResult::Status::NoRoom);
        QCOMPARE(pageCount(tooTall.file), 1);
    }

    // Bold and italic text keep their faces and coloured text its colour; the note's paper
    // colour stays off the page.
    void formattingPrintsAsTheNoteShowsIt() {
        RichTextBox box;
        box.setBackColor(0x80FFFF); // yellow paper
        box.setText("plain bold italic red");
        select(&box, 6, 10);
        box.setSelBold(true);
        select(&box, 11, 17);
        box.setSelItalic(true);
        select(&box, 18, 21);
        box.setSelColor(0x0000FF); // red
        box.setSelFontSize(48);
        const Printed out = print(box, Inch, Inch, Inch, Inch);
        const QString fonts = run("pdffonts", {out.file});
        QVERIFY2(fonts.contains(QRegularExpression("Bold")), qPrintable(fonts));
        QVERIFY2(fonts.contains(QRegularExpression("Oblique|Italic")), qPrintable(fonts));

        run("pdftoppm", {"-r", "40", "-png", "-singlefile", out.file, out.file});
        const QImage page(out.file + ".png");
        QVERIFY(!page.isNull());
        const auto red = [](QColor c) { return c.red() > 180 && c.green() < 90 && c.blue() < 90; };
        const auto yellow = [](QColor c) {
            return c.red() > 200 && c.green() > 200 && c.blue() < 160;
        };
        QVERIFY(pixels(page, red) > 20);
        QCOMPARE(pixels(page, yellow), 0);
    }
};

PINLEAF_TEST_MAIN(PrintTest)
#include "widget_print.moc"
