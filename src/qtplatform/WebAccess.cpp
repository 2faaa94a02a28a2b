#include "WebAccess.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace qtplatform {

WebAccess* WebAccess::create(QObject* parent, QString* whyNot)
{
    // Loaded once and never unloaded: the objects it makes live as long as their parents.
    static GlimmerkinWebEntry entry = nullptr;
    static QString failure;
    static bool tried = false;
    if (!tried) {
        tried = true;
        // Beside the real program, as the media pages are, so that a link to the
        // program elsewhere still finds it.
        QString directory = QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath();
        if (directory.isEmpty())
            directory = QCoreApplication::applicationDirPath();
        QLibrary module(directory + QStringLiteral("/glimmerkin-web"));
        entry = reinterpret_cast<GlimmerkinWebEntry>(module.resolve(GLIMMERKIN_WEB_ENTRY));
        if (!entry)
            failure = module.errorString();
    }
    if (!entry) {
        if (whyNot)
            *whyNot = failure;
        return nullptr;
    }
    return entry(parent);
}

} // namespace qtplatform
