#include "GameFixture.h"

namespace doubles {

std::string ProgramFixture::lastCue() const
{
    const auto cues = platform->navigationsOf("frmLand.wbSounds");
    return cues.empty() ? std::string() : cues.back().address;
}

int GameFixture::quarryLight()
{
    int found = 0;
    for (int n = 1; n <= 4; ++n)
        if (!land().cmdLight[n].picture().isNull()) {
            EXPECT_EQ(found, 0) << "two lights hold the quarry";
            EXPECT_EQ(land().cmdLight[n].picture(), land().cmdPic.picture());
            found = n;
        }
    return found;
}

void GameFixture::playFollowPattern(const std::vector<int>& pattern)
{
    auto& l = land();
    if (l.globals().intGameMode != 0)
        l.lblGame[0].raiseClick();
    const int level = static_cast<int>(pattern.size());
    l.intLevel = level;
    l.aintPattern.redim(level);
    l.aintEntry.redim(level);
    l.lblStart.raiseClick();
    for (int i = 1; i <= level; ++i)
        l.aintPattern(i) = pattern[static_cast<std::size_t>(i - 1)];
    platform->advanceMs(1500LL * (level + 1));
    ASSERT_EQ(l.blnLocked, platform::False);
}

void GameFixture::startTagChase()
{
    auto& l = land();
    if (l.globals().intGameMode != 1)
        l.lblGame[1].raiseClick();
    l.lblStart.raiseClick();
    platform->advanceMs(2001);
}

std::string GameFixture::steering()
{
    auto& l = land();
    std::string s;
    for (const platform::Control* c : {&l.lblGame[0], &l.lblGame[1], &l.lblStart, &l.lblSO, &l.cmdHelp})
        s += c->enabled() ? '1' : '0';
    return s;
}

} // namespace doubles
