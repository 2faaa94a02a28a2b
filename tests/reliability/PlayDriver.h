#pragma once

#include "PlaySession.h"
#include "RandomPlayer.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace reliability {

// How often each state was seen after an event, and how lives ended.
struct PlayTally {
    std::array<std::uint64_t, 7> states{};
    std::uint64_t endedInSplash = 0;
    std::uint64_t endedInGame = 0;
    std::uint64_t keysTaken = 0; // key presses that took hold of a control

    std::uint64_t of(State s) const { return states[static_cast<std::size_t>(s)]; }
};

// Plays until `events` actions have been given in all, starting a new program
// whenever one ends. Stops at the first difference.
inline PlayTally play(PlaySession& session, RandomPlayer& player, std::uint64_t events)
{
    PlayTally tally;
    while (session.events() < events) {
        if (session.model().ended()) {
            session.newLife();
            player.newLife();
        }
        const bool wasSplash = session.model().state() == State::Splash;
        const bool keyHeld = session.model().heldKey() != 0;
        if (!session.apply(player.next(session.model())))
            break;
        if (!keyHeld && session.model().heldKey() != 0)
            ++tally.keysTaken;
        const State state = session.model().state();
        ++tally.states[static_cast<std::size_t>(state)];
        if (state == State::Ended)
            ++(wasSplash ? tally.endedInSplash : tally.endedInGame);
    }
    return tally;
}

inline std::string hexSeed(std::uint64_t seed)
{
    std::ostringstream out;
    out << "0x" << std::hex << seed;
    return out.str();
}

// Prints the seed of a run before it starts, so that any failure, a crash included,
// can be played again.
inline void announceSeed(std::uint64_t seed)
{
    std::printf("random play seed %s; replay with GLIMMERKIN_PLAY_SEED=%s\n", hexSeed(seed).c_str(),
                hexSeed(seed).c_str());
    std::fflush(stdout);
}

// A number from the test's environment (decimal or 0x hex), or the fallback.
inline std::uint64_t numberFromEnvironment(const char* name, std::uint64_t fallback)
{
    const char* text = std::getenv(name);
    if (!text || !*text)
        return fallback;
    return std::strtoull(text, nullptr, 0);
}

} // namespace reliability
