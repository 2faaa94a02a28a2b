#include "Keyboard.h"

#include "Control.h"
#include "Form.h"
#include "Runtime.h"

#include <utility>

namespace platform {

namespace {

bool takesTyping(const Control* focus)
{
    return focus && (focus->kind() == ControlKind::TextBox || focus->kind() == ControlKind::ComboBox);
}

} // namespace

void KeyClicks::bind(std::int16_t keyCode, Control& control) { bindings_[keyCode] = &control; }

Control* KeyClicks::target(const KeyEvent& key) const
{
    if (key.shift & (keys::CtrlMask | keys::AltMask))
        return nullptr;
    const auto it = bindings_.find(key.keyCode);
    return it == bindings_.end() ? nullptr : it->second;
}

bool KeyClicks::keyDown(const KeyEvent& key, const Control* focus)
{
    Control* control = target(key);
    if (!control || takesTyping(focus))
        return false;
    Runtime& runtime = control->form().runtime();
    if (key.autoRepeat || held_ || !control->acceptsInput() || runtime.inHandler() || runtime.modalOpen())
        return true;
    held_ = control;
    heldKey_ = key.keyCode;
    control->setPressed(true);
    control->raiseMouseDown(MouseButton::Left);
    return true;
}

bool KeyClicks::keyUp(const KeyEvent& key, const Control* focus)
{
    if (held_ && key.keyCode == heldKey_) {
        if (key.autoRepeat)
            return true;
        Control* control = std::exchange(held_, nullptr);
        control->setPressed(false);
        // The release waits for the click's handler, message box and all.
        control->raiseClick();
        control->raiseMouseUp(MouseButton::Left);
        return true;
    }
    return target(key) && !takesTyping(focus);
}

void KeyClicks::keyboardLost()
{
    Control* control = std::exchange(held_, nullptr);
    if (!control)
        return;
    control->setPressed(false);
    control->form().runtime().dispatchNotification([control] {
        if (control->acceptsInput() && control->onMouseUp)
            control->onMouseUp(MouseButton::Left);
    });
}

} // namespace platform
