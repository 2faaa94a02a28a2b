#include "app/Program.h"
#include "platform/Form.h"
#include "platform/Runtime.h"
#include "qtplatform/QtPlatform.h"
#include "qtplatform/SessionWatcher.h"
#include "qtplatform/Translations.h"

#include <QApplication>

int main(int, char** argv)
{
    QApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    // The game takes no command line: Qt is given the program name only.
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("Glimmerkin"));
    // The application id (GLIMMERKIN_APP_ID of the build), the name of the desktop
    // entry, by which the desktop finds the game's entry and icon for its windows.
    QApplication::setDesktopFileName(QStringLiteral(GLIMMERKIN_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);
    // The desktop's language, where the game has a translation for it.
    qtplatform::installTranslations();

    qtplatform::QtPlatform platform;
    int status = 0;
    {
        app::Program program(platform);
        // The session ending, or a termination signal, closes the windows as the
        // user would: the game window's close ends the program.
        qtplatform::SessionWatcher sessionWatcher([&program] {
            platform::Runtime& runtime = program.runtime();
            const std::vector<platform::Form*> open = runtime.loadedForms();
            for (auto it = open.rbegin(); it != open.rend() && !runtime.ended(); ++it)
                (*it)->requestClose(platform::CloseReason::SessionEnd);
            runtime.end();
        });
        program.start();
        if (!program.runtime().ended())
            status = QApplication::exec();
        // Windows closed during the run were scheduled for deletion; let them go
        // before the program's windows do.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
