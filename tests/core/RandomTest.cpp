#include "GameTest.h"

#include "platform/Random.h"

#include <array>
#include <cmath>
#include <vector>

using namespace gametest;

namespace {

// Pearson's statistic of counts against equal expected counts.
template<std::size_t N>
double chiSquare(const std::array<int, N>& counts)
{
    double total = 0;
    for (int c : counts)
        total += c;
    const double expected = total / static_cast<double>(N);
    double sum = 0;
    for (int c : counts)
        sum += (c - expected) * (c - expected) / expected;
    return sum;
}

// Critical values at p = 0.001: a fair generator stays below them on a fixed seed.
constexpr double chiSquare3Dof = 16.27;
constexpr double chiSquare2Dof = 13.82;

struct DrawCase {
    float r;
    int light;
};

TEST(DrawToLightTest, mapsEachQuarterOfTheUnitIntervalOntoOneLight)
{
    const DrawCase cases[] = {
        {0.0f, 1},  {std::nextafter(0.25f, 0.0f), 1}, {0.25f, 2}, {0.5f, 3}, {std::nextafter(0.75f, 0.0f), 3},
        {0.75f, 4}, {std::nextafter(1.0f, 0.0f), 4}, // would round up to 5 in single precision
    };
    for (const DrawCase& c : cases)
        EXPECT_EQ(platform::drawToLight(c.r), c.light) << c.r;
}

// Counts of a sequence of lights: the first of each run, and every light after another.
struct LightStats {
    std::array<int, 4> first{};
    std::array<std::array<int, 3>, 4> next{}; // next[prev-1]: the three other lights in order
    int repeats = 0;
    int outOfRange = 0;

    void add(const std::vector<int>& run)
    {
        for (std::size_t i = 0; i < run.size(); ++i) {
            const int light = run[i];
            if (light < 1 || light > 4) {
                ++outOfRange;
                continue;
            }
            if (i == 0) {
                ++first[static_cast<std::size_t>(light - 1)];
                continue;
            }
            const int prev = run[i - 1];
            if (prev < 1 || prev > 4)
                continue;
            if (light == prev) {
                ++repeats;
                continue;
            }
            const int slot = light < prev ? light - 1 : light - 2;
            ++next[static_cast<std::size_t>(prev - 1)][static_cast<std::size_t>(slot)];
        }
    }
};

class GameRandomTest : public GameTest {
protected:
    // The patterns of count Follow starts at a level, the clock seeds starting from seed.
    std::vector<std::vector<int>> followPatterns(std::uint64_t seed, int level, int count)
    {
        auto& l = land();
        platform->seed = seed;
        platform->reseeds = 0;
        l.intLevel = level;
        l.aintPattern.redim(level);
        l.aintEntry.redim(level);
        std::vector<std::vector<int>> patterns;
        for (int k = 0; k < count; ++k) {
            l.cmdStart_Click();
            std::vector<int> pattern;
            for (int i = 1; i <= level; ++i)
                pattern.push_back(l.aintPattern(i));
            patterns.push_back(pattern);
        }
        return patterns;
    }
};

TEST_F(GameRandomTest, followPatternsStartUniformlyAndEachLaterLightIsUniformOverTheOtherThree)
{
    const auto patterns = followPatterns(20240611, 6, 4000);
    EXPECT_EQ(platform->reseeds, 4000) << "the generator is reseeded at every Follow start";
    LightStats stats;
    for (const auto& p : patterns)
        stats.add(p);
    EXPECT_EQ(stats.outOfRange, 0);
    EXPECT_EQ(stats.repeats, 0) << "no light directly follows itself";
    EXPECT_LT(chiSquare(stats.first), chiSquare3Dof);
    for (std::size_t prev = 0; prev < 4; ++prev) {
        EXPECT_GT(stats.next[prev][0] + stats.next[prev][1] + stats.next[prev][2], 4000) << "light " << prev + 1;
        EXPECT_LT(chiSquare(stats.next[prev]), chiSquare2Dof) << "after light " << prev + 1;
    }
}

TEST_F(GameRandomTest, followPatternsAreDeterminedByTheClockSeeds)
{
    const auto first = followPatterns(77, 5, 50);
    const auto again = followPatterns(77, 5, 50);
    const auto other = followPatterns(78, 5, 50);
    EXPECT_EQ(first, again);
    EXPECT_NE(first, other);
}

TEST_F(GameRandomTest, theQuarryMovesUniformlyToOneOfTheThreeOtherLights)
{
    platform->seed = 424242;
    startTagChase();
    const int reseedsAtFirstMove = platform->reseeds;
    std::vector<int> positions{quarryLight()};
    for (int move = 2; move <= 6000; ++move) {
        clickLight(quarryLight());
        platform->runNextTick();
        positions.push_back(quarryLight());
    }
    EXPECT_EQ(platform->reseeds - reseedsAtFirstMove, 5999) << "the generator is reseeded at every move";
    LightStats stats;
    stats.add(positions);
    EXPECT_EQ(stats.outOfRange, 0);
    EXPECT_EQ(stats.repeats, 0);
    for (std::size_t prev = 0; prev < 4; ++prev)
        EXPECT_LT(chiSquare(stats.next[prev]), chiSquare2Dof) << "after light " << prev + 1;
}

} // namespace
