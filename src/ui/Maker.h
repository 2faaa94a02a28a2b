#pragma once

// The studio that makes the game, as its name appears on the splash and in the help browser.
namespace ui::maker {
inline constexpr const char* name = "Tallowbrook Studio";
inline constexpr const char* webAddress = "www.tallowbrook.example";
// The splash's copyright line: holder and years. The game is free software, so the
// line reserves no rights; the licences are in the package's copyright file.
inline constexpr const char* copyright = "Copyright \u00A9 2026 Tallowbrook Studio";
} // namespace ui::maker
