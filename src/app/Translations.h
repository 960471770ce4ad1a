#pragma once
#include <QLocale>
#include <QStringList>

// The program's texts in the user's language, and Qt's own (the buttons of its dialogs), where
// a translation for that language is installed. A language without one keeps the English texts,
// silently.
namespace Translations {

// Where pinleaf_<language>.qm files are looked for: "translations" beside the executable (the
// build folder) and <prefix>/share/pinleaf/translations beside its bin folder.
QStringList programFolders();

// Puts the program's and Qt's translations for `locale` in force, in place of any installed
// before. Returns whether the program's own translation was found in one of `folders`.
bool install(const QLocale& locale, const QStringList& folders = programFolders());

} // namespace Translations
