#pragma once

#include "Control.h"

#include <functional>
#include <memory>
#include <string>

namespace platform {

enum class BrowserRole { MediaPlayer, Document };

// A browser control. Its peer does the loading; the control forwards requests and
// reports completion through onDownloadComplete.
class Browser : public Control {
public:
    Browser(Form& form, std::string name, BrowserRole role);
    ~Browser() override;

    BrowserRole role() const { return role_; }
    void navigate(const std::string& address);
    void navigate2(const std::string& target) { navigate(target); }
    void goBack();
    void goForward();
    void refresh();
    void stop();
    bool busy() const;
    std::string locationName() const;
    std::string locationUrl() const;

    std::function<void()> onDownloadComplete;
    void raiseDownloadComplete();

    void attachBrowser(std::unique_ptr<BrowserPeer> peer);
    BrowserPeer* browserPeer() const { return browserPeer_.get(); }
    void detach() override;

private:
    BrowserPeer& requirePeer() const;
    BrowserRole role_;
    std::unique_ptr<BrowserPeer> browserPeer_;
};

} // namespace platform
