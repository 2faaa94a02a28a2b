#include "Artwork.h"

#include <array>
#include <string>

namespace ui::artwork {

using platform::Picture;

Picture landscape() { return Picture::create(":/art/landscape.svg", 674, 480); }
// A light that shows the quarry says so to a screen reader, in the given words.
Picture quarry(std::string description)
{
    return Picture::create(":/art/quarry.svg", 92, 92, Picture::noMask, std::move(description));
}
Picture helpMark() { return Picture::create(":/art/help.svg", 16, 16, maskLightGrey); }
Picture windowIcon() { return Picture::create(":/art/icon.svg", 32, 32); }
Picture titleBanner() { return Picture::create(":/art/banner.svg", 377, 154); }
Picture makerLogo() { return Picture::create(":/art/logo.svg", 288, 90); }

Picture toolbarImage(int number)
{
    static const std::array<const char*, 6> names{"back", "forward", "stop", "refresh", "home", "globe"};
    if (number < 1 || number > static_cast<int>(names.size()))
        return {};
    return Picture::create(std::string(":/art/toolbar-") + names[static_cast<std::size_t>(number - 1)] + ".svg", 24, 24,
                           maskLightGrey);
}

} // namespace ui::artwork
