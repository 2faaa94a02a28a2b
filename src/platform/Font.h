#pragma once

#include <string>

namespace platform {

struct Font {
    std::string name = "MS Sans Serif";
    float sizePt = 8.0f;
    bool bold = false;
    friend bool operator==(const Font&, const Font&) = default;
};

} // namespace platform
