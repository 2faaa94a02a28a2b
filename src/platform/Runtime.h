#pragma once

#include "Browser.h"
#include "Peers.h"
#include "Random.h"
#include "Translate.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class Browser;
class Form;
class Timer;

// The services the forms runtime needs from the system it runs on. The Qt adapter
// implements them with real windows; tests implement them with a virtual clock,
// scripted message boxes and recorded navigations.
class Platform {
public:
    virtual ~Platform() = default;
    // Directory of the executable, without a trailing separator.
    virtual std::string appPath() const = 0;
    // A modal box with an OK button only and no icon. Returns when it is closed.
    virtual void messageBox(const std::string& text, const std::string& title) = 0;
    // Creates the native window of a loading form and attaches a peer to each of
    // its visible kinds of control.
    virtual std::unique_ptr<WindowPeer> createWindow(Form& form) = 0;
    virtual std::unique_ptr<TimerPeer> createTimer(Timer& timer) = 0;
    virtual std::unique_ptr<BrowserPeer> createBrowser(Browser& browser) = 0;
    // A seed taken from the system clock.
    virtual std::uint64_t clockSeed() = 0;
    // Leaves the event loop, nested loops included.
    virtual void quit() = 0;
    // The text in the player's language, or the source itself where the loaded
    // translation has none (or none is loaded, as under English).
    virtual std::string translate(const char* context, const char* source) const = 0;
    // The language of the loaded translation, as its file names it ("de", "pt_BR");
    // empty when none is loaded.
    virtual std::string translationLanguage() const = 0;
};

// Program-wide state of the forms runtime: its services, the loaded windows, the
// random generator and the event dispatcher that keeps handlers from nesting.
class Runtime {
public:
    explicit Runtime(Platform& platform);
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    Platform& platform() const { return platform_; }

    std::string appPath() const { return platform_.appPath(); }
    // A marked text in the player's language.
    std::string text(SourceText source) const { return platform_.translate(source.context, source.text); }
    // Shows a modal OK-only box. If the program ends while it is open, the handler
    // that opened it goes no further.
    void msgBox(const std::string& text, const std::string& title);
    bool modalOpen() const { return modalDepth_ > 0; }

    float rnd() { return random_.next(); }
    void randomize() { random_.reseed(platform_.clockSeed()); }

    // Ends the program at once: every window unloads and the event loop is left.
    void end();
    bool ended() const { return ended_; }

    // Runs a handler for the user's input. Input that arrives while a handler is
    // running can only come through a modal box's loop, which blocks input, so it
    // is dropped.
    void dispatchInput(const std::function<void()>& handler);
    // Runs a handler for a timer tick or a notification of the system. While
    // another handler runs it is held back and runs as soon as that one ends.
    void dispatchNotification(const std::function<void()>& handler);
    // Runs a close request at once, even inside another handler.
    void dispatchClose(const std::function<void()>& handler);
    bool inHandler() const { return depth_ > 0; }

    // Errors that no handler trapped, as they were reported. Each was shown in a
    // message box, after which the program ended.
    const std::vector<std::string>& reportedErrors() const { return reportedErrors_; }

    void formLoaded(Form& form);
    void formUnloaded(Form& form);
    const std::vector<Form*>& loadedForms() const { return loadedForms_; }

private:
    void run(const std::function<void()>& handler);
    void drainDeferred();
    Platform& platform_;
    Random random_;
    int depth_ = 0;
    int modalDepth_ = 0;
    bool ended_ = false;
    bool draining_ = false;
    std::deque<std::function<void()>> deferred_;
    std::vector<Form*> loadedForms_;
    std::vector<std::string> reportedErrors_;
};

} // namespace platform
