#pragma once

#include "platform/Picture.h"

// The pictures of the three windows. Each call creates a new picture object, as a
// window does when it loads its layout.
namespace ui::artwork {

inline constexpr std::uint32_t maskLightGrey = 0xC0C0C0;

platform::Picture landscape(); // 674 x 480
platform::Picture quarry(std::string description); // 92 x 92
platform::Picture helpMark(); // 16 x 16, light grey masked
platform::Picture windowIcon(); // 32 x 32
platform::Picture titleBanner(); // 377 x 154
platform::Picture makerLogo(); // 288 x 90, transparent background

// Toolbar images, 24 x 24, light grey masked: back, forward, stop, refresh, home, globe.
platform::Picture toolbarImage(int number);

} // namespace ui::artwork
