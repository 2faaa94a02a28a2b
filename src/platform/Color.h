#pragma once

#include <cstdint>

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

} // namespace platform
