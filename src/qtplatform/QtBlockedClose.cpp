#include "QtBlockedClose.h"

#include "QtWindow.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

#if defined(GLIMMERKIN_HAVE_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#define GLIMMERKIN_BLOCKED_CLOSE 1
#endif

namespace qtplatform {

#ifdef GLIMMERKIN_BLOCKED_CLOSE
namespace {

unsigned atom(xcb_connection_t* connection, const char* name)
{
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const unsigned value = reply ? reply->atom : 0;
    std::free(reply);
    return value;
}

} // namespace
#endif

QtBlockedClose::QtBlockedClose()
{
#ifdef GLIMMERKIN_BLOCKED_CLOSE
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    protocolsAtom_ = atom(x11->connection(), "WM_PROTOCOLS");
    deleteWindowAtom_ = atom(x11->connection(), "WM_DELETE_WINDOW");
    if (protocolsAtom_ && deleteWindowAtom_)
        QCoreApplication::instance()->installNativeEventFilter(this);
#endif
}

QtBlockedClose::~QtBlockedClose()
{
    if (auto* app = QCoreApplication::instance())
        app->removeNativeEventFilter(this);
}

bool QtBlockedClose::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
#ifdef GLIMMERKIN_BLOCKED_CLOSE
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
        auto* form = dynamic_cast<QtFormWidget*>(widget);
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
