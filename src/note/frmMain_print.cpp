// "&Print": the note's rich text on the default printer, or as a PDF file when it cannot be.
#include "note/frmMain.h"

#include "platform/MessagePrompt.h"
#include "platform/PrintModule.h"
#include "platform/RichTextBox.h"
#include "platform/clsCommonDialog.h"

#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

namespace {
constexpr int Inch = modPrintRtb::InchTwips;

// Where the PDF dialog opens, with a name made from today's date filled in.
QString suggestedPdfPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH.mm"));
    return folder + QStringLiteral("/Pinleaf Note ") + stamp + QStringLiteral(".pdf");
}
} // namespace

void frmMain::onPrint() {
    using Status = modPrintRtb::PrintResult::Status;
    const modPrintRtb::PrintResult result =
        PrintModule::printRichText(*RTB1, Inch, Inch, Inch, Inch);
    switch (result.status) {
    case Status::Printed:
        return;
    case Status::NoRoom:
        MessagePrompt::warn(this, tr("Print"), result.reason);
        return;
    case Status::NoPrinter:
    case Status::PrinterError:
        offerPdf(result.reason);
        return;
    }
}

// The same pages as a PDF file, from the same printing code.
void frmMain::offerPdf(const QString& reason) {
    const MessagePrompt::Answer answer = MessagePrompt::askYesNo(
        this, tr("Print"),
        reason + tr("\n\nWould you like to save the note as a PDF file instead?"));
    if (answer != MessagePrompt::Yes)
        return;
    clsCommonDialog dialog;
    dialog.setDialogTitle(tr("Save the note as PDF"));
    dialog.setFilter(tr("PDF Document") + QStringLiteral(" (*.pdf)|*.pdf"));
    dialog.setDefaultExt(QStringLiteral("pdf"));
    dialog.setInitDir(suggestedPdfPath());
    dialog.setFlags(0x80004 | FileDialogFlags::OverwritePrompt);
    if (dialog.ShowSave() <= 0)
        return;
    QString error;
    if (!PrintModule::savePdf(*RTB1, Inch, Inch, Inch, Inch, dialog.FileName(), &error))
        MessagePrompt::warn(
            this, tr("Print"),
            tr("Pinleaf could not save the PDF file:\n\n%1\n\n%2").arg(dialog.FileName(), error));
}
