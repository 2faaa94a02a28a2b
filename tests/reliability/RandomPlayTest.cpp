// Long random games against the model, with the mouse and the keyboard. Every run is
// seeded and prints its seed first; a failure prints it again, and the replay case
// plays any seed again:
//   GLIMMERKIN_PLAY_SEED=0x... GLIMMERKIN_PLAY_EVENTS=200000 reliability_tests --gtest_filter=RandomPlay.replay

#include "PlayDriver.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace reliability;

namespace {

// Eight fixed seeds of 130 000 actions each: over a million per run.
constexpr std::uint64_t eventsPerSeed = 130'000;

void expectWideCoverage(const PlaySession& s, const PlayTally& t)
{
    EXPECT_GT(t.of(State::Ready), 0u);
    EXPECT_GT(t.of(State::FollowPlayback), 1000u);
    EXPECT_GT(t.of(State::FollowAnswer), 1000u);
    EXPECT_GT(t.of(State::TagChase), 1000u);
    EXPECT_GT(t.of(State::TagOver), 100u);
    EXPECT_GT(t.endedInGame, 0u);
    EXPECT_GE(s.highestLevel(), 8) << "no long Follow game";
    EXPECT_GE(s.highestTagScore(), 100) << "no chase reached the fastest interval";
    EXPECT_GT(s.boxesSeen(), 100u);
    EXPECT_GT(t.keysTaken, 500u) << "few keys held a control";
}

class RandomPlay : public testing::TestWithParam<std::uint64_t> {};

TEST_P(RandomPlay, everyEventKeepsTheRules)
{
    const std::uint64_t seed = GetParam();
    SCOPED_TRACE("seed " + hexSeed(seed) + "; replay with GLIMMERKIN_PLAY_SEED=" + hexSeed(seed));
    announceSeed(seed);
    PlaySession session(seed);
    RandomPlayer player(seed);
    const PlayTally tally = play(session, player, eventsPerSeed);
    ASSERT_FALSE(session.failed()) << session.failure();
    EXPECT_EQ(session.events(), eventsPerSeed);
    expectWideCoverage(session, tally);
    RecordProperty("ticks", std::to_string(session.ticks()));
    RecordProperty("lives", std::to_string(session.lives()));
    RecordProperty("keys taken", std::to_string(tally.keysTaken));
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomPlay,
                         testing::Values(0x1ull, 0x5eedull, 0xC0FFEEull, 0xBADC0DEull, 0x7A61ull, 0x0F0110ull,
                                         0x2001ull, 0xDEADBEEFull),
                         [](const testing::TestParamInfo<std::uint64_t>& info) { return hexSeed(info.param); });

// A seed of its own on every run, so that runs together cover more ground.
TEST(RandomPlayFresh, aNewSeedEachRun)
{
    const auto seed = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    SCOPED_TRACE("seed " + hexSeed(seed) + "; replay with GLIMMERKIN_PLAY_SEED=" + hexSeed(seed));
    RecordProperty("seed", hexSeed(seed));
    announceSeed(seed);
    PlaySession session(seed);
    RandomPlayer player(seed);
    play(session, player, 60'000);
    ASSERT_FALSE(session.failed()) << session.failure();
}

// Replays one seed named in the environment; skipped when none is named.
TEST(RandomPlay, replay)
{
    const std::uint64_t seed = numberFromEnvironment("GLIMMERKIN_PLAY_SEED", 0);
    if (seed == 0)
        GTEST_SKIP() << "set GLIMMERKIN_PLAY_SEED to replay a run";
    const std::uint64_t events = numberFromEnvironment("GLIMMERKIN_PLAY_EVENTS", eventsPerSeed);
    const bool pokes = numberFromEnvironment("GLIMMERKIN_PLAY_POKES", 0) != 0;
    SCOPED_TRACE("seed " + hexSeed(seed));
    PlaySession session(seed);
    session.setErrorsAllowed(pokes);
    RandomPlayer::Options options;
    options.pokes = pokes;
    RandomPlayer player(seed, options);
    play(session, player, events);
    ASSERT_FALSE(session.failed()) << session.failure();
}

// The 16-bit counters driven to their limit: the overflow is reported, the
// program ends cleanly, and nothing goes wrong before it.
TEST(RandomPlayOverflow, deliberateSetUpsNearTheLimitEndCleanly)
{
    const std::uint64_t seed = 0x7FFFull;
    SCOPED_TRACE("seed " + hexSeed(seed) + "; replay with GLIMMERKIN_PLAY_SEED=" + hexSeed(seed) +
                 " GLIMMERKIN_PLAY_POKES=1");
    PlaySession session(seed);
    session.setErrorsAllowed(true);
    RandomPlayer::Options options;
    options.pokes = true;
    RandomPlayer player(seed, options);
    play(session, player, 40'000);
    ASSERT_FALSE(session.failed()) << session.failure();
    EXPECT_GT(session.errorsSeen(), 20u);
    EXPECT_GT(session.lives(), 20u);
}

} // namespace
