#pragma once

#include "FakePlatform.h"
#include "app/FrmSplash.h"
#include "app/Program.h"
#include "browser/FrmBrowser.h"
#include "game/FrmLand.h"

#include <gtest/gtest.h>

#include <memory>

namespace doubles {

// A whole program on the test side of the platform layer, started at virtual time 0.
class ProgramFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform = std::make_unique<FakePlatform>();
        program = std::make_unique<app::Program>(*platform);
        program->start();
    }
    void TearDown() override
    {
        program.reset();
        platform.reset();
    }

    platform::Runtime& runtime() { return program->runtime(); }
    app::frmSplash& splash() { return program->splash(); }
    game::frmLand& land() { return program->land(); }
    browser::frmBrowser& help() { return program->help(); }
    std::string cue(const char* page) const { return platform->appPath_ + page; }
    // The page most recently requested of the game window's sound control.
    std::string lastCue() const;
    int cueCount() const { return static_cast<int>(platform->navigationsOf("frmLand.wbSounds").size()); }

    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<app::Program> program;
};

// The program with the game window open in its Ready state (the splash has gone).
class GameFixture : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        platform->advanceMs(5000);
        ASSERT_TRUE(land().isLoaded());
    }

    void clickLight(int n) { mouseClick(land().cmdLight[n]); }
    // The light that holds the quarry, or 0.
    int quarryLight();
    // Starts Follow at a level with a fixed pattern, and plays it to the player's answer.
    void playFollowPattern(const std::vector<int>& pattern);
    // Starts a Tag chase and lets the first tick place the quarry.
    void startTagChase();

    // The enabled state of Follow, Tag, Start, Start Over, Help, as one string of 0 and 1.
    std::string steering();
};

} // namespace doubles
