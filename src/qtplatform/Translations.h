#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace qtplatform {

// Installs the game's translation for the first of the desktop's languages ("de-DE",
// "pt-BR") that has one, with Qt's own for the buttons of its dialogs, and returns its
// language. Where English (or the C locale) comes first nothing is loaded, and every
// text stays the English source. Needs a QCoreApplication.
QString installTranslations(const QStringList& languages = QLocale::system().uiLanguages());

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
