#include "FakePlatform.h"
#include "platform/Browser.h"
#include "platform/RuntimeError.h"

#include <algorithm>

namespace doubles {

using namespace platform;

class FakeTimer : public TimerPeer {
public:
    FakeTimer(FakePlatform& platform, Timer& timer) : platform_(platform), timer_(timer) {}
    ~FakeTimer() override { disarm(); }
    void arm(int intervalMs) override
    {
        disarm();
        platform_.armed_.push_back({&timer_, platform_.clock_.nowUs_ + std::int64_t(intervalMs) * 1000,
                                    std::int64_t(intervalMs) * 1000, ++platform_.generation_});
    }
    void disarm() override
    {
        std::erase_if(platform_.armed_, [this](const FakePlatform::Armed& a) { return a.timer == &timer_; });
    }

private:
    FakePlatform& platform_;
    Timer& timer_;
};

class FakeWindow : public WindowPeer {
public:
    FakeWindow(FakePlatform& platform, Form& form) : platform_(platform), form_(form)
    {
        auto& state = platform_.windows_[&form_];
        state.clientWidth = form.style().clientWidth;
        state.clientHeight = form.style().clientHeight;
        state.alive = true;
    }
    ~FakeWindow() override { platform_.windows_[&form_].alive = false; }
    void show() override
    {
        ++platform_.windows_[&form_].shows;
        FakePlatform::ShowRecord record{form_.className(), {}};
        for (const Form* f : form_.runtime().loadedForms())
            record.loaded.push_back(f->className());
        platform_.shows.push_back(record);
    }
    void captionChanged() override {}
    float clientWidth() const override { return platform_.windows_[&form_].clientWidth; }
    float clientHeight() const override { return platform_.windows_[&form_].clientHeight; }

private:
    FakePlatform& platform_;
    Form& form_;
};

class RecordingBrowser : public BrowserPeer {
public:
    RecordingBrowser(FakePlatform& platform, Browser& browser)
        : platform_(platform), name_(browser.form().className() + "." + browser.name())
    {}
    void navigate(const std::string& address) override
    {
        platform_.navigations.push_back({name_, address, platform_.clock().nowUs()});
        FakeDocument& doc = platform_.document(name_);
        if (doc.failNext) {
            doc.failNext = false;
            throw RuntimeError(errors::unspecified, "Navigation failed");
        }
        doc.busy = true;
        doc.url = address;
        doc.history.resize(static_cast<std::size_t>(doc.position + 1));
        doc.history.push_back(address);
        doc.position = static_cast<int>(doc.history.size()) - 1;
    }
    void goBack() override
    {
        FakeDocument& doc = platform_.document(name_);
        ++doc.goBackCount;
        if (doc.position <= 0)
            throw RuntimeError(errors::unspecified, "Unspecified error");
        --doc.position;
        doc.busy = true;
    }
    void goForward() override
    {
        FakeDocument& doc = platform_.document(name_);
        ++doc.goForwardCount;
        if (doc.position + 1 >= static_cast<int>(doc.history.size()))
            throw RuntimeError(errors::unspecified, "Unspecified error");
        ++doc.position;
        doc.busy = true;
    }
    void refresh() override
    {
        ++platform_.document(name_).refreshCount;
        platform_.document(name_).busy = true;
    }
    void stop() override
    {
        ++platform_.document(name_).stopCount;
        platform_.document(name_).busy = false;
    }
    bool busy() const override { return platform_.document(name_).busy; }
    std::string locationName() const override { return platform_.document(name_).name; }
    std::string locationUrl() const override { return platform_.document(name_).url; }

private:
    FakePlatform& platform_;
    std::string name_;
};

FakePlatform::FakePlatform() = default;
FakePlatform::~FakePlatform() = default;

void FakePlatform::messageBox(const std::string& text, const std::string& title)
{
    messageBoxes.push_back({text, title, clock_.nowUs_});
    if (!whileBoxOpen.empty()) {
        auto action = std::move(whileBoxOpen.front());
        whileBoxOpen.pop_front();
        if (action)
            action();
    }
}

std::unique_ptr<WindowPeer> FakePlatform::createWindow(Form& form) { return std::make_unique<FakeWindow>(*this, form); }

std::unique_ptr<TimerPeer> FakePlatform::createTimer(Timer& timer) { return std::make_unique<FakeTimer>(*this, timer); }

std::unique_ptr<BrowserPeer> FakePlatform::createBrowser(Browser& browser)
{
    return std::make_unique<RecordingBrowser>(*this, browser);
}

std::uint64_t FakePlatform::clockSeed()
{
    ++reseeds;
    return seed + static_cast<std::uint64_t>(reseeds) * 0x9E3779B97F4A7C15ull;
}

void FakePlatform::advanceToUs(std::int64_t us)
{
    while (true) {
        auto next = std::min_element(armed_.begin(), armed_.end(),
                                     [](const Armed& a, const Armed& b) { return a.dueUs < b.dueUs; });
        if (next == armed_.end() || next->dueUs > us)
            break;
        clock_.nowUs_ = next->dueUs;
        const Armed fired = *next;
        // Periodic: the next tick is one interval on, unless the handler re-arms.
        next->dueUs += next->intervalUs;
        fired.timer->raiseTick();
    }
    clock_.nowUs_ = std::max(clock_.nowUs_, us);
}

bool FakePlatform::runNextTick()
{
    auto next = std::min_element(armed_.begin(), armed_.end(),
                                 [](const Armed& a, const Armed& b) { return a.dueUs < b.dueUs; });
    if (next == armed_.end())
        return false;
    advanceToUs(next->dueUs);
    return true;
}

std::int64_t FakePlatform::nextTickUs(const Timer& timer) const
{
    for (const Armed& a : armed_)
        if (a.timer == &timer)
            return a.dueUs;
    return -1;
}

int FakePlatform::armedTimers() const { return static_cast<int>(armed_.size()); }

std::vector<Navigation> FakePlatform::navigationsOf(const std::string& control) const
{
    std::vector<Navigation> result;
    for (const Navigation& n : navigations)
        if (n.control == control)
            result.push_back(n);
    return result;
}

void FakePlatform::completeLoad(Browser& browser, const std::string& name)
{
    FakeDocument& doc = document(browser.form().className() + "." + browser.name());
    doc.busy = false;
    doc.name = name;
    browser.raiseDownloadComplete();
}

void FakePlatform::resizeWindow(Form& form, float width, float height)
{
    auto& state = windows_[&form];
    state.clientWidth = width;
    state.clientHeight = height;
    form.raiseResize();
}

void mouseClick(Control& control, MouseButton button)
{
    control.raiseMouseDown(button);
    if (button == MouseButton::Left)
        control.raiseClick();
    control.raiseMouseUp(button);
}

bool pressKey(Form& form, std::int16_t keyCode, KeyOptions options)
{
    return form.raiseKeyDown(KeyEvent{keyCode, options.shift, options.autoRepeat}, options.focus);
}

bool releaseKey(Form& form, std::int16_t keyCode, KeyOptions options)
{
    return form.raiseKeyUp(KeyEvent{keyCode, options.shift, options.autoRepeat}, options.focus);
}

void tapKey(Form& form, std::int16_t keyCode, KeyOptions options)
{
    pressKey(form, keyCode, options);
    releaseKey(form, keyCode, options);
}

} // namespace doubles
