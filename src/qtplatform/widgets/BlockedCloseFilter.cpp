#include "BlockedCloseFilter.h"

#include "FormWindowPeer.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

#include "XcbAtom.h"

namespace qtplatform {

BlockedCloseFilter::BlockedCloseFilter()
{
#ifdef GLIMMERKIN_HAVE_XCB
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    protocolsAtom_ = internAtom(connection, "WM_PROTOCOLS");
    deleteWindowAtom_ = internAtom(connection, "WM_DELETE_WINDOW");
    if (protocolsAtom_ && deleteWindowAtom_)
        QCoreApplication::instance()->installNativeEventFilter(this);
#endif
}

BlockedCloseFilter::~BlockedCloseFilter()
{
    if (auto* app = QCoreApplication::instance())
        app->removeNativeEventFilter(this);
}

bool BlockedCloseFilter::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
#ifdef GLIMMERKIN_HAVE_XCB
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_CLIENT_MESSAGE)
        return false;
    const auto* client = static_cast<const xcb_client_message_event_t*>(message);
    if (client->format != 32 || client->type != protocolsAtom_ || client->data.data32[0] != deleteWindowAtom_)
        return false;
    QWindow* modal = QGuiApplication::modalWindow();
    if (!modal)
        return false;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* form = qobject_cast<FormWidget*>(widget);
        if (!form || !form->windowHandle() || form->windowHandle() == modal ||
            static_cast<xcb_window_t>(form->internalWinId()) != client->window)
            continue;
        // QWidget::close() goes past the modal check that dropped the request.
        form->close();
        return true;
    }
#else
    (void)eventType;
    (void)message;
#endif
    return false;
}

} // namespace qtplatform
