#pragma once

#include <QAbstractNativeEventFilter>

class QWidget;

namespace qtplatform {

// The little of X11 that the windows need where Qt has no call for it: window-manager
// properties and protocol messages. Each does nothing where the build has no xcb or Qt
// runs on another window system.

// Qt never leaves a title bar empty: it falls back to the program's name. On X11 an
// empty caption is written to the window's name properties directly.
void clearNativeTitle(QWidget* widget);

// A tool window has no task-bar button on most desktops; on X11 the window also says
// so itself, before it is first mapped.
void skipTaskbar(QWidget* widget);

// Qt drops the window manager's close request (WM_DELETE_WINDOW) for a window
// that an open message box blocks. The game window must still close then, so on
// X11 this filter passes such a request on to the window itself, which closes
// as it would from its close box. Requests to windows that no box blocks are
// left to Qt.
class BlockedCloseFilter : public QAbstractNativeEventFilter {
public:
    BlockedCloseFilter();
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    unsigned protocolsAtom_ = 0;
    unsigned deleteWindowAtom_ = 0;
};

} // namespace qtplatform
