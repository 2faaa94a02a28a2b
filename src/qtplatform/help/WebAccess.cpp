#include "WebAccess.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QPluginLoader>

namespace qtplatform {

WebModule* WebModule::load(const QString& directory, QString* whyNot)
{
    auto fail = [whyNot](const QString& reason) -> WebModule* {
        *whyNot = reason;
        return nullptr;
    };
    QPluginLoader loader(directory + QStringLiteral("/glimmerkin-web"));
    const QString file = loader.fileName();
    if (file.isEmpty())
        return fail(
            QCoreApplication::translate("DocumentBrowserView", "the web module glimmerkin-web is missing from %1")
                .arg(directory));
    // Read from the file without loading it.
    const QString iid = loader.metaData().value(QLatin1String("IID")).toString();
    if (iid.isEmpty())
        return fail(QCoreApplication::translate("DocumentBrowserView",
                                                "the web module %1 is not a Qt plugin: it holds no plugin metadata")
                        .arg(file));
    if (iid != QLatin1String(GLIMMERKIN_WEB_MODULE_IID))
        return fail(QCoreApplication::translate("DocumentBrowserView",
                                                "the web module %1 is another Qt plugin (%2), not the help browser's")
                        .arg(file, iid));
    QObject* root = loader.instance();
    if (!root) {
        // Qt's reason names the file and what the dynamic linker misses.
        QString reason = loader.errorString();
        if (reason.endsWith(QLatin1Char('.')))
            reason.chop(1);
        return fail(
            QCoreApplication::translate("DocumentBrowserView", "the web module cannot be loaded: %1").arg(reason));
    }
    auto* module = qobject_cast<WebModule*>(root);
    if (!module)
        return fail(QCoreApplication::translate("DocumentBrowserView", "the web module %1 has no web access of its own")
                        .arg(file));
    return module;
}

} // namespace qtplatform
