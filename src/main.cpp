#include "app/Program.h"
#include "qtplatform/QtPlatform.h"

#include <QApplication>

int main(int, char** argv)
{
    QApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    // The game takes no command line: Qt is given the program name only.
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("Glimmerkin"));
    QApplication::setApplicationDisplayName(QStringLiteral("Glimmerkin"));
    QApplication::setDesktopFileName(QStringLiteral("glimmerkin"));
    QApplication::setQuitOnLastWindowClosed(false);

    qtplatform::QtPlatform platform;
    int status = 0;
    {
        app::Program program(platform);
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
