#pragma once

#include "Globals.h"
#include "platform/Form.h"
#include "platform/Int16.h"
#include "platform/IntArray.h"
#include "ui/LandControls.h"

#include <functional>

namespace game {

// The game window: the whole state of a game, the steering controls, the start
// routine, the light timer and the judging of clicks on the lights.
class frmLand : public platform::Form, public ui::LandControls {
public:
    frmLand(platform::Runtime& runtime, modGlobals& globals, std::function<platform::Form&()> helpWindow);

    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    bool Form_KeyDown(const platform::KeyEvent& key, const platform::Control* focus) override;
    bool Form_KeyUp(const platform::KeyEvent& key, const platform::Control* focus) override;
    void Form_KeyboardLost() override;

    void lblGame_Click(int index);
    void lblStart_Click();
    void lblSO_Click();
    void cmdHelp_Click();
    void cmdStart_Click();
    void tmrLights_Timer();
    void ResetLight(int n);
    void cmdLight_MouseDown(int index);
    void cmdLight_MouseUp(int index);
    void cmdLight_Click(int index);

    // The state of a game. Public so that tests and the view can read it, and so
    // that tests can set up a state directly.
    platform::Int16 intStep = 0;
    platform::Int16 intLevel = 0;
    platform::IntArray aintPattern;
    platform::IntArray aintEntry;
    platform::Bool16 blnLocked = platform::False;
    platform::Bool16 blnTagged = platform::False;
    platform::Int16 intPrevLight = 0;
    platform::Int16 intLight = 0;

    modGlobals& globals() const { return globals_; }

protected:
    void layout() override;

private:
    void judgeFollowEntry(int light);
    void judgeTagShot(int light);
    void followEntryWrong();
    void tagGotAway();
    void enableSteering(bool startOver);
    void playCue(const char* page);

    modGlobals& globals_;
    std::function<platform::Form&()> helpWindow_;
    platform::KeyClicks keys_;
};

} // namespace game
