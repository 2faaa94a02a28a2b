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

} // namespace platform
