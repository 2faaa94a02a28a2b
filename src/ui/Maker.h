#pragma once

// The studio that makes the game, as its name appears on the splash and in the help browser.
namespace ui::maker {
inline constexpr const char* name = "Tallowbrook Studio";
inline constexpr const char* webAddress = "www.tallowbrook.example";
// The years of the splash's copyright line, whose holder is the studio. The game is
// free software, so the line reserves no rights; the licences are in the package's
// copyright file.
inline constexpr const char* copyrightYears = "2026";
} // namespace ui::maker
