#pragma once

#include <QString>

namespace qtplatform {

// Installs the game's translation for the desktop's languages, in their order of
// preference, with Qt's own translation for the buttons of its dialogs. Where
// English (or the C locale) comes before any translated language nothing is loaded,
// and every text stays the English source. Needs a QCoreApplication.
void installTranslations();

// The language of the installed translation, as its file names it ("de", "pt_BR");
// empty when none is installed.
QString loadedLanguage();

} // namespace qtplatform
