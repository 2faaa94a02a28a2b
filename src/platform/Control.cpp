#include "Control.h"

#include "Form.h"
#include "Runtime.h"

#include <stdexcept>

namespace platform {

Control::Control(Form& form, ControlKind kind, std::string name, int index)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index)
{
    form_.registerControl(*this);
}

Control::~Control() { form_.unregisterControl(*this); }

void Control::notify(Property property)
{
    if (peer_)
        peer_->propertyChanged(property);
}

void Control::move(float left, float top)
{
    left_ = left;
    top_ = top;
    notify(Property::Geometry);
}

void Control::setWidth(float width)
{
    width_ = width;
    notify(Property::Geometry);
}

void Control::setHeight(float height)
{
    height_ = height;
    notify(Property::Geometry);
}

void Control::setGeometry(float left, float top, float width, float height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    notify(Property::Geometry);
}

void Control::setCaption(std::string caption)
{
    caption_ = std::move(caption);
    notify(Property::Caption);
}

void Control::setText(std::string text)
{
    text_ = std::move(text);
    notify(Property::Text);
}

void Control::setBackColor(Color color)
{
    backColor_ = color;
    notify(Property::BackColor);
}

void Control::setForeColor(Color color)
{
    foreColor_ = color;
    notify(Property::ForeColor);
}

void Control::setPicture(Picture picture)
{
    picture_ = std::move(picture);
    notify(Property::Picture);
}

void Control::setEnabled(bool enabled)
{
    enabled_ = enabled;
    notify(Property::Enabled);
}

void Control::setVisible(bool visible)
{
    visible_ = visible;
    notify(Property::Visible);
}

void Control::setFont(Font font)
{
    font_ = std::move(font);
    notify(Property::Font);
}

void Control::setPressed(bool pressed)
{
    if (pressed_ == pressed)
        return;
    pressed_ = pressed;
    notify(Property::Pressed);
}

void Control::setChecked(bool checked)
{
    if (checked_ == checked)
        return;
    checked_ = checked;
    notify(Property::Checked);
}

std::string plainCaption(const std::string& caption, int* accessKey)
{
    if (accessKey)
        *accessKey = -1;
    std::string plain;
    plain.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
            if (caption[i] != '&' && accessKey && *accessKey < 0)
                *accessKey = static_cast<int>(plain.size());
        }
        plain += caption[i];
    }
    return plain;
}

std::string Control::accessibleName() const
{
    if (!style_.accessibleName.empty())
        return style_.accessibleName;
    const std::string words = plainCaption(caption_);
    const auto first = words.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = words.find_last_not_of(" \t\r\n");
    return words.substr(first, last - first + 1);
}

void Control::attach(ControlPeer* peer) { peer_ = peer; }

void Control::detach() { peer_ = nullptr; }

bool Control::acceptsInput() const
{
    if (!form_.isLoaded() || !enabled_ || !visible_)
        return false;
    for (const Control* c = container_; c; c = c->container())
        if (!c->enabled() || !c->visible())
            return false;
    return true;
}

void Control::raiseInput(const std::function<void()>& handler)
{
    if (acceptsInput())
        form_.runtime().dispatchInput(handler);
}

void Control::raiseClick()
{
    raiseInput([this] {
        if (onClick)
            onClick();
    });
}

void Control::raiseMouseDown(MouseButton button)
{
    raiseInput([this, button] {
        if (onMouseDown)
            onMouseDown(button);
    });
}

void Control::raiseMouseUp(MouseButton button)
{
    raiseInput([this, button] {
        if (onMouseUp)
            onMouseUp(button);
    });
}

void Control::raiseKeyPress(std::int16_t keyAscii)
{
    raiseInput([this, keyAscii] {
        std::int16_t key = keyAscii;
        if (onKeyPress)
            onKeyPress(key);
    });
}

void Control::raiseFullClick()
{
    raiseMouseDown(MouseButton::Left);
    raiseClick();
    raiseMouseUp(MouseButton::Left);
}

// ---------------------------------------------------------------------------

Timer::Timer(Form& form, std::string name) : Control(form, ControlKind::Timer, std::move(name)) {}

Timer::~Timer() = default;

void Timer::rearm()
{
    if (!timerPeer_)
        return;
    if (enabled() && interval_ > 0)
        timerPeer_->arm(interval_);
    else
        timerPeer_->disarm();
}

void Timer::setInterval(int ms)
{
    interval_ = ms < 0 ? 0 : ms;
    rearm();
}

void Timer::setEnabled(bool enabled)
{
    const bool was = this->enabled();
    Control::setEnabled(enabled);
    if (was != enabled)
        rearm();
}

void Timer::raiseTick()
{
    if (!ticking() || tickPending_)
        return;
    tickPending_ = true;
    form().runtime().dispatchNotification([this] {
        tickPending_ = false;
        if (ticking() && onTimer)
            onTimer();
    });
}

void Timer::attachTimer(std::unique_ptr<TimerPeer> peer)
{
    timerPeer_ = std::move(peer);
    loaded_ = true;
    tickPending_ = false;
    rearm();
}

void Timer::detach()
{
    if (timerPeer_)
        timerPeer_->disarm();
    timerPeer_.reset();
    loaded_ = false;
    tickPending_ = false;
    Control::detach();
}

// ---------------------------------------------------------------------------

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

// ---------------------------------------------------------------------------

ComboBox::ComboBox(Form& form, std::string name) : Control(form, ControlKind::ComboBox, std::move(name)) {}

void ComboBox::addItem(std::string item)
{
    items_.push_back(std::move(item));
    notify(Property::ListItems);
}

void ComboBox::removeItem(int index)
{
    if (index < 0 || index >= static_cast<int>(items_.size()))
        throw RuntimeError(errors::invalidCall, TR_TEXT("RuntimeError", "Invalid procedure call or argument"));
    items_.erase(items_.begin() + index);
    if (listIndex_ == index)
        listIndex_ = -1;
    notify(Property::ListItems);
}

void ComboBox::insertItem(std::string item, int index)
{
    if (index < 0 || index > static_cast<int>(items_.size()))
        throw RuntimeError(errors::invalidCall, TR_TEXT("RuntimeError", "Invalid procedure call or argument"));
    items_.insert(items_.begin() + index, std::move(item));
    notify(Property::ListItems);
}

void ComboBox::clear()
{
    items_.clear();
    listIndex_ = -1;
    notify(Property::ListItems);
}

void ComboBox::setListIndex(int index)
{
    if (index < -1 || index >= static_cast<int>(items_.size()))
        throw RuntimeError(errors::invalidPropertyValue, TR_TEXT("RuntimeError", "Invalid property value"));
    listIndex_ = index;
    if (index >= 0) {
        setText(items_[static_cast<std::size_t>(index)]);
        if (onClick)
            onClick();
    }
}

void ComboBox::raiseChoose(int index)
{
    if (!acceptsInput() || index < 0 || index >= static_cast<int>(items_.size()))
        return;
    form().runtime().dispatchInput([this, index] { setListIndex(index); });
}

// ---------------------------------------------------------------------------

Toolbar::Toolbar(Form& form, std::string name) : Control(form, ControlKind::Toolbar, std::move(name)) {}

void Toolbar::refresh()
{
    ++refreshCount_;
    notify(Property::Picture);
}

void Toolbar::raiseButtonClick(int position)
{
    if (!acceptsInput() || position < 0 || position >= static_cast<int>(buttons_.size()))
        return;
    form().runtime().dispatchInput([this, position] {
        if (onButtonClick)
            onButtonClick(buttons_[static_cast<std::size_t>(position)]);
    });
}

} // namespace platform
