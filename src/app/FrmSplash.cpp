#include "FrmSplash.h"

#include "sound/CuePlayer.h"

namespace app {

frmSplash::frmSplash(platform::Runtime& runtime, std::function<platform::Form&()> gameWindow)
    : Form(runtime, "frmSplash"), SplashControls(static_cast<platform::Form&>(*this)),
      gameWindow_(std::move(gameWindow))
{
    tmrSplash.onTimer = [this] { tmrSplash_Timer(); };
}

void frmSplash::layout() { layoutSplash(style()); }

void frmSplash::Form_Load()
{
    tmrSplash.setInterval(5000);
    sound::playCue(wbSplash, "\\Splash.htm");
}

void frmSplash::tmrSplash_Timer()
{
    // The game window loads (its Form_Load runs to the end) before the splash goes;
    // unloading the splash destroys its timer, so this tick is the only one.
    gameWindow_().show();
    unload();
}

} // namespace app
