#pragma once

#include "Control.h"

#include <memory>
#include <string>
#include <vector>

namespace platform {

// Controls of one kind sharing their handlers, indexed from 0.
template<typename T>
class ControlArray {
public:
    ControlArray(Form& form, ControlKind kind, const std::string& name, int count)
    {
        for (int i = 0; i < count; ++i)
            items_.push_back(std::make_unique<T>(form, kind, name, i));
    }
    T& operator[](int index) { return *items_.at(static_cast<std::size_t>(index)); }
    const T& operator[](int index) const { return *items_.at(static_cast<std::size_t>(index)); }
    int count() const { return static_cast<int>(items_.size()); }

private:
    std::vector<std::unique_ptr<T>> items_;
};

} // namespace platform
