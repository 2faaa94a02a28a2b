#include "DocumentBrowserPeer.h"

#include "qtplatform/Conversions.h"

namespace qtplatform {

DocumentBrowserPeer::~DocumentBrowserPeer()
{
    if (view_)
        view_->release();
}

void DocumentBrowserPeer::navigate(const std::string& address)
{
    if (view_)
        view_->navigator().navigate(toQString(address));
}

void DocumentBrowserPeer::goBack()
{
    if (view_)
        view_->goBack();
}

void DocumentBrowserPeer::goForward()
{
    if (view_)
        view_->goForward();
}

void DocumentBrowserPeer::refresh()
{
    if (view_)
        view_->navigator().reload();
}

void DocumentBrowserPeer::stop()
{
    if (view_)
        view_->navigator().stop();
}

bool DocumentBrowserPeer::busy() const { return view_ && view_->navigator().isBusy(); }

std::string DocumentBrowserPeer::locationName() const { return view_ ? view_->currentName() : std::string(); }

std::string DocumentBrowserPeer::locationUrl() const { return view_ ? view_->currentUrl() : std::string(); }

} // namespace qtplatform
