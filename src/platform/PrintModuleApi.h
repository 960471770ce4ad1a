#pragma once
// What the printing module offers the program. Printing needs Qt's print support, which costs
// every start the time to load and link it; the module carries it and is loaded the first time
// a note is printed (platform/PrintModule).
#include "platform/modPrintRtb.h"

class RichTextBox;

struct PrintModuleApi {
    int version;
    modPrintRtb::PrintResult (*printRichText)(const RichTextBox& rtb, int left, int top, int right,
                                              int bottom);
    modPrintRtb::PrintResult (*pdfBytes)(const RichTextBox& rtb, int left, int top, int right,
                                         int bottom, QByteArray* pdf);
};

// Raised whenever the table above changes, so that a module of another build is refused.
inline constexpr int PrintModuleApiVersion = 1;

// The one symbol the module exports: extern "C" const PrintModuleApi* pinleafPrintModule().
inline constexpr const char* PrintModuleEntryName = "pinleafPrintModule";
