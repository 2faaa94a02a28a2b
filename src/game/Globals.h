#pragma once

#include "platform/Int16.h"

namespace game {

// Program-wide variables, alive for the whole run.
struct modGlobals {
    // 0 = Follow, 1 = Tag. Written only by the mode captions of the game window.
    platform::Int16 intGameMode = 0;
};

} // namespace game
