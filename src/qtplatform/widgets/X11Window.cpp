#include "X11Window.h"

#include "FormWindowPeer.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <QtGui/qtguiglobal.h>

// Only where the build has xcb and Qt runs on it.
#if defined(GLIMMERKIN_HAVE_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace qtplatform {

namespace {

// The running application's X11 connection; null on any other window system.
xcb_connection_t* x11Connection()
{
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// The atom the X server holds for `name`, interned if it has none yet; XCB_ATOM_NONE
// if the server does not answer.
xcb_atom_t internAtom(xcb_connection_t* connection, const char* name)
{
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

} // namespace

void clearNativeTitle(QWidget* widget)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    const auto window = static_cast<xcb_window_t>(widget->winId());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0, "");
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, internAtom(connection, "_NET_WM_NAME"),
                        internAtom(connection, "UTF8_STRING"), 8, 0, "");
    xcb_flush(connection);
}

void skipTaskbar(QWidget* widget)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    const auto window = static_cast<xcb_window_t>(widget->winId());
    const xcb_atom_t states[] = {internAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                 internAtom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, window, internAtom(connection, "_NET_WM_STATE"),
                        XCB_ATOM_ATOM, 32, 2, states);
    xcb_flush(connection);
}

BlockedCloseFilter::BlockedCloseFilter()
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    protocolsAtom_ = internAtom(connection, "WM_PROTOCOLS");
    deleteWindowAtom_ = internAtom(connection, "WM_DELETE_WINDOW");
    if (protocolsAtom_ && deleteWindowAtom_)
        QCoreApplication::instance()->installNativeEventFilter(this);
}

bool BlockedCloseFilter::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if (eventType != "xcb_generic_event_t" || (event->response_type & 0x7F) != XCB_CLIENT_MESSAGE)
        return false;
    const auto* client = static_cast<const xcb_client_message_event_t*>(message);
    if (client->format != 32 || client->type != protocolsAtom_ || client->data.data32[0] != deleteWindowAtom_)
        return false;
    QWindow* modal = QGuiApplication::modalWindow();
    auto* form = qobject_cast<FormWidget*>(QWidget::find(client->window));
    if (!modal || !form || !form->windowHandle() || form->windowHandle() == modal)
        return false;
    // QWidget::close() goes past the modal check that dropped the request.
    form->close();
    return true;
}

} // namespace qtplatform

#else

namespace qtplatform {

void clearNativeTitle(QWidget*) {}

void skipTaskbar(QWidget*) {}

BlockedCloseFilter::BlockedCloseFilter() = default;

bool BlockedCloseFilter::nativeEventFilter(const QByteArray&, void*, qintptr*) { return false; }

} // namespace qtplatform

#endif
