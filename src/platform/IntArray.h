#pragma once

#include "Int16.h"
#include "RuntimeError.h"

#include <vector>

namespace platform {

// A resizable array of 16-bit integers with lower bound 1. Reading or writing
// outside 1..upperBound() raises "Subscript out of range" instead of touching memory.
class IntArray {
public:
    // Discards the contents: every element of 1..upperBound becomes 0.
    void redim(int upperBound)
    {
        if (upperBound < 0)
            throw RuntimeError(errors::subscriptOutOfRange, TR_TEXT("RuntimeError", "Subscript out of range"));
        items_.assign(static_cast<std::size_t>(upperBound), Int16(0));
        dimensioned_ = true;
    }
    bool dimensioned() const { return dimensioned_; }
    int lowerBound() const { return 1; }
    int upperBound() const { return static_cast<int>(items_.size()); }
    bool contains(int index) const { return index >= 1 && index <= upperBound(); }

    Int16& operator()(int index)
    {
        if (!contains(index))
            throw RuntimeError(errors::subscriptOutOfRange, TR_TEXT("RuntimeError", "Subscript out of range"));
        return items_[static_cast<std::size_t>(index - 1)];
    }
    Int16 operator()(int index) const { return const_cast<IntArray&>(*this)(index); }

private:
    std::vector<Int16> items_;
    bool dimensioned_ = false;
};

} // namespace platform
