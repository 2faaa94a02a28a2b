#include "MediaPageBrowser.h"

#include "MediaPage.h"
#include "platform/Browser.h"
#include "platform/FileAddress.h"

namespace sound {

MediaPageBrowser::MediaPageBrowser(platform::Browser& /*control*/, std::unique_ptr<platform::AudioOutput> audio)
    : audio_(std::move(audio))
{}

MediaPageBrowser::~MediaPageBrowser()
{
    try {
        if (audio_)
            audio_->stop();
    } catch (...) {}
}

void MediaPageBrowser::navigate(const std::string& address)
{
    if (!audio_)
        return;
    try {
        audio_->stop();
        location_ = platform::pathFromAddress(address);
        if (const auto page = MediaPage::load(location_))
            audio_->play(page->soundFile(), page->loop());
    } catch (...) {
        // A cue that cannot play is silence, never an error of the game.
    }
}

std::string MediaPageBrowser::locationName() const
{
    const auto slash = location_.rfind('/');
    return slash == std::string::npos ? location_ : location_.substr(slash + 1);
}

} // namespace sound
