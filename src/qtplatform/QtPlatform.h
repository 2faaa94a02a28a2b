#pragma once

#include "platform/Browser.h"
#include "platform/Runtime.h"
#include "platform/Timer.h"

#include <QString>

#include <memory>

QT_FORWARD_DECLARE_CLASS(QObject)

namespace qtplatform {

// The real directory of the executable, so that a symbolic link to the program
// elsewhere still finds what lies beside it: its pages, sounds and web module.
QString programDirectory();

class BlockedCloseFilter;
class SdlAudioOutput;

// The platform layer on Qt Widgets. Needs a QApplication.
class QtPlatform : public platform::Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    std::string appPath() const override;
    void messageBox(const std::string& text, const std::string& title) override;
    std::unique_ptr<platform::WindowPeer> createWindow(platform::Form& form) override;
    std::unique_ptr<platform::TimerPeer> createTimer(platform::Timer& timer) override;
    std::unique_ptr<platform::BrowserPeer> createBrowser(platform::Browser& browser) override;
    std::uint64_t clockSeed() override;

    void quit() override;
    std::string translate(const char* context, const char* source) const override;
    std::string translationLanguage() const override;

private:
    std::unique_ptr<BlockedCloseFilter> blockedClose_;
    // The program's sound, which every media player control plays through; its end
    // waits a bounded while for the device to let go.
    std::unique_ptr<SdlAudioOutput> audio_;
    std::unique_ptr<QObject> firstFrame_; // tells audio_ of the first window's first frame
};

} // namespace qtplatform
