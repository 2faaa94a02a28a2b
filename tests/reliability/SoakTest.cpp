// A day of play in virtual time, in one run of the program: every rule holds to
// the end and the heap does not grow.

#include "FakePlatform.h"
#include "PlayDriver.h"
#include "app/Program.h"
#include "platform/Runtime.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
#define GLIMMERKIN_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define GLIMMERKIN_ASAN 1
#endif
#endif

#ifdef GLIMMERKIN_ASAN
// The sanitizer's allocator counts what is in use (gcc ships no header for it).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

using namespace reliability;

namespace {

// Bytes the program and the test hold on the heap right now.
std::size_t liveHeapBytes()
{
#ifdef GLIMMERKIN_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

constexpr std::int64_t hourUs = 3'600'000'000LL;

TEST(Soak, aDayOfPlayKeepsTheRulesAndTheHeapFlat)
{
    const std::uint64_t seed = numberFromEnvironment("GLIMMERKIN_SOAK_SEED", 0x50A4ull);
    SCOPED_TRACE("seed " + hexSeed(seed) + "; replay with GLIMMERKIN_SOAK_SEED=" + hexSeed(seed));
    PlaySession session(seed);
    RandomPlayer::Options options;
    options.closeGamePerEvent = 0;
    options.closeSplashPerLife = 0;
    options.closeInBoxes = false;
    RandomPlayer player(seed, options);

    // The first hour warms up every path (help window, long patterns, fast chases);
    // from then on the heap may not grow.
    std::size_t baseline = 0;
    std::size_t highest = 0;
    int hour = 0;
    while (session.model().now() < 24 * hourUs && !session.failed()) {
        ASSERT_FALSE(session.model().ended()) << "the program ended during the soak";
        session.apply(player.next(session.model()));
        if (session.model().now() < (hour + 1) * hourUs)
            continue;
        ++hour;
        // The browser keeps its history while the window lives; a closed one is forgotten.
        if (!session.model().helpLoaded()) {
            Action forget;
            forget.op = Op::ForgetHelpHistory;
            session.apply(forget);
        }
        player.newLife(); // another mood for the next hour; the program goes on
        const std::size_t bytes = liveHeapBytes();
        if (hour == 1)
            baseline = bytes;
        highest = std::max(highest, bytes);
    }
    ASSERT_FALSE(session.failed()) << session.failure();
    EXPECT_EQ(session.lives(), 1u);
    EXPECT_GE(hour, 24);
    // A day of play is far more than a hundred thousand events; a leak of even a
    // few bytes on any common path would show by megabytes.
    EXPECT_GT(session.events(), 100'000u);
    EXPECT_LT(highest - baseline, 256u * 1024) << "heap grew from " << baseline << " to " << highest << " bytes";
    EXPECT_LE(session.platform().armedTimers(), 2);
    RecordProperty("events", std::to_string(session.events()));
    RecordProperty("ticks", std::to_string(session.ticks()));
    RecordProperty("heapGrowth", std::to_string(highest - baseline));
}

} // namespace
