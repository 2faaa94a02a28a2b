#pragma once

#include "platform/Browser.h"
#include "platform/Control.h"
#include "platform/ControlArray.h"
#include "platform/Form.h"
#include "platform/Timer.h"

namespace ui {

// The controls of the game window, in the stacking order of the layout.
class LandControls {
public:
    explicit LandControls(platform::Form& form);

    platform::Control cmdHelp;
    platform::Control txtScore;
    platform::Control cmdPic;
    platform::ControlArray<platform::Control> cmdLight; // 0 is hidden, 1..4 are the lights
    platform::Control cmdStart;
    platform::Timer tmrLights;
    platform::Control picLand;
    platform::ControlArray<platform::Control> lblGame;
    platform::Control lblStart;
    platform::Control lblSO;
    platform::Control shpSO;
    platform::Browser wbSounds;
    platform::Control Label2;

    // The rest colour of a light: the colour of the landscape under it.
    static platform::Color restColor(int light);

protected:
    // Builds the window settings and every control as laid out.
    void layoutLand(platform::FormStyle& window);
};

} // namespace ui
