#pragma once

#include "platform/Browser.h"
#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/Runtime.h"
#include "platform/Timer.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace doubles {

class FakePlatform;

// Virtual time in microseconds. Timers tick exactly at their due time: a timer
// armed at 0 with 2001 ms ticks at 2001000 us, then every interval after that.
class VirtualClock {
public:
    std::int64_t nowUs() const { return nowUs_; }
    std::int64_t nowMs() const { return nowUs_ / 1000; }

private:
    friend class FakePlatform;
    friend class FakeTimer;
    std::int64_t nowUs_ = 0;
};

struct MessageBoxRecord {
    std::string text;
    std::string title;
    std::int64_t atUs;
};

struct Navigation {
    std::string control; // "frmLand.wbSounds"
    std::string address;
    std::int64_t atUs;
};

// A document browser whose loading the test drives by hand.
struct FakeDocument {
    bool busy = false;
    std::string name;
    std::string url;
    std::vector<std::string> history;
    int position = -1;
    int goBackCount = 0;
    int goForwardCount = 0;
    int refreshCount = 0;
    int stopCount = 0;
    bool failNext = false;
};

// The test side of the platform layer: a virtual clock, scripted message boxes,
// recorded navigations and windows that only remember what they were told.
class FakePlatform : public platform::Platform {
public:
    FakePlatform();
    ~FakePlatform() override;

    // --- platform::Platform
    std::string appPath() const override { return appPath_; }
    void messageBox(const std::string& text, const std::string& title) override;
    std::unique_ptr<platform::WindowPeer> createWindow(platform::Form& form) override;
    std::unique_ptr<platform::TimerPeer> createTimer(platform::Timer& timer) override;
    std::unique_ptr<platform::BrowserPeer> createBrowser(platform::Browser& browser) override;
    std::uint64_t clockSeed() override;
    void quit() override { ++quitCount; }
    // Records the text and gives back its source, as with no translation loaded,
    // or what `translator` makes of it where a test sets one.
    std::string translate(const char* context, const char* source) const override
    {
        translations.emplace(context, source);
        return translator ? translator(context, source) : source;
    }
    std::string translationLanguage() const override { return language; }

    // --- time
    const VirtualClock& clock() const { return clock_; }
    // Moves virtual time on, delivering every tick that falls due on the way, in order.
    void advanceMs(std::int64_t ms) { advanceToUs(clock_.nowUs_ + ms * 1000); }
    void advanceToUs(std::int64_t us);
    // Delivers the next tick of any timer; returns false if none is armed.
    bool runNextTick();
    // Time of the next tick of this timer, or -1 while it is not armed.
    std::int64_t nextTickUs(const platform::Timer& timer) const;
    int armedTimers() const;

    // --- message boxes
    std::vector<MessageBoxRecord> messageBoxes;
    // Actions run while the next boxes are open, one per box, in order.
    std::deque<std::function<void()>> whileBoxOpen;

    // --- browsers
    std::vector<Navigation> navigations;
    std::vector<Navigation> navigationsOf(const std::string& control) const;
    FakeDocument& document(const std::string& control) { return documents_[control]; }
    // Finishes the load under way in a document browser and raises DownloadComplete.
    void completeLoad(platform::Browser& browser, const std::string& name);

    // --- windows
    struct WindowState {
        int shows = 0;
        float clientWidth = 0;
        float clientHeight = 0;
        bool alive = false;
    };
    WindowState& window(const platform::Form& form) { return windows_[&form]; }
    // Each show of a window, with the windows that were loaded at that moment.
    struct ShowRecord {
        std::string window;
        std::vector<std::string> loaded;
    };
    std::vector<ShowRecord> shows;
    // Simulates the user resizing a window to an inner size in twips.
    void resizeWindow(platform::Form& form, float width, float height);

    // --- seeds
    std::uint64_t seed = 12345;
    int reseeds = 0;

    int quitCount = 0;

    // --- translation
    // Each text looked up, once, as {context, source}.
    mutable std::set<std::pair<std::string, std::string>> translations;
    std::function<std::string(const std::string& context, const std::string& source)> translator;
    std::string language; // of the translation the game is to think is loaded
    std::string appPath_ = "/opt/glimmerkin";

private:
    friend class FakeTimer;
    friend class FakeWindow;
    struct Armed {
        platform::Timer* timer;
        std::int64_t dueUs;
        std::int64_t intervalUs;
        std::uint64_t generation;
    };
    VirtualClock clock_;
    std::vector<Armed> armed_;
    std::uint64_t generation_ = 0;
    std::map<std::string, FakeDocument> documents_;
    std::map<const platform::Form*, WindowState> windows_;
};

// Clicks a control as the mouse does: press, click, release.
void mouseClick(platform::Control& control, platform::MouseButton button = platform::MouseButton::Left);

// Keys as a window peer hands them to its form, with the control that has the focus
// (null: the window itself). Each returns whether the window used the key.
struct KeyOptions {
    std::int16_t shift = 0;
    const platform::Control* focus = nullptr;
    bool autoRepeat = false;
};
bool pressKey(platform::Form& form, std::int16_t keyCode, KeyOptions options = {});
bool releaseKey(platform::Form& form, std::int16_t keyCode, KeyOptions options = {});
// A press and its release.
void tapKey(platform::Form& form, std::int16_t keyCode, KeyOptions options = {});

} // namespace doubles
