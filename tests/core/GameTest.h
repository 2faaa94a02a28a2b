#pragma once

#include "GameFixture.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace gametest {

// The game fixture with its helpers open to the case tables of the game tests, so
// that a table row can hold a lambda that plays part of a game.
class GameTest : public doubles::GameFixture {
public:
    using GameFixture::clickLight;
    using GameFixture::cue;
    using GameFixture::cueCount;
    using GameFixture::land;
    using GameFixture::lastCue;
    using GameFixture::platform;
    using GameFixture::playFollowPattern;
    using GameFixture::quarryLight;
    using GameFixture::runtime;
    using GameFixture::startTagChase;
    using GameFixture::steering;

    std::int64_t nowUs() const { return platform->clock().nowUs(); }
    // Microseconds until the light timer's next tick, or -1 while it is stopped.
    std::int64_t usToNextTick() const
    {
        const std::int64_t due = platform->nextTickUs(program->land().tmrLights);
        return due < 0 ? -1 : due - nowUs();
    }
    // Runs an action while the next message box is open.
    void whileNextBox(std::function<void()> action) { platform->whileBoxOpen.push_back(std::move(action)); }
    const doubles::MessageBoxRecord& lastBox() const { return platform->messageBoxes.back(); }
    int boxes() const { return static_cast<int>(platform->messageBoxes.size()); }
    // A Tag chase whose quarry got away on the tick after its first position.
    void playTagToTheEnd()
    {
        startTagChase();
        platform->runNextTick();
    }
    bool lightsAtRest()
    {
        for (int n = 1; n <= 4; ++n)
            if (land().cmdLight[n].backColor() != ui::LandControls::restColor(n) ||
                !land().cmdLight[n].picture().isNull())
                return false;
        return true;
    }
};

inline constexpr const char* tagOverText = "I Finally Got Away.  Click Start to Try Again.";
inline constexpr const char* followWrongText = "You Let Me Get Away.  Click OK to Try Again.";
inline constexpr const char* followCaughtText = "You Caught Me!  Click OK to Go to the Next Level.";

// Names a parameterised case after the name field of its row.
template<typename Case>
std::string caseName(const ::testing::TestParamInfo<Case>& info)
{
    return info.param.name;
}

} // namespace gametest
