// Printing a text box, read back from the PDF that a PDF printer writes (poppler's tools), and
// the same through the printing module that the program loads when a note is printed.
#include "NoteWidgets.h"
#include "TestHome.h"
#include "platform/PrintModule.h"
#include "platform/RichTextBox.h"
#include "platform/modPrintRtb.h"

#include <QPrinter>

namespace {
constexpr int Inch = 1440;

struct Word {
    int page;
    QString text;
    double xMin, yMin, yMax; // points from the sheet's top-left corner
};

struct Printed {
    modPrintRtb::PrintResult result;
    QString file;
    int pages = 0;
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

// Prints on Letter paper whose printable area starts a quarter inch in from every edge, with
// the given margins in inches.
Printed print(const RichTextBox& box, int top = 1, int bottom = 1) {
    static int n = 0;
    Printed out;
    out.file = TestHome::root() + QStringLiteral("/print-%1.pdf").arg(++n);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(out.file);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Point);
    out.result = modPrintRtb::PrintRichText(box, Inch, top * Inch, Inch, bottom * Inch, printer);
    // Every page, empty ones too, is a <page> element of the bounding-box listing.
    static const QRegularExpression tag(
        R"re(<page width="[\d.]+" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" )re"
        R"re(xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>)re");
    for (const QRegularExpressionMatch& m :
         tag.globalMatch(run("pdftotext", {"-bbox", out.file, "-"}))) {
        if (!m.captured(1).isEmpty()) {
            ++out.pages;
            out.pageHeight = m.captured(1).toDouble();
        } else {
            out.words << Word{out.pages, m.captured(5), m.captured(2).toDouble(),
                              m.captured(3).toDouble(), m.captured(4).toDouble()};
        }
    }
    return out;
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
        const Printed one = print(box);
        QVERIFY(one.result.printed() && one.pages == 1 && one.words.size() == 1);
        const Word& hello = one.words[0];
        QVERIFY(qAbs(hello.xMin - 72) < 1.5 && hello.yMin > 71.5 && hello.yMin < 78);
        box.setText(QString());
        QCOMPARE(print(box).pages, 1);

        QStringList lines;
        for (int i = 1; i <= 240; ++i)
            lines << QStringLiteral("line%1").arg(i, 3, 10, QLatin1Char('0'));
        box.setText(lines.join("\r\n"));
        const Printed many = print(box);
        QVERIFY(many.result.printed() && many.result.pages == many.pages && many.pages >= 3);
        QStringList seen;
        for (const Word& w : many.words) {
            seen << w.text;
            QVERIFY2(w.yMin > 71.5 && w.yMax < many.pageHeight - 71.5, qPrintable(w.text));
        }
        QCOMPARE(seen, lines);
        QCOMPARE(many.words.last().page, many.pages);

        // Margins that leave no room, also for one tall line, end the job on its first page.
        for (const int margins : {6, 5}) {
            if (margins == 5) {
                box.setText("tall");
                box.selectAll();
                box.setSelFontSize(200);
            }
            const Printed noRoom = print(box, margins, margins);
            QVERIFY(noRoom.result.status == modPrintRtb::PrintResult::Status::NoRoom &&
                    noRoom.pages == 1);
        }
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
        const Printed out = print(box);
        const QString fonts = run("pdffonts", {out.file});
        QVERIFY2(fonts.contains("Bold") && fonts.contains(QRegularExpression("Oblique|Italic")),
                 qPrintable(fonts));

        run("pdftoppm", {"-r", "40", "-png", "-singlefile", out.file, out.file});
        const QImage page(out.file + ".png");
        const auto red = [](QColor c) { return c.red() > 180 && c.green() < 90 && c.blue() < 90; };
        const auto paper = [](QColor c) {
            return c.red() > 200 && c.green() > 200 && c.blue() < 160;
        };
        QVERIFY(!page.isNull() && pixels(page, red) > 20 && pixels(page, paper) == 0);
    }

    // The program reaches printing through the module built beside it: a PDF saved that way
    // holds the note, and replaces a file already there only once it is whole.
    void moduleSavesAPdf() {
        RichTextBox box;
        box.setText("Through the module");
        const QString file = TestHome::root() + QStringLiteral("/module.pdf");
        QString error;
        QVERIFY2(PrintModule::savePdf(box, Inch, Inch, Inch, Inch, file, &error),
                 qPrintable(error));
        QVERIFY(run("pdftotext", {file, "-"}).contains("Through the module"));
        QVERIFY(!PrintModule::savePdf(box, Inch, Inch, Inch, Inch, file + "/x.pdf", &error) &&
                !error.isEmpty());
    }
};

PINLEAF_TEST_MAIN(PrintTest)
#include "widget_print.moc"
