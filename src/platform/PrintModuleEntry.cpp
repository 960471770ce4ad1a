// The printing module's entry: the printing code of modPrintRtb, reached through one table.
#include "platform/PrintModuleApi.h"

#include <QtGlobal>

namespace {
modPrintRtb::PrintResult printRichText(const RichTextBox& rtb, int left, int top, int right,
                                       int bottom) {
    return modPrintRtb::PrintRichText(rtb, left, top, right, bottom);
}

const PrintModuleApi Api{PrintModuleApiVersion, &printRichText, &modPrintRtb::PdfBytes};
} // namespace

extern "C" Q_DECL_EXPORT const PrintModuleApi* pinleafPrintModule() {
    return &Api;
}
