// What "&Print" costs for a 50-page note: the time from the command to the job handed over, to a
// PDF file and, when one is set up, to the default printer. Prints figures only (milliseconds,
// the median of several rounds).
#include "platform/RichTextBox.h"
#include "platform/modPrintRtb.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
constexpr int Inch = modPrintRtb::InchTwips;
constexpr int WantedPages = 50;

// Lines of ordinary length, every seventh one bold, as a long formatted note has.
void fill(RichTextBox& box, int lines) {
    QStringList text;
    for (int i = 0; i < lines; ++i)
        text << QStringLiteral("Line %1 of a long note that goes on for pages and pages").arg(i);
    box.setText(text.join(QStringLiteral("\r\n")));
    QTextCursor cursor(box.document());
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (QTextBlock b = box.document()->begin(); b.isValid(); b = b.next()) {
        if (b.blockNumber() % 7 != 0)
            continue;
        cursor.setPosition(b.position());
        cursor.setPosition(b.position() + b.length() - 1, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(bold);
    }
}

modPrintRtb::PrintResult toPdf(const RichTextBox& box, const QString& file) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
    return modPrintRtb::PrintRichText(box, Inch, Inch, Inch, Inch, printer);
}

double medianMs(int rounds, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("note.pdf"));
    RichTextBox box;
    int lines = 2500;
    fill(box, lines);
    int pages = toPdf(box, file).pages;
    lines = lines * WantedPages / std::max(pages, 1);
    fill(box, lines);
    pages = toPdf(box, file).pages;

    const double pdf = medianMs(5, [&] { toPdf(box, file); });
    std::printf("print a %d-page note to a PDF file: %.0f ms\n", pages, pdf);
    if (QPrinterInfo::defaultPrinter().isNull()) {
        std::printf("print a %d-page note to the default printer: no printer set up\n", pages);
        return 0;
    }
    const double printer =
        medianMs(3, [&] { modPrintRtb::PrintRichText(box, Inch, Inch, Inch, Inch); });
    std::printf("print a %d-page note to the default printer (%s), job handed over: %.0f ms\n",
                pages, qPrintable(QPrinterInfo::defaultPrinter().printerName()), printer);
    return 0;
}
