#pragma once

#include "platform/Peers.h"

#include <memory>
#include <string>

namespace platform {
class Browser;
}

namespace sound {

// The peer of a media browser control: it hears its pages instead of showing
// them. Each navigation stops the sound playing and starts the one the new page
// names; a page that cannot be read or names nothing playable leaves silence.
// Nothing here throws, reports an error or waits for the sound.
class MediaPageBrowser : public platform::BrowserPeer {
public:
    MediaPageBrowser(platform::Browser& control, std::unique_ptr<platform::AudioOutput> audio);
    ~MediaPageBrowser() override;
    MediaPageBrowser(const MediaPageBrowser&) = delete;
    MediaPageBrowser& operator=(const MediaPageBrowser&) = delete;

    void navigate(const std::string& address) override;
    void goBack() override {}
    void goForward() override {}
    void refresh() override {}
    void stop() override {}
    bool busy() const override { return false; }
    // The file name of the last page asked for, and its path.
    std::string locationName() const override;
    std::string locationUrl() const override { return location_; }

private:
    std::unique_ptr<platform::AudioOutput> audio_;
    std::string location_;
};

} // namespace sound
