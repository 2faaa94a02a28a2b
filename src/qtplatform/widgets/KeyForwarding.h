#pragma once

#include "platform/Keyboard.h"

#include <optional>

class QKeyEvent;

namespace qtplatform {

class FormWidget;

// The platform layer's key code and shift state of a Qt key event; none for a key
// the platform layer has no code for.
std::optional<platform::KeyEvent> toKeyEvent(const QKeyEvent& event);

// Hands the window's keys to its form before the widget with the focus sees them,
// and tells the form when the window loses the keyboard. The window must have its
// native window.
void forwardKeys(FormWidget* window);

} // namespace qtplatform
