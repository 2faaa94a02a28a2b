#pragma once

#include "PlayModel.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace app {
class Program;
}
namespace doubles {
class FakePlatform;
}

namespace reliability {

// A program on the test side of the platform layer, played together with the
// model. Each action goes to both; after each action, and after each timer tick
// on the way through a wait, the program is held against the model and against
// the standing rules of the game. The first difference ends the session.
class PlaySession {
public:
    using PlatformFactory = std::function<std::unique_ptr<doubles::FakePlatform>()>;

    explicit PlaySession(std::uint64_t seed, PlatformFactory factory = {});
    ~PlaySession();
    PlaySession(const PlaySession&) = delete;
    PlaySession& operator=(const PlaySession&) = delete;

    // Starts a fresh program at virtual time 0 (the one before is dropped).
    void newLife();
    // Plays one action; false once the program and the model part (see failure()).
    bool apply(const Action& action);

    // Run-time errors are expected only after the deliberate set-ups near the
    // 16-bit limits; otherwise any reported error is a failure.
    void setErrorsAllowed(bool allowed) { errorsAllowed_ = allowed; }

    bool failed() const { return !failure_.empty(); }
    // What went wrong, with the seed, the place in the run and the last actions.
    const std::string& failure() const { return failure_; }

    const GameModel& model() const { return *model_; }
    app::Program& program() { return *program_; }
    doubles::FakePlatform& platform() { return *platform_; }
    std::uint64_t seed() const { return seed_; }

    std::uint64_t events() const { return events_; }
    std::uint64_t ticks() const { return ticks_; }
    std::uint64_t lives() const { return lives_; }
    std::uint64_t boxesSeen() const { return boxesSeen_; }
    std::uint64_t errorsSeen() const { return errorsSeen_; }
    int highestLevel() const { return highestLevel_; }
    int highestTagScore() const { return highestTagScore_; }

private:
    void rawInput(Op op, int light, int button, int arg);
    void keyInput(const Action& action);
    void waitUntil(std::int64_t targetUs);
    void readDraws();
    bool check();
    bool checkLand(bool ended);
    static const char* steeringName(int i);
    Snapshot programSnapshot();
    bool fail(const std::string& what);
    void scriptBoxes(const Action& action);
    void checkBoxOpen();

    std::uint64_t seed_;
    PlatformFactory factory_;
    std::unique_ptr<doubles::FakePlatform> platform_;
    std::unique_ptr<app::Program> program_;
    std::unique_ptr<GameModel> model_;
    bool errorsAllowed_ = false;
    std::string failure_;
    std::string boxFailure_;
    std::vector<Snapshot> boxSnapshots_;
    std::string recent_[24];
    std::uint64_t events_ = 0;
    std::uint64_t ticks_ = 0;
    std::uint64_t lives_ = 0;
    std::uint64_t lifeEvents_ = 0;
    std::uint64_t boxesSeen_ = 0;
    std::uint64_t errorsSeen_ = 0;
    std::size_t errorsInLife_ = 0;
    int highestLevel_ = 0;
    int highestTagScore_ = 0;
    std::size_t checks_ = 0;
};

} // namespace reliability
