#include "KeyCodes.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include <algorithm>
#include <array>

namespace qtplatform {

namespace keys = platform::keys;

namespace {

// Keys by their place on the keyboard, as X keycodes (the kernel's key numbers plus 8),
// which Qt gives as the native scan code on X11 and on Wayland alike.
constexpr std::array<quint32, 10> digitRow{19, 10, 11, 12, 13, 14, 15, 16, 17, 18}; // 0 to 9
constexpr std::array<quint32, 10> keypad{90, 87, 88, 89, 83, 84, 85, 79, 80, 81}; // 0 to 9
constexpr std::array<quint32, 26> letterKeys{38, 56, 54, 40, 26, 41, 42, 43, 31, 44, 45, 46, 58,
                                             57, 32, 33, 24, 27, 39, 28, 30, 55, 25, 53, 29, 52}; // A to Z, US

template<std::size_t N>
int placeOf(const std::array<quint32, N>& keys, quint32 scanCode)
{
    const auto it = std::find(keys.begin(), keys.end(), scanCode);
    return it == keys.end() ? -1 : static_cast<int>(it - keys.begin());
}

// A character that is neither ASCII nor a Latin letter, as the letter keys of an Arabic,
// Russian or Greek layout give.
bool givesOtherScript(const QKeyEvent& event)
{
    const int key = event.key();
    const QList<uint> text = event.text().toUcs4();
    const char32_t c = key > 0 && key < Qt::Key_Escape ? static_cast<char32_t>(key) : text.isEmpty() ? 0 : text.front();
    return c >= 0x80 && QChar::script(c) != QChar::Script_Latin;
}

} // namespace

ScanCodes platformScanCodes()
{
    const QString name = QGuiApplication::platformName();
    return name == u"xcb" || name.startsWith(u"wayland") ? ScanCodes::XKeycodes : ScanCodes::Unknown;
}

std::optional<platform::KeyEvent> toKeyEvent(const QKeyEvent& event, ScanCodes scanCodes)
{
    const int key = event.key();
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    auto code = [](int base, int offset) { return static_cast<std::int16_t>(base + offset); };
    const quint32 scanCode = scanCodes == ScanCodes::XKeycodes ? event.nativeScanCode() : 0;
    std::int16_t keyCode = 0;
    // The digit row and the keypad are digits by their place on every layout; the
    // keypad only while it gives characters (Num Lock on), else its keys are arrows.
    if (const int digit = placeOf(digitRow, scanCode); digit >= 0)
        keyCode = code(keys::Digit0, digit);
    else if (const int pad = placeOf(keypad, scanCode); pad >= 0 && key < Qt::Key_Escape)
        keyCode = code(keys::Numpad0, pad);
    else if (key >= Qt::Key_0 && key <= Qt::Key_9)
        keyCode = code(modifiers.testFlag(Qt::KeypadModifier) ? keys::Numpad0 : keys::Digit0, key - Qt::Key_0);
    else if (key >= Qt::Key_A && key <= Qt::Key_Z)
        keyCode = code(keys::A, key - Qt::Key_A);
    // A letter key of a layout without Latin letters is the letter of its place on a US keyboard.
    else if (const int letter = placeOf(letterKeys, scanCode); letter >= 0 && givesOtherScript(event))
        keyCode = code(keys::A, letter);
    else if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        keyCode = code(keys::F1, key - Qt::Key_F1);
    else {
        switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter: keyCode = keys::Return; break;
        case Qt::Key_Escape: keyCode = keys::Escape; break;
        case Qt::Key_Space: keyCode = keys::Space; break;
        case Qt::Key_Home: keyCode = keys::Home; break;
        case Qt::Key_Left: keyCode = keys::Left; break;
        case Qt::Key_Up: keyCode = keys::Up; break;
        case Qt::Key_Right: keyCode = keys::Right; break;
        case Qt::Key_Down: keyCode = keys::Down; break;
        default: return std::nullopt;
        }
    }
    const auto shift = static_cast<std::int16_t>((modifiers.testFlag(Qt::ShiftModifier) ? keys::ShiftMask : 0) |
                                                 (modifiers.testFlag(Qt::ControlModifier) ? keys::CtrlMask : 0) |
                                                 (modifiers.testFlag(Qt::AltModifier) ? keys::AltMask : 0));
    return platform::KeyEvent{keyCode, shift, event.isAutoRepeat()};
}

} // namespace qtplatform
