#pragma once

#include "platform/Browser.h"
#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/Timer.h"

namespace ui {

// The controls of the splash window, in the stacking order of the layout.
class SplashControls {
public:
    explicit SplashControls(platform::Form& form);

    platform::Control picLogo;
    platform::Control picQRV;
    platform::Timer tmrSplash;
    platform::Browser wbSplash;
    platform::Control lblMsg;
    platform::Control lblCopyright;
    platform::Control lblProud;

protected:
    void layoutSplash(platform::FormStyle& window);
};

} // namespace ui
