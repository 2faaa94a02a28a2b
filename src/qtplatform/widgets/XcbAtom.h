#pragma once

#include <QtGui/qtguiglobal.h>

// The little of X11 that the window peers use where Qt has no call for it: window-
// manager properties and protocol messages. Only where the build has xcb and Qt runs
// on it: after this header, GLIMMERKIN_HAVE_XCB says whether both hold.
#if defined(GLIMMERKIN_HAVE_XCB) && !QT_CONFIG(xcb)
#undef GLIMMERKIN_HAVE_XCB
#endif

#ifdef GLIMMERKIN_HAVE_XCB
#include <xcb/xcb.h>

namespace qtplatform {

// The running application's X11 connection; null on any other window system.
xcb_connection_t* x11Connection();

// The atom the X server holds for `name`, interned if it has none yet; XCB_ATOM_NONE
// if the server does not answer.
xcb_atom_t internAtom(xcb_connection_t* connection, const char* name);

} // namespace qtplatform
#endif
