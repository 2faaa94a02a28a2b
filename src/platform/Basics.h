#pragma once

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Translate.h"

namespace platform {

// Colours are 0xBBGGRR. A value with the high bit set names an entry of the
// system colour table (0x80000012 is entry 18, button text).
using Color = std::uint32_t;

namespace colors {
inline constexpr Color Black = 0x000000;
inline constexpr Color White = 0xFFFFFF;
inline constexpr Color Red = 0x0000FF;
inline constexpr Color WindowBackground = 0x80000005;
inline constexpr Color WindowText = 0x80000008;
inline constexpr Color Selection = 0x8000000D;
inline constexpr Color SelectedText = 0x8000000E;
inline constexpr Color ButtonFace = 0x8000000F;
inline constexpr Color ButtonShadow = 0x80000010;
inline constexpr Color GrayText = 0x80000011;
inline constexpr Color ButtonText = 0x80000012;
inline constexpr Color Highlight3D = 0x80000014;
inline constexpr Color DarkShadow3D = 0x80000015;
inline constexpr Color Light3D = 0x80000016;
} // namespace colors

constexpr bool isSystemColor(Color c) { return (c & 0x80000000u) != 0; }
constexpr int systemColorIndex(Color c) { return static_cast<int>(c & 0xFFu); }
constexpr int redOf(Color c) { return static_cast<int>(c & 0xFFu); }
constexpr int greenOf(Color c) { return static_cast<int>((c >> 8) & 0xFFu); }
constexpr int blueOf(Color c) { return static_cast<int>((c >> 16) & 0xFFu); }

// Geometry is kept in twips, in single precision: 15 twips are one pixel at 96 dpi.
using Twips = float;
inline constexpr float twipsPerPixel = 15.0f;

// The numbers of the run-time errors, as the error message box reports them.
namespace errors {
inline constexpr int invalidCall = 5; // an argument out of range
inline constexpr int overflow = 6; // a 16-bit counter overflows
inline constexpr int subscriptOutOfRange = 9; // an array index out of its bounds
inline constexpr int objectNotSet = 91; // a control used while it is not loaded
inline constexpr int noArrayElement = 340; // a control array has no such element
inline constexpr int invalidPropertyValue = 380; // a property set to a value it cannot take
inline constexpr int unspecified = -2147467259; // a browser control's request failed
} // namespace errors

// An error raised at run time, such as an overflow of the game's 16-bit counters.
// No game handler traps it: the event dispatcher abandons the handler, reports the
// error in a message box and ends the program.
// Its description is a marked text (TR_TEXT("RuntimeError", ...)) with the pieces
// its placeholders take, so that the box can say it in the player's language; what()
// is the English. A description given as plain text is shown as it is.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& what) : std::runtime_error(what), number_(number) {}
    RuntimeError(int number, SourceText description, std::vector<std::string> pieces = {})
        : std::runtime_error(withArgs(description.text, pieces)), number_(number), description_(description),
          pieces_(std::move(pieces))
    {}
    int number() const { return number_; }
    SourceText description() const { return description_; }
    const std::vector<std::string>& pieces() const { return pieces_; }

private:
    int number_;
    SourceText description_{nullptr, nullptr};
    std::vector<std::string> pieces_;
};

class OverflowError : public RuntimeError {
public:
    explicit OverflowError(int value)
        : RuntimeError(errors::overflow, TR_TEXT("RuntimeError", "Overflow: %1 does not fit a 16-bit integer"),
                       {std::to_string(value)})
    {}
};

// Thrown out of a handler when the program has ended underneath it (for instance
// while it waited on a message box); the dispatcher swallows it.
struct ProgramEnded {};

// A 16-bit signed integer whose arithmetic never wraps: a result outside
// -32768..32767 raises OverflowError before anything is stored.
class Int16 {
public:
    constexpr Int16() = default;
    constexpr Int16(int v) : value_(check(v)) {} // NOLINT: converts like the 16-bit counters it models

    constexpr operator int() const { return value_; } // NOLINT
    constexpr std::int16_t raw() const { return value_; }

    friend constexpr Int16 operator+(Int16 a, int b) { return Int16(int(a.value_) + b); }
    friend constexpr Int16 operator-(Int16 a, int b) { return Int16(int(a.value_) - b); }

private:
    static constexpr std::int16_t check(int v)
    {
        if (v < std::numeric_limits<std::int16_t>::min() || v > std::numeric_limits<std::int16_t>::max())
            throw OverflowError(v);
        return static_cast<std::int16_t>(v);
    }
    std::int16_t value_ = 0;
};

// Booleans of the game state hold -1 (true) and 0 (false) and nothing else.
using Bool16 = std::int16_t;
inline constexpr Bool16 True = -1;
inline constexpr Bool16 False = 0;

struct Font {
    std::string name = "MS Sans Serif";
    float sizePt = 8.0f;
    bool bold = false;
    friend bool operator==(const Font&, const Font&) = default;
};

} // namespace platform
