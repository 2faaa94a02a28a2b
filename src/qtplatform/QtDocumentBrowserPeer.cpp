#include "QtDocumentBrowserPeer.h"

namespace qtplatform {

QtDocumentBrowserPeer::~QtDocumentBrowserPeer()
{
    if (view_)
        view_->release();
}

void QtDocumentBrowserPeer::navigate(const std::string& address)
{
    if (view_)
        view_->navigateTo(address);
}

void QtDocumentBrowserPeer::goBack()
{
    if (view_)
        view_->goBack();
}

void QtDocumentBrowserPeer::goForward()
{
    if (view_)
        view_->goForward();
}

void QtDocumentBrowserPeer::refresh()
{
    if (view_)
        view_->reloadPage();
}

void QtDocumentBrowserPeer::stop()
{
    if (view_)
        view_->stopLoading();
}

bool QtDocumentBrowserPeer::busy() const { return view_ && view_->isBusy(); }

std::string QtDocumentBrowserPeer::locationName() const { return view_ ? view_->currentName() : std::string(); }

std::string QtDocumentBrowserPeer::locationUrl() const { return view_ ? view_->currentUrl() : std::string(); }

} // namespace qtplatform
