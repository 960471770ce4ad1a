#pragma once
// Printing from a note, through the printing module, which is loaded the first time it is
// needed. Where the module cannot be loaded, printing fails with a reason for the user.
#include "platform/modPrintRtb.h"

#include <QString>

class RichTextBox;

namespace PrintModule {

// The whole text on the default printer, as modPrintRtb::PrintRichText.
modPrintRtb::PrintResult printRichText(const RichTextBox& rtb, int left, int top, int right,
                                       int bottom);

// The text as a PDF file at `path`, written whole or not at all. False with a sentence in
// `error`; a note whose line is taller than the room between the margins gives its first page.
bool savePdf(const RichTextBox& rtb, int left, int top, int right, int bottom, const QString& path,
             QString* error = nullptr);

} // namespace PrintModule
