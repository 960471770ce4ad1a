#pragma once
#include <QByteArray>
#include <QString>

class QPrinter;
class RichTextBox;

// Prints a text box's rich text page by page, with its formatting, inside margins measured from
// the sheet's edges.
namespace modPrintRtb {

// The margin of every side that "&Print" uses: one inch.
inline constexpr int InchTwips = 1440;

struct PrintResult {
    enum class Status {
        Printed,
        NoPrinter,    // no default printer is set up
        PrinterError, // the printer refused the job or failed on the way
        NoRoom,       // no line fits between the margins; the job ended after its first page
    };
    Status status = Status::Printed;
    int pages = 0;
    QString reason; // a sentence for the user when not printed
    bool printed() const { return status == Status::Printed; }
};

// Prints the whole text on the default printer without a dialog. Margins are in twips.
PrintResult PrintRichText(const RichTextBox& rtb, int left, int top, int right, int bottom);

// The same on a given printer (a PDF printer, say). Pages break between whole lines, each
// starting where the last stopped; an empty text gives one empty page. Text prints as the box
// shows it, its paper colour left out; text without a colour of its own prints black.
PrintResult PrintRichText(const RichTextBox& rtb, int left, int top, int right, int bottom,
                          QPrinter& printer);

// The text as the bytes of a PDF file, on the paper of the default printer (else the locale's),
// printed as above. Anything but Printed or NoRoom leaves `pdf` empty and says why.
PrintResult PdfBytes(const RichTextBox& rtb, int left, int top, int right, int bottom,
                     QByteArray* pdf);

} // namespace modPrintRtb
