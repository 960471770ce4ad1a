#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

// The translators in force; replaced, not added to, when install() runs again.
QTranslator* g_program = nullptr;
QTranslator* g_qt = nullptr;

void replace(QTranslator*& slot, QTranslator* next) {
    delete slot; // a translator takes itself out of the application as it goes
    slot = next;
    if (slot)
        QCoreApplication::installTranslator(slot);
}

// The translation of `name` for `locale` (pinleaf_de_AT.qm, else pinleaf_de.qm, ...), from the
// first folder that has one.
QTranslator* load(const QLocale& locale, const QString& name, const QStringList& folders) {
    auto translator = std::make_unique<QTranslator>();
    for (const QString& folder : folders) {
        if (translator->load(locale, name, QStringLiteral("_"), folder))
            return translator.release();
    }
    return nullptr;
}

} // namespace

namespace Translations {

QStringList programFolders() {
    const QDir bin(QCoreApplication::applicationDirPath());
    return {bin.filePath(QStringLiteral("translations")),
            QDir::cleanPath(bin.filePath(QStringLiteral("../share/pinleaf/translations")))};
}

bool install(const QLocale& locale, const QStringList& folders) {
    replace(g_qt, load(locale, QStringLiteral("qtbase"),
                       {QLibraryInfo::path(QLibraryInfo::TranslationsPath)}));
    replace(g_program, load(locale, QStringLiteral("pinleaf"), folders));
    return g_program != nullptr;
}

} // namespace Translations
