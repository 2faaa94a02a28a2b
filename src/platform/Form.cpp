#include "Form.h"

#include "Browser.h"
#include "Runtime.h"
#include "RuntimeError.h"
#include "Timer.h"

#include <algorithm>

namespace platform {

Form::Form(Runtime& runtime, std::string className) : runtime_(runtime), className_(std::move(className)) {}

Form::~Form()
{
    // The runtime must not keep a dangling entry; a form destroyed while loaded
    // drops its peers without running any handler.
    if (loaded_) {
        for (Control* control : controls_)
            control->detach();
        peer_.reset();
        loaded_ = false;
    }
}

void Form::registerControl(Control& control) { controls_.push_back(&control); }

void Form::unregisterControl(Control& control) { std::erase(controls_, &control); }

Control* Form::findControl(const std::string& name, int index) const
{
    for (Control* control : controls_)
        if (control->name() == name && control->index() == index)
            return control;
    return nullptr;
}

void Form::load()
{
    if (runtime_.ended())
        throw ProgramEnded{};
    loading_ = true;
    caption_.clear();
    layout();
    peer_ = runtime_.platform().createWindow(*this);
    for (Control* control : controls_) {
        if (auto* timer = dynamic_cast<Timer*>(control))
            timer->attachTimer(runtime_.platform().createTimer(*timer));
        else if (auto* browser = dynamic_cast<Browser*>(control))
            browser->attachBrowser(runtime_.platform().createBrowser(*browser));
    }
    loaded_ = true;
    runtime_.formLoaded(*this);
    Form_Load();
    loading_ = false;
}

void Form::show()
{
    if (!loaded_ && !loading_)
        load();
    if (!loaded_ || !peer_)
        return;
    visible_ = true;
    peer_->show();
}

void Form::unload()
{
    if (!loaded_)
        return;
    loaded_ = false;
    loading_ = false;
    visible_ = false;
    for (Control* control : controls_)
        control->detach();
    peer_.reset();
    runtime_.formUnloaded(*this);
}

void Form::setCaption(std::string caption)
{
    caption_ = std::move(caption);
    if (peer_)
        peer_->captionChanged();
}

float Form::scaleWidth() const { return peer_ ? peer_->clientWidth() : style_.clientWidth; }

float Form::scaleHeight() const { return peer_ ? peer_->clientHeight() : style_.clientHeight; }

void Form::requestClose(CloseReason reason)
{
    if (!loaded_)
        return;
    runtime_.dispatchClose([this, reason] {
        int cancel = 0;
        Form_QueryUnload(cancel, static_cast<int>(reason));
        if (cancel == 0)
            unload();
    });
}

void Form::raiseResize()
{
    // Controls aligned to the top keep the whole width of the window.
    for (Control* control : controls_)
        if (control->style().alignTop && !control->container())
            control->setWidth(scaleWidth());
    if (!loaded_)
        return;
    runtime_.dispatchNotification([this] {
        if (loaded_)
            Form_Resize();
    });
}

bool Form::raiseKeyDown(const KeyEvent& key, const Control* focus)
{
    return loaded_ && !runtime_.ended() && Form_KeyDown(key, focus);
}

bool Form::raiseKeyUp(const KeyEvent& key, const Control* focus)
{
    return loaded_ && !runtime_.ended() && Form_KeyUp(key, focus);
}

void Form::raiseKeyboardLost()
{
    if (loaded_ && !runtime_.ended())
        Form_KeyboardLost();
}

bool Form::Form_KeyDown(const KeyEvent&, const Control*) { return false; }

bool Form::Form_KeyUp(const KeyEvent&, const Control*) { return false; }

} // namespace platform
