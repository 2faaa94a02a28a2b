#pragma once

#include "platform/Browser.h"
#include "platform/ComboBox.h"
#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/ImageList.h"
#include "platform/Timer.h"
#include "platform/Toolbar.h"

namespace ui {

// The controls of the help browser window, in the stacking order of the layout.
class BrowserControls {
public:
    explicit BrowserControls(platform::Form& form);

    platform::Toolbar tbToolBar;
    platform::Browser brwWebBrowser;
    platform::Timer timTimer;
    platform::Control picAddress;
    platform::ComboBox cboAddress;
    platform::Control lblAddress;
    platform::ImageList imlIcons;

protected:
    void layoutBrowser(platform::FormStyle& window);
};

} // namespace ui
