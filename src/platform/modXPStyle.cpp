#include "platform/modXPStyle.h"

#include "platform/ManifestPlatform.h"
#include "platform/ProcessLauncher.h"

#include <QDir>
#include <QStringList>

ManifestPlatform::~ManifestPlatform() = default;

namespace {
// Every file attribute that the look-up counts: read-only, hidden, system and archive.
constexpr int LookupMask = FileAttribute::ReadOnly | FileAttribute::Hidden | FileAttribute::System |
                           FileAttribute::Archive;

// Text from the executable's version resource or its file name goes into attribute values and
// an element: escaped, it cannot break the XML (Windows refuses to start a program whose
// manifest does not parse).
QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}
} // namespace

namespace modXPStyle {

QString ManifestTemplate() {
    // Lines 14 to 19 name the common-controls assembly, version 6, by its published identity.
    static const char* const Lines[] = {
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?> )",
        R"(<assembly )",
        R"(   xmlns="urn:schemas-microsoft-com:asm.v1" )",
        R"(   manifestVersion="1.0">)",
        R"(<assemblyIdentity )",
        R"(    processorArchitecture="x86" )",
        R"(    version="EXEVERSION")",
        R"(    type="win32")",
        R"(    name="EXENAME"/>)",
        R"(    <description>EXEDESCRIBTION</description>)",
        R"(    <dependency>)",
        R"(    <dependentAssembly>)",
        R"(    <assemblyIdentity)",
        R"(         type="win32")",
        R"(         name="Microsoft.Windows.Common-Controls")",
        R"(         version="6.0.0.0")",
        R"(         publicKeyToken="6595b64144ccf1df")",
        R"(         language="*")",
        R"(         processorArchitecture="x86"/>)",
        R"(    </dependentAssembly>)",
        R"(    </dependency>)",
        R"(</assembly>)",
    };
    QString text;
    for (const char* line : Lines)
        text += QLatin1String(line) + QLatin1String("\r\n");
    // Windows refuses to start a program whose manifest names another processor than its own: a
    // 64-bit program names "amd64" where a 32-bit one names "x86".
    if constexpr (sizeof(void*) == 8)
        text.replace(QLatin1String("processorArchitecture=\"x86\""),
                     QLatin1String("processorArchitecture=\"amd64\""));
    return text;
}

QByteArray ManifestBytes(const QString& exeName, int majorNumber, int minorNumber, int revision,
                         const QString& description) {
    const QString version =
        QStringLiteral("%1.%2.%3.0").arg(majorNumber).arg(minorNumber).arg(revision);
    QString text = ManifestTemplate();
    text.replace(QLatin1String("EXENAME"), escaped(exeName + QLatin1String(".exe")),
                 Qt::CaseSensitive);
    text.replace(QLatin1String("EXEVERSION"), version, Qt::CaseSensitive);
    text.replace(QLatin1String("EXEDESCRIBTION"), escaped(description), Qt::CaseSensitive);
    return text.toUtf8();
}

bool EnsureStyleManifest(bool& Restart, bool& Overwrite, ManifestPlatform& platform) {
    platform.initCommonControls();
    // From here on a step that fails is passed over: the manifest only changes the look.
    if (Restart)
        Overwrite = false;
    const QString folder = platform.executableFolder();
    const QString name = platform.executableName();
    const QString path = folder + QDir::separator() + name + QLatin1String(".exe.manifest");
    const bool present = !platform.findFile(path, LookupMask).isEmpty();
    if (present && !Overwrite)
        return true;

    const ProgramVersion version = platform.executableVersion();
    const QByteArray bytes = ManifestBytes(name, version.majorNumber, version.minorNumber,
                                           version.revision, platform.fileDescription());
    if (present) {
        platform.setAttributes(path, FileAttribute::Normal);
        platform.deleteFile(path);
    }
    platform.writeFile(path, bytes);
    platform.setAttributes(path, FileAttribute::Hidden | FileAttribute::System);

    // Restarting without a complete manifest would find none again and restart without end; and
    // a new process that did not start leaves this one running rather than none.
    const bool written =
        !platform.findFile(path, LookupMask).isEmpty() && platform.readFile(path) == bytes;
    if (Restart && written) {
        const QString commandLine = folder + QDir::separator() + name + QLatin1String(".exe ") +
                                    platform.commandLineArguments();
        const auto launcher = ProcessLauncher::current();
        if (launcher->start(commandLine))
            launcher->endNow();
    }
    return present;
}

bool EnsureStyleManifest(bool& Restart, bool& Overwrite) {
    SystemManifestPlatform platform;
    return EnsureStyleManifest(Restart, Overwrite, platform);
}

} // namespace modXPStyle
