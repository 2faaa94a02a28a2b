#pragma once

#include "platform/Form.h"
#include "ui/SplashControls.h"

#include <functional>

namespace app {

// The start-up window: five seconds of the maker's logo and the title while the
// splash page plays, then the game window takes over.
class frmSplash : public platform::Form, public ui::SplashControls {
public:
    frmSplash(platform::Runtime& runtime, std::function<platform::Form&()> gameWindow);

    void Form_Load() override;
    void tmrSplash_Timer();

protected:
    void layout() override;

private:
    std::function<platform::Form&()> gameWindow_;
};

} // namespace app
