#pragma once

#include <cstdint>
#include <map>

namespace platform {

class Control;

// Key codes of the forms runtime: letters and digits are their upper-case character
// codes, the other keys have codes of their own.
namespace keys {
inline constexpr std::int16_t Return = 0x0D;
inline constexpr std::int16_t Escape = 0x1B;
inline constexpr std::int16_t Space = 0x20;
inline constexpr std::int16_t Home = 0x24;
inline constexpr std::int16_t Left = 0x25;
inline constexpr std::int16_t Up = 0x26;
inline constexpr std::int16_t Right = 0x27;
inline constexpr std::int16_t Down = 0x28;
inline constexpr std::int16_t Digit0 = 0x30; // 0x30 to 0x39: the digits of the top row
inline constexpr std::int16_t A = 0x41; // 0x41 to 0x5A: the letters
inline constexpr std::int16_t Numpad0 = 0x60; // 0x60 to 0x69: the digits of the keypad
inline constexpr std::int16_t F1 = 0x70; // 0x70 to 0x7B: F1 to F12
inline constexpr std::int16_t F5 = 0x74;

constexpr std::int16_t letter(char c) { return static_cast<std::int16_t>(A + (c - 'A')); }

// The shift state, one bit for each modifier held.
inline constexpr std::int16_t ShiftMask = 1;
inline constexpr std::int16_t CtrlMask = 2;
inline constexpr std::int16_t AltMask = 4;
} // namespace keys

struct KeyEvent {
    std::int16_t keyCode = 0;
    std::int16_t shift = 0;
    bool autoRepeat = false; // a repeat of a key held down
};

// Keys that act on a window's controls as the mouse does: a key's press is the
// control's press, its release the click and then the release, so that the click is
// judged before the release runs. One key at a time: while one holds its control,
// every other bound key is ignored until it is released, as a held mouse button
// keeps the other controls from being clicked. Repeats of a held key are ignored.
// A key does nothing on a control that takes no input (disabled, hidden), and
// nothing while a text box has the focus, which takes the keys as typing.
class KeyClicks {
public:
    // A key without Ctrl or Alt that clicks the control.
    void bind(std::int16_t keyCode, Control& control);

    // Each returns true if the key belongs to this table and so is used up.
    bool keyDown(const KeyEvent& key, const Control* focus);
    bool keyUp(const KeyEvent& key, const Control* focus);
    // The window lost the keyboard, so a held key will not report its release: the
    // control held gets its release without a click, once the running handler ends.
    void keyboardLost();

    const Control* held() const { return held_; }

private:
    Control* target(const KeyEvent& key) const;

    std::map<std::int16_t, Control*> bindings_;
    Control* held_ = nullptr;
    std::int16_t heldKey_ = 0;
};

} // namespace platform
