#include "Program.h"

#include "FrmSplash.h"
#include "browser/FrmBrowser.h"
#include "game/FrmLand.h"
#include "platform/Runtime.h"

namespace app {

Program::Program(platform::Platform& platform) : runtime_(std::make_unique<platform::Runtime>(platform)) {}

Program::~Program()
{
    // Windows go before the runtime they were loaded in.
    help_.reset();
    land_.reset();
    splash_.reset();
}

void Program::start()
{
    runtime_->dispatchNotification([this] { splash().show(); });
}

frmSplash& Program::splash()
{
    if (!splash_)
        splash_ = std::make_unique<frmSplash>(*runtime_, [this]() -> platform::Form& { return land(); });
    return *splash_;
}

game::frmLand& Program::land()
{
    if (!land_)
        land_ = std::make_unique<game::frmLand>(*runtime_, globals_, [this]() -> platform::Form& { return help(); });
    return *land_;
}

browser::frmBrowser& Program::help()
{
    if (!help_)
        help_ = std::make_unique<browser::frmBrowser>(*runtime_);
    return *help_;
}

} // namespace app
