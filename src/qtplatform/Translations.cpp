#include "Translations.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace qtplatform {

namespace {

// Each translation says which way its language runs, as Qt's own translations do.
[[maybe_unused]] const char* const layoutDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

struct Installed {
    std::unique_ptr<QTranslator> game;
    std::unique_ptr<QTranslator> qt; // Qt's own: the OK of a message box, the text box's menu
} installed;

bool isEnglish(const QString& name)
{
    return name == QLatin1String("C") || name == QLatin1String("POSIX") || name == QLatin1String("en") ||
           name.startsWith(QLatin1String("en_"));
}

} // namespace

QString installTranslations(const QStringList& languages)
{
    for (QString name : languages) {
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (isEnglish(name))
            break;
        if (installTranslation(name))
            return loadedLanguage();
    }
    return {};
}

bool installTranslation(const QString& language, const QString& directory)
{
    auto game = std::make_unique<QTranslator>();
    if (!game->load(QStringLiteral("glimmerkin_") + language, directory))
        return false;
    removeTranslation();
    installed.game = std::move(game);
    QCoreApplication::installTranslator(installed.game.get());
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + installed.game->language(),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installed.qt = std::move(qt);
        QCoreApplication::installTranslator(installed.qt.get());
    }
    // The windows made before Qt handles the language change it posts take the
    // language's direction too.
    if (QCoreApplication::translate("QGuiApplication", "QT_LAYOUT_DIRECTION") == QLatin1String("RTL"))
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    return true;
}

void removeTranslation()
{
    if (!installed.game)
        return;
    if (installed.qt)
        QCoreApplication::removeTranslator(installed.qt.get());
    QCoreApplication::removeTranslator(installed.game.get());
    installed = Installed{};
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

QString loadedLanguage() { return installed.game ? installed.game->language() : QString(); }

} // namespace qtplatform
