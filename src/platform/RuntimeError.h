#pragma once

#include "Translate.h"

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace platform {

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

} // namespace platform
