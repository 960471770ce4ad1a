#include "platform/PrintModule.h"

#include "BuildConfig.h"
#include "platform/AtomicFile.h"
#include "platform/PrintModuleApi.h"

#include <QCoreApplication>
#include <QLibrary>

namespace {

using Status = modPrintRtb::PrintResult::Status;

struct Loaded {
    const PrintModuleApi* api = nullptr;
    QString error; // why there is none
};

// Beside the program (as built), else where it is installed relative to the program.
Loaded load() {
    const QString bin = QCoreApplication::applicationDirPath();
    QString error;
    for (const QString& folder : {bin, bin + u'/' + QLatin1String(BuildConfig::ModulesFromBin)}) {
        QLibrary library(folder + QStringLiteral("/pinleaf-print"));
        using Entry = const PrintModuleApi* (*)();
        const auto entry = reinterpret_cast<Entry>(library.resolve(PrintModuleEntryName));
        if (!entry) {
            error = library.errorString();
            continue;
        }
        const PrintModuleApi* api = entry();
        if (api && api->version == PrintModuleApiVersion)
            return {api, QString()};
        error = QCoreApplication::translate("PrintModule",
                                            "The printing module belongs to another version.");
    }
    return {nullptr, error};
}

const Loaded& module() {
    static const Loaded loaded = load();
    return loaded;
}

modPrintRtb::PrintResult unavailable() {
    return {Status::PrinterError, 0,
            QCoreApplication::translate("PrintModule", "Printing is not available: %1")
                .arg(module().error)};
}

} // namespace

namespace PrintModule {

modPrintRtb::PrintResult printRichText(const RichTextBox& rtb, int left, int top, int right,
                                       int bottom) {
    if (!module().api)
        return unavailable();
    return module().api->printRichText(rtb, left, top, right, bottom);
}

bool savePdf(const RichTextBox& rtb, int left, int top, int right, int bottom, const QString& path,
             QString* error) {
    if (!module().api) {
        if (error)
            *error = unavailable().reason;
        return false;
    }
    QByteArray pdf;
    const modPrintRtb::PrintResult result =
        module().api->pdfBytes(rtb, left, top, right, bottom, &pdf);
    if (pdf.isEmpty()) {
        if (error)
            *error = result.reason;
        return false;
    }
    return AtomicFile::write(path, pdf, AtomicFile::Access::Shared, error);
}

} // namespace PrintModule
