#pragma once

namespace platform {

// Geometry is kept in twips, in single precision: 15 twips are one pixel at 96 dpi.
using Twips = float;
inline constexpr float twipsPerPixel = 15.0f;

} // namespace platform
