#pragma once

// A second, independent statement of the game's rules, kept alongside a running
// program on the test side of the platform layer. Every input is given to both;
// after each one the program must look exactly as the model says.

#include "platform/Color.h"
#include "platform/Int16.h"
#include "platform/Timer.h"

#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace reliability {

// What the player (or the system) does. Light inputs name a light 0..4 (0 is the
// hidden element, whose input never arrives).
enum class Op : std::uint8_t {
    ChooseFollow,
    ChooseTag,
    Start,
    StartOver,
    HiddenStart, // the hidden Start button: cannot be clicked
    Press, // mouse button down on a light
    Click, // the click of a light alone
    Release, // mouse button up on a light
    ClickGesture, // press, click and release of the left button
    ReleaseAway, // press and release with the pointer moved off: no click
    Help,
    CloseHelp,
    HelpLoaded, // the help page finishes loading
    HelpButton, // a toolbar button of the help window, by position
    HelpEnter, // Enter in the address box
    HelpChoose, // an entry of the address list chosen
    Wait, // virtual time passes
    WaitToTick, // time passes up to the next timer tick, inclusive
    WaitBeforeTick, // time passes up to one microsecond before the next tick
    CloseGame, // the game window is closed (close box, session end, ...)
    CloseSplash,
    // Deliberate set-ups near the limit of the 16-bit counters.
    PokeTagLevel, // during a chase: intLevel = arg
    PokeFollowLevel, // while nothing ticks: intLevel = arg, both arrays 1..arg
    PokeFollowAnswerEnd, // during the answer: level arg, step at its last element
    ForgetHelpHistory, // the test side forgets a closed help browser's pages
    // The keyboard on the game window: the key code in `arg`, with `shift`, `repeat`
    // and `typing` (the score box has the focus).
    KeyDown,
    KeyUp,
    KeyboardLost, // the game window loses the keyboard
    // An assistive tool's Press on a light (`light` 1..4) or a steering control
    // (`arg` 0..4 for Follow, Tag, Start, Start Over, Help, when `light` is 0): its
    // press, click and release in one.
    AccessiblePress,
};

// Something that happens while a message box is open, before its OK.
struct BoxStep {
    enum class Kind : std::uint8_t { Ok, Input, Wait, CloseHelp, CloseGame, HelpLoaded };
    Kind kind = Kind::Ok;
    Op input = Op::Start; // for Input: tried while the box is open, and dropped
    int light = 1;
    std::int64_t us = 0; // for Wait
};

struct Action {
    Op op = Op::Wait;
    int light = 1;
    int button = 1; // platform::MouseButton value
    int arg = 0;
    std::int64_t us = 0;
    int shift = 0; // for keys: platform::keys' modifier bits
    bool repeat = false; // for keys: a repeat of a key held down
    bool typing = false; // for keys: the focus is in the score box
    std::vector<BoxStep> inBoxes; // one per box the action opens, in order
};

std::string describe(const Action& action);

// The page names the help browser reports, as HelpLoaded gives them.
const char* helpPageName(int arg);

// The game window as seen while a message box is open: what the handler has
// done before the box, and nothing of what it does after.
struct Snapshot {
    std::string steering; // Follow, Tag, Start, Start Over, Help as 0 and 1
    int level = 0;
    int step = 0;
    std::string score;
    int locked = 0;
    int tagged = 0;
    bool timerArmed = false;
    platform::Color back[5] = {};
    bool quarry[5] = {};
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};
std::string describe(const Snapshot& snapshot);

enum class State : std::uint8_t { Splash, Ready, FollowPlayback, FollowAnswer, TagChase, TagOver, Ended };
const char* stateName(State state);

// The help browser's page loading as the test side's document browser does it.
struct ModelDocument {
    bool busy = false;
    std::string name;
    std::string url;
    std::vector<std::string> history;
    int position = -1;
};

// The rules of the game as a plain state machine. It never looks into the
// program, except for the random draws (a fresh pattern, the quarry's next
// light), which the session reads back, checks and hands to it.
class GameModel {
public:
    struct Light {
        platform::Color back = 0;
        bool quarry = false;
    };
    struct Timer {
        bool enabled = false;
        int intervalMs = 0;
        std::int64_t dueUs = -1; // -1: not armed
        std::int64_t armedIntervalUs = 0;
        std::uint64_t seq = 0; // order of arming: of two ticks due together the older fires first
        bool tickPending = false;
    };
    enum class TimerId : std::uint8_t { Splash, Lights, Help };
    struct Navigation {
        std::string control;
        std::string address;
    };
    struct Box {
        std::string text;
        std::string title;
        bool prefixOnly = false;
        Snapshot seen;
    };

    explicit GameModel(std::string appPath);

    // --- inputs, each as one event of the user-interface thread
    void startProgram();
    void input(const Action& action); // Op other than the waits
    // Fires every timer due at exactly `us` (the session has moved the program there).
    void fireDue(std::int64_t us);
    // Time passes with no timer due on the way.
    void idleTo(std::int64_t us) { now_ = us; }

    // --- what the session reads back after a draw
    bool patternDrawn() const { return patternDrawn_; }
    void acceptPattern(const std::vector<int>& elements); // elements 1..level
    bool quarryDrawn() const { return quarryDrawn_; }
    void acceptQuarry(int light);
    int prevLight() const { return prevLight_; }

    // --- the model's view
    State state() const { return state_; }
    bool ended() const { return state_ == State::Ended; }
    std::int64_t now() const { return now_; }
    int mode() const { return mode_; }
    int level() const { return level_; }
    int step() const { return step_; }
    const std::vector<int>& pattern() const { return pattern_; } // index 0 is element 1
    const std::vector<int>& entry() const { return entry_; }
    bool arraysChanged() const { return arraysChanged_; }
    void arraysChecked() { arraysChanged_ = false; }
    int lastEntryIndex() const { return lastEntryIndex_; }
    platform::Bool16 locked() const { return locked_; }
    platform::Bool16 tagged() const { return tagged_; }
    int quarryLight() const { return light_; }
    const std::string& score() const { return score_; }
    const Light& light(int n) const { return lights_[n]; }
    bool steering(int i) const { return steering_[i]; } // Follow, Tag, Start, Start Over, Help
    const Timer& timer(TimerId id) const { return timers_[static_cast<int>(id)]; }
    std::int64_t nextDueUs() const;
    bool helpCreated() const { return helpCreated_; }
    bool helpLoaded() const { return helpLoaded_; }
    const std::string& helpCaption() const { return helpCaption_; }
    const ModelDocument& document() const { return doc_; }
    int errors() const { return errors_; }
    int reseeds() const { return reseeds_; }
    bool landCreated() const { return landCreated_; }
    Snapshot snapshot() const;
    // The key that holds a control down, or 0.
    int heldKey() const { return heldKey_; }

    // What the program must have produced since the last take.
    std::vector<Navigation> takeNavigations() { return std::exchange(navigations_, {}); }
    std::vector<Box> takeBoxes() { return std::exchange(boxes_, {}); }

    // Script for the next boxes, as given to the program.
    void scriptBoxes(const std::vector<BoxStep>& steps) { boxScript_.assign(steps.begin(), steps.end()); }
    void clearBoxScript() { boxScript_.clear(); }

    // Deliberate set-ups (the session does the same to the program).
    void pokeTagLevel(int level) { level_ = level; }
    void pokeFollowLevel(int level);
    void pokeFollowAnswerEnd(int level, int lastLight);
    void forgetHelpHistory() { doc_ = {}; }

private:
    int nextDue(std::int64_t until) const;
    struct Ended {};
    struct Error {
        int number;
        std::string what;
    };
    enum class Deferred : std::uint8_t { SplashTick, LightsTick, HelpTick, DownloadComplete };

    // Runs one event handler at the top level, as the dispatcher does.
    template<typename F>
    void dispatch(F&& handler);
    void drain();
    void end();
    static int add16(int value, int delta);
    int& at(std::vector<int>& array, int index);

    void timerSetEnabled(TimerId id, bool enabled);
    void timerSetInterval(TimerId id, int ms);
    void rearm(TimerId id);
    void disarm(TimerId id);
    void runTick(TimerId id);
    // Time passes inside a box: ticks are held back until the handler ends.
    void waitInBox(std::int64_t us);

    void cue(const char* page);
    void navigateHelp(const std::string& address);
    void box(const std::string& text, const std::string& title, bool prefixOnly = false);
    void applyBoxStep();

    // The game window.
    void splashTick();
    void chooseMode(int index);
    void start();
    void lightsTick();
    void gotAway();
    void resetLight(int n);
    void press(int n);
    void click(int n);
    void followEntry(int n);
    void followWrong();
    void tagShot(int n);

    // The keyboard: a key's press is its control's press, its release the click and
    // then the release; one key at a time.
    int keyTarget(const Action& key) const;
    bool acceptsInput(int target) const;
    void keyDown(const Action& key);
    void keyUp(const Action& key);
    void keyboardLost();
    void clickTarget(int target);

    // The help window.
    void showHelp();
    void helpTick();
    void helpButton(const std::string& key);
    void helpNavigateFromAddressBox(const std::string& address);

    std::string appPath_;
    State state_ = State::Splash;
    std::int64_t now_ = 0;
    bool landCreated_ = false;
    int mode_ = 0;
    int level_ = 0;
    int step_ = 0;
    std::vector<int> pattern_;
    std::vector<int> entry_;
    bool arraysChanged_ = true;
    int lastEntryIndex_ = 0;
    platform::Bool16 locked_ = platform::False;
    platform::Bool16 tagged_ = platform::False;
    int prevLight_ = 0;
    int light_ = 0;
    std::string score_;
    Light lights_[5];
    bool steering_[5] = {true, true, true, true, true};
    Timer timers_[3];
    std::uint64_t armSeq_ = 0;
    bool patternDrawn_ = false;
    bool quarryDrawn_ = false;
    int errors_ = 0;
    int reseeds_ = 0;
    bool helpCreated_ = false;
    bool helpLoaded_ = false;
    std::string helpCaption_;
    std::string startingAddress_;
    std::string addressText_;
    ModelDocument doc_;
    std::deque<Deferred> deferred_;
    std::deque<BoxStep> boxScript_;
    std::vector<Navigation> navigations_;
    std::vector<Box> boxes_;
    int depth_ = 0;
    bool draining_ = false;
    int heldKey_ = 0;
    int heldTarget_ = 0; // 1..4 a light, steeringTarget + i a steering control
};

} // namespace reliability
