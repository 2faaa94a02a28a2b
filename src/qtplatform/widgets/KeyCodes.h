#pragma once

#include "platform/Keyboard.h"

#include <optional>

class QKeyEvent;

namespace qtplatform {

// What the native scan code of a key event tells: nothing, or the X keycode of the
// key's place on the keyboard (X11 and Wayland).
enum class ScanCodes { Unknown, XKeycodes };
ScanCodes platformScanCodes();

// The platform layer's key code and shift state of a Qt key event; none for a key
// the platform layer has no code for. Digits and the letters of non-Latin layouts
// are taken by the key's place where the scan codes tell it.
std::optional<platform::KeyEvent> toKeyEvent(const QKeyEvent& event, ScanCodes scanCodes = platformScanCodes());

} // namespace qtplatform
