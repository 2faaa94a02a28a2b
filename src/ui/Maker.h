#pragma once

// The studio that makes the game, as its name appears on the splash and in the help browser.
namespace ui::maker {
inline constexpr const char* Name = "Tallowbrook Studio";
inline constexpr const char* WebAddress = "www.tallowbrook.example";
inline constexpr const char* Copyright = "Copyright \u00A9 2026 Tallowbrook Studio. All rights reserved.";
} // namespace ui::maker
