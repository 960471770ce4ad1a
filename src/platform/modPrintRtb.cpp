#include "platform/modPrintRtb.h"

#include "platform/RichTextBox.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>

#include <memory>

namespace {

using Status = modPrintRtb::PrintResult::Status;

constexpr double TwipsPerInch = 1440.0;

modPrintRtb::PrintResult outcome(Status status, int pages, const QString& reason = QString()) {
    return {status, pages, reason};
}

// The box's document, laid out for the printer: no frame margin, no paper colour, pages of the
// body's size in the printer's own pixels, so lines break where the printer's fonts say.
std::unique_ptr<QTextDocument> pagedCopy(const RichTextBox& rtb, QPrinter& printer,
                                         const QSizeF& body) {
    std::unique_ptr<QTextDocument> doc(rtb.document()->clone());
    doc->setDefaultFont(rtb.document()->defaultFont());
    doc->documentLayout()->setPaintDevice(&printer);
    doc->setDocumentMargin(0);
    QTextFrameFormat frame = doc->rootFrame()->frameFormat();
    frame.setMargin(0);
    frame.setPadding(0);
    frame.setBorder(0);
    frame.clearBackground();
    doc->rootFrame()->setFrameFormat(frame);
    doc->setPageSize(body);
    return doc;
}

// A line taller than the body fits on no page: printing would only cut it.
bool everyLineFits(const QTextDocument& doc, qreal bodyHeight) {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextLayout* layout = b.layout();
        for (int i = 0; layout && i < layout->lineCount(); ++i) {
            if (layout->lineAt(i).height() > bodyHeight)
                return false;
        }
    }
    return true;
}

} // namespace

namespace modPrintRtb {

PrintResult PrintRichText(const RichTextBox& rtb, int left, int top, int right, int bottom) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return outcome(Status::NoPrinter, 0,
                       QCoreApplication::translate("modPrintRtb", "No printer is set up."));
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QCoreApplication::translate("modPrintRtb", "Pinleaf Note"));
    return PrintRichText(rtb, left, top, right, bottom, printer);
}

PrintResult PrintRichText(const RichTextBox& rtb, int left, int top, int right, int bottom,
                          QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer))
        return outcome(
            Status::PrinterError, 0,
            QCoreApplication::translate("modPrintRtb", "The printer did not accept the job."));
    // Margins count from the sheet's edges; the painter's origin is the printable area's corner
    // unless the printer prints the full page.
    const qreal perTwip = printer.resolution() / TwipsPerInch;
    const QRectF sheet = printer.paperRect(QPrinter::DevicePixel);
    const QPointF origin =
        printer.fullPage() ? sheet.topLeft() : printer.pageRect(QPrinter::DevicePixel).topLeft();
    const QRectF body(QPointF(sheet.left() + left * perTwip, sheet.top() + top * perTwip) - origin,
                      QPointF(sheet.right() - right * perTwip, sheet.bottom() - bottom * perTwip) -
                          origin);
    if (body.width() < 1 || body.height() < 1) {
        painter.end();
        return outcome(Status::NoRoom, 1,
                       QCoreApplication::translate(
                           "modPrintRtb", "The margins leave no room for text on this paper."));
    }
    const std::unique_ptr<QTextDocument> doc = pagedCopy(rtb, printer, body.size());
    const bool fits = everyLineFits(*doc, body.height());
    const int pages = fits ? std::max(1, doc->pageCount()) : 1;
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !printer.newPage()) {
            painter.end();
            return outcome(Status::PrinterError, page,
                           QCoreApplication::translate(
                               "modPrintRtb", "The printer stopped in the middle of the job."));
        }
        const QRectF slice(0, page * body.height(), body.width(), body.height());
        painter.save();
        painter.translate(body.left(), body.top() - slice.top());
        painter.setClipRect(slice);
        QAbstractTextDocumentLayout::PaintContext context;
        // The layout draws every block that touches the clip, so the first line of the next page,
        // which starts exactly at this page's end, would go into this page's file unseen.
        context.clip = slice.adjusted(0, 0, 0, -0.5);
        context.palette.setColor(QPalette::Text, Qt::black);
        doc->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    painter.end();
    if (printer.printerState() == QPrinter::Error)
        return outcome(
            Status::PrinterError, pages,
            QCoreApplication::translate("modPrintRtb", "The printer reported an error."));
    if (!fits)
        return outcome(Status::NoRoom, pages,
                       QCoreApplication::translate(
                           "modPrintRtb", "A line of the note is taller than the room between the "
                                          "margins, so printing stopped after the first page."));
    return outcome(Status::Printed, pages);
}

PrintResult PdfBytes(const RichTextBox& rtb, int left, int top, int right, int bottom,
                     QByteArray* pdf) {
    pdf->clear();
    // The printer writes its file as it goes, into a folder of its own that goes with it.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return outcome(Status::PrinterError, 0, scratch.errorString());
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(scratch.filePath(QStringLiteral("note.pdf")));
    printer.setDocName(QCoreApplication::translate("modPrintRtb", "Pinleaf Note"));
    printer.setPageSize(!info.isNull() ? info.defaultPageSize()
                        : QLocale().measurementSystem() == QLocale::ImperialUSSystem
                            ? QPageSize(QPageSize::Letter)
                            : QPageSize(QPageSize::A4));
    PrintResult result = PrintRichText(rtb, left, top, right, bottom, printer);
    if (result.status != Status::Printed && result.status != Status::NoRoom)
        return result;
    QFile file(printer.outputFileName());
    if (!file.open(QIODevice::ReadOnly))
        return outcome(Status::PrinterError, result.pages, file.errorString());
    *pdf = file.readAll();
    if (pdf->isEmpty())
        return outcome(Status::PrinterError, result.pages, file.errorString());
    return result;
}

} // namespace modPrintRtb
