#include "Translations.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace qtplatform {

namespace {

// Each translation says which way its language runs, as Qt's own translations do.
[[maybe_unused]] const char* const layoutDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

QString& installedLanguage()
{
    static QString language;
    return language;
}

bool isEnglish(const QString& name)
{
    return name == QLatin1String("C") || name == QLatin1String("POSIX") || name == QLatin1String("en") ||
           name.startsWith(QLatin1String("en_"));
}

} // namespace

void installTranslations()
{
    QCoreApplication* application = QCoreApplication::instance();
    for (QString name : QLocale::system().uiLanguages()) {
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (isEnglish(name))
            return;
        // The game's translations are compiled in (translations/); "de_AT" finds "de".
        auto* game = new QTranslator(application);
        if (!game->load(QStringLiteral("glimmerkin_") + name, QStringLiteral(":/i18n"))) {
            delete game;
            continue;
        }
        QCoreApplication::installTranslator(game);
        installedLanguage() = game->language();
        // Qt's own, from the system's copy: the OK of a message box, the text box's menu.
        auto* qt = new QTranslator(application);
        if (qt->load(QStringLiteral("qtbase_") + game->language(), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        // The windows made before the event loop runs already take the language's
        // direction, rather than at the language change Qt posts.
        if (QCoreApplication::translate("QGuiApplication", "QT_LAYOUT_DIRECTION") == QLatin1String("RTL"))
            QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        return;
    }
}

QString loadedLanguage() { return installedLanguage(); }

} // namespace qtplatform
