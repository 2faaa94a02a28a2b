#pragma once

#include <QString>
#include <QStringList>

namespace qtplatform {

// Installs the game's translation for the desktop's languages, in their order of
// preference, with Qt's own translation for the buttons of its dialogs. Where
// English (or the C locale) comes before any translated language nothing is loaded,
// and every text stays the English source. Needs a QCoreApplication.
void installTranslations();
// The same for a given list of languages, as QLocale::uiLanguages() gives them
// ("de-DE", "pt-BR"). Returns the language installed, or an empty string.
QString installTranslations(const QStringList& languages);

// Installs the translation of one language ("de", "pt_BR"; "de_AT" finds "de"), from
// the compiled-in ones or from another directory; the windows made from then on run
// the language's way. Returns false, and installs nothing, if there is none.
bool installTranslation(const QString& language, const QString& directory = QStringLiteral(":/i18n"));

// Takes the installed translation away again, so that texts are English once more.
void removeTranslation();

// The language of the installed translation, as its file names it ("de", "pt_BR");
// empty when none is installed.
QString loadedLanguage();

} // namespace qtplatform
