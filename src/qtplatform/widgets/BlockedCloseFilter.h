#pragma once

#include <QAbstractNativeEventFilter>

namespace qtplatform {

// Qt drops the window manager's close request (WM_DELETE_WINDOW) for a window
// that an open message box blocks. The game window must still close then, so on
// X11 this filter passes such a request on to the window itself, which closes
// as it would from its close box. Requests to windows that no box blocks are
// left to Qt.
class BlockedCloseFilter : public QAbstractNativeEventFilter {
public:
    BlockedCloseFilter();
    ~BlockedCloseFilter() override;
    BlockedCloseFilter(const BlockedCloseFilter&) = delete;
    BlockedCloseFilter& operator=(const BlockedCloseFilter&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    unsigned protocolsAtom_ = 0;
    unsigned deleteWindowAtom_ = 0;
};

} // namespace qtplatform
