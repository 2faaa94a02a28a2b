#pragma once

#include "game/Globals.h"

#include <memory>

namespace platform {
class Form;
class Platform;
class Runtime;
} // namespace platform

namespace app {
class frmSplash;
}
namespace game {
class frmLand;
}
namespace browser {
class frmBrowser;
}

namespace app {

// The whole program: the runtime and one instance of each window class, each
// created the first time it is referred to.
class Program {
public:
    explicit Program(platform::Platform& platform);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Loads the start-up window and shows it.
    void start();

    platform::Runtime& runtime() { return *runtime_; }
    game::modGlobals& globals() { return globals_; }
    frmSplash& splash();
    game::frmLand& land();
    browser::frmBrowser& help();
    bool landCreated() const { return land_ != nullptr; }
    bool helpCreated() const { return help_ != nullptr; }

private:
    std::unique_ptr<platform::Runtime> runtime_;
    game::modGlobals globals_;
    // Declared in the reverse order of creation so that the newest goes first.
    std::unique_ptr<browser::frmBrowser> help_;
    std::unique_ptr<game::frmLand> land_;
    std::unique_ptr<frmSplash> splash_;
};

} // namespace app
