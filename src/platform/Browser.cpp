#include "Browser.h"

#include "Form.h"
#include "Runtime.h"
#include "RuntimeError.h"

namespace platform {

Browser::Browser(Form& form, std::string name, BrowserRole role)
    : Control(form, ControlKind::Browser, std::move(name)), role_(role)
{}

Browser::~Browser() = default;

BrowserPeer& Browser::requirePeer() const
{
    if (!browserPeer_)
        throw RuntimeError(errors::objectNotSet, TR_TEXT("RuntimeError", "The browser control %1 is not loaded"),
                           {name()});
    return *browserPeer_;
}

void Browser::navigate(const std::string& address) { requirePeer().navigate(address); }
void Browser::goBack() { requirePeer().goBack(); }
void Browser::goForward() { requirePeer().goForward(); }
void Browser::refresh() { requirePeer().refresh(); }
void Browser::stop() { requirePeer().stop(); }
bool Browser::busy() const { return requirePeer().busy(); }
std::string Browser::locationName() const { return requirePeer().locationName(); }
std::string Browser::locationUrl() const { return requirePeer().locationUrl(); }

void Browser::raiseDownloadComplete()
{
    form().runtime().dispatchNotification([this] {
        if (browserPeer_ && onDownloadComplete)
            onDownloadComplete();
    });
}

void Browser::attachBrowser(std::unique_ptr<BrowserPeer> peer) { browserPeer_ = std::move(peer); }

void Browser::detach()
{
    // Destroying the peer stops whatever it was loading or playing.
    browserPeer_.reset();
    Control::detach();
}

} // namespace platform
