#include "PlayModel.h"

#include "platform/Int16.h"
#include "platform/Keyboard.h"
#include "ui/Maker.h"

#include <algorithm>
#include <sstream>
#include <utility>

namespace reliability {

using platform::Bool16;
using platform::False;
using platform::True;

namespace {

constexpr platform::Color restColors[5] = {0xC0FFC0, 0x008000, 0xFFFF00, 0xFFFFFF, 0xFF0000};
constexpr int followIndex = 0, tagIndex = 1, startIndex = 2, startOverIndex = 3, helpIndex = 4;
// Key targets beyond the lights 1..4: the steering controls by index.
constexpr int steeringTarget = 10;

const char* opName(Op op)
{
    switch (op) {
    case Op::ChooseFollow: return "ChooseFollow";
    case Op::ChooseTag: return "ChooseTag";
    case Op::Start: return "Start";
    case Op::StartOver: return "StartOver";
    case Op::HiddenStart: return "HiddenStart";
    case Op::Press: return "Press";
    case Op::Click: return "Click";
    case Op::Release: return "Release";
    case Op::ClickGesture: return "ClickGesture";
    case Op::ReleaseAway: return "ReleaseAway";
    case Op::Help: return "Help";
    case Op::CloseHelp: return "CloseHelp";
    case Op::HelpLoaded: return "HelpLoaded";
    case Op::HelpButton: return "HelpButton";
    case Op::HelpEnter: return "HelpEnter";
    case Op::HelpChoose: return "HelpChoose";
    case Op::Wait: return "Wait";
    case Op::WaitToTick: return "WaitToTick";
    case Op::WaitBeforeTick: return "WaitBeforeTick";
    case Op::CloseGame: return "CloseGame";
    case Op::CloseSplash: return "CloseSplash";
    case Op::PokeTagLevel: return "PokeTagLevel";
    case Op::PokeFollowLevel: return "PokeFollowLevel";
    case Op::PokeFollowAnswerEnd: return "PokeFollowAnswerEnd";
    case Op::ForgetHelpHistory: return "ForgetHelpHistory";
    case Op::KeyDown: return "KeyDown";
    case Op::KeyUp: return "KeyUp";
    case Op::KeyboardLost: return "KeyboardLost";
    case Op::AccessiblePress: return "AccessiblePress";
    }
    return "?";
}

const char* helpKey(int position)
{
    static const char* const keys[] = {"Back", "Forward", "Stop", "Refresh", "Home"};
    return keys[static_cast<unsigned>(position) % 5];
}

} // namespace

const char* helpPageName(int arg)
{
    static const char* const names[] = {"Game Instructions", "Tallowbrook Studio", ""};
    return names[static_cast<unsigned>(arg) % 3];
}

std::string describe(const Action& a)
{
    std::ostringstream out;
    out << opName(a.op);
    switch (a.op) {
    case Op::Press:
    case Op::Click:
    case Op::Release:
    case Op::ClickGesture:
    case Op::ReleaseAway: out << " light " << a.light << " button " << a.button; break;
    case Op::Wait: out << " " << a.us << "us"; break;
    case Op::KeyDown:
    case Op::KeyUp:
        out << " 0x" << std::hex << a.arg << std::dec << (a.shift ? " shift " + std::to_string(a.shift) : "")
            << (a.repeat ? " repeat" : "") << (a.typing ? " typing" : "");
        break;
    case Op::AccessiblePress: out << " light " << a.light << " steering " << a.arg; break;
    case Op::HelpLoaded:
    case Op::HelpButton:
    case Op::HelpChoose:
    case Op::CloseGame:
    case Op::PokeTagLevel:
    case Op::PokeFollowLevel:
    case Op::PokeFollowAnswerEnd: out << " " << a.arg; break;
    default: break;
    }
    for (const BoxStep& s : a.inBoxes) {
        out << " [box:";
        switch (s.kind) {
        case BoxStep::Kind::Ok: out << "ok"; break;
        case BoxStep::Kind::Input: out << "try " << opName(s.input) << " " << s.light; break;
        case BoxStep::Kind::Wait: out << "wait " << s.us << "us"; break;
        case BoxStep::Kind::CloseHelp: out << "close help"; break;
        case BoxStep::Kind::CloseGame: out << "close game"; break;
        case BoxStep::Kind::HelpLoaded: out << "help loaded"; break;
        }
        out << "]";
    }
    return out.str();
}

std::string describe(const Snapshot& s)
{
    std::ostringstream out;
    out << "steering " << s.steering << " level " << s.level << " step " << s.step << " score \"" << s.score
        << "\" locked " << s.locked << " tagged " << s.tagged << " timer " << (s.timerArmed ? "armed" : "off")
        << " lights";
    for (int n = 1; n <= 4; ++n)
        out << " " << std::hex << s.back[n] << std::dec << (s.quarry[n] ? "*" : "");
    return out.str();
}

const char* stateName(State state)
{
    switch (state) {
    case State::Splash: return "Splash";
    case State::Ready: return "Ready";
    case State::FollowPlayback: return "Follow playback";
    case State::FollowAnswer: return "Follow answer";
    case State::TagChase: return "Tag chase";
    case State::TagOver: return "Tag over";
    case State::Ended: return "Ended";
    }
    return "?";
}

GameModel::GameModel(std::string appPath) : appPath_(std::move(appPath))
{
    for (int n = 0; n <= 4; ++n)
        lights_[n] = {restColors[n], false};
}

// --- the dispatcher ---------------------------------------------------------

template<typename F>
void GameModel::dispatch(F&& handler)
{
    if (ended())
        return;
    ++depth_;
    try {
        handler();
    } catch (const Ended&) {
    } catch (const Error& error) {
        // Untrapped: reported in a box, then the program ends.
        ++errors_;
        if (!ended()) {
            try {
                box("Run-time error '" + std::to_string(error.number) + "':", "Glimmerkin", true);
            } catch (const Ended&) {}
            end();
        }
    }
    --depth_;
    if (depth_ == 0)
        drain();
}

void GameModel::drain()
{
    if (draining_)
        return;
    draining_ = true;
    while (!deferred_.empty() && !ended()) {
        const Deferred next = deferred_.front();
        deferred_.pop_front();
        dispatch([this, next] {
            if (next == Deferred::DownloadComplete) {
                if (helpLoaded_)
                    helpCaption_ = doc_.name;
                return;
            }
            const TimerId id = next == Deferred::SplashTick   ? TimerId::Splash
                               : next == Deferred::LightsTick ? TimerId::Lights
                                                              : TimerId::Help;
            timers_[static_cast<int>(id)].tickPending = false;
            runTick(id);
        });
    }
    draining_ = false;
}

void GameModel::end()
{
    state_ = State::Ended;
    deferred_.clear();
    for (Timer& t : timers_) {
        t.dueUs = -1;
        t.tickPending = false;
    }
    helpLoaded_ = false;
}

int GameModel::add16(int value, int delta)
{
    const int result = value + delta;
    if (result < -32768 || result > 32767)
        throw Error{6, "Overflow"};
    return result;
}

int& GameModel::at(std::vector<int>& array, int index)
{
    if (index < 1 || index > static_cast<int>(array.size()))
        throw Error{9, "Subscript out of range"};
    return array[static_cast<std::size_t>(index - 1)];
}

void GameModel::applyBoxStep()
{
    if (boxScript_.empty())
        return; // OK at once
    const BoxStep step = boxScript_.front();
    boxScript_.pop_front();
    switch (step.kind) {
    case BoxStep::Kind::Ok:
    case BoxStep::Kind::Input: // the box blocks every input
        break;
    case BoxStep::Kind::Wait: waitInBox(step.us); break;
    case BoxStep::Kind::CloseHelp:
        if (helpLoaded_) {
            helpLoaded_ = false;
            Timer& t = timers_[static_cast<int>(TimerId::Help)];
            t.dueUs = -1;
            t.tickPending = false;
        }
        break;
    case BoxStep::Kind::CloseGame:
        if (state_ != State::Splash)
            end();
        break;
    case BoxStep::Kind::HelpLoaded:
        if (helpCreated_) {
            doc_.busy = false;
            doc_.name = helpPageName(0);
            deferred_.push_back(Deferred::DownloadComplete);
        }
        break;
    }
}

void GameModel::box(const std::string& text, const std::string& title, bool prefixOnly)
{
    if (ended())
        throw Ended{};
    boxes_.push_back({text, title, prefixOnly, snapshot()});
    applyBoxStep();
    if (ended())
        throw Ended{};
}

Snapshot GameModel::snapshot() const
{
    Snapshot s;
    if (!landCreated_)
        return s;
    for (bool b : steering_)
        s.steering += b ? '1' : '0';
    s.level = level_;
    s.step = step_;
    s.score = score_;
    s.locked = locked_;
    s.tagged = tagged_;
    s.timerArmed = timers_[static_cast<int>(TimerId::Lights)].dueUs >= 0;
    for (int n = 0; n <= 4; ++n) {
        s.back[n] = lights_[n].back;
        s.quarry[n] = lights_[n].quarry;
    }
    return s;
}

// --- timers -----------------------------------------------------------------

void GameModel::rearm(TimerId id)
{
    Timer& t = timers_[static_cast<int>(id)];
    if (t.enabled && t.intervalMs > 0) {
        t.dueUs = now_ + std::int64_t(t.intervalMs) * 1000;
        t.armedIntervalUs = std::int64_t(t.intervalMs) * 1000;
        t.seq = ++armSeq_;
    } else {
        t.dueUs = -1;
    }
}

void GameModel::disarm(TimerId id) { timers_[static_cast<int>(id)].dueUs = -1; }

void GameModel::timerSetEnabled(TimerId id, bool enabled)
{
    Timer& t = timers_[static_cast<int>(id)];
    if (t.enabled == enabled)
        return;
    t.enabled = enabled;
    rearm(id);
}

void GameModel::timerSetInterval(TimerId id, int ms)
{
    timers_[static_cast<int>(id)].intervalMs = std::max(ms, 0);
    rearm(id);
}

std::int64_t GameModel::nextDueUs() const
{
    std::int64_t next = -1;
    for (const Timer& t : timers_)
        if (t.dueUs >= 0 && (next < 0 || t.dueUs < next))
            next = t.dueUs;
    return next;
}

void GameModel::runTick(TimerId id)
{
    const Timer& t = timers_[static_cast<int>(id)];
    if (t.dueUs < 0)
        return; // stopped, or its window has gone, since the tick was held back
    switch (id) {
    case TimerId::Splash: splashTick(); break;
    case TimerId::Lights: lightsTick(); break;
    case TimerId::Help: helpTick(); break;
    }
}

// The timer that ticks first at or before `until` (the earlier armed on a tie), or -1.
int GameModel::nextDue(std::int64_t until) const
{
    int chosen = -1;
    for (int i = 0; i < 3; ++i) {
        const Timer& t = timers_[i];
        if (t.dueUs < 0 || t.dueUs > until)
            continue;
        if (chosen < 0 || t.dueUs < timers_[chosen].dueUs ||
            (t.dueUs == timers_[chosen].dueUs && t.seq < timers_[chosen].seq))
            chosen = i;
    }
    return chosen;
}

void GameModel::fireDue(std::int64_t us)
{
    now_ = us;
    while (!ended()) {
        const int chosen = nextDue(us);
        if (chosen < 0)
            break;
        Timer& t = timers_[chosen];
        t.dueUs += t.armedIntervalUs; // periodic, unless the handler re-arms it
        if (t.tickPending)
            continue;
        const auto id = static_cast<TimerId>(chosen);
        dispatch([this, id] { runTick(id); });
    }
}

void GameModel::waitInBox(std::int64_t us)
{
    const std::int64_t target = now_ + us;
    while (true) {
        const int chosen = nextDue(target);
        if (chosen < 0)
            break;
        Timer& t = timers_[chosen];
        now_ = t.dueUs;
        t.dueUs += t.armedIntervalUs;
        if (!t.tickPending) {
            t.tickPending = true;
            deferred_.push_back(chosen == 0   ? Deferred::SplashTick
                                : chosen == 1 ? Deferred::LightsTick
                                              : Deferred::HelpTick);
        }
    }
    now_ = std::max(now_, target);
}

// --- start-up -----------------------------------------------------------------

void GameModel::startProgram()
{
    reseeds_ = 1; // the runtime seeds its generator once when it starts
    state_ = State::Splash;
    Timer& splash = timers_[static_cast<int>(TimerId::Splash)];
    splash.enabled = true;
    timerSetInterval(TimerId::Splash, 5000);
    navigations_.push_back({"frmSplash.wbSplash", appPath_ + "\\Splash.htm"});
}

void GameModel::splashTick()
{
    // The game window loads and shows, then the splash unloads.
    landCreated_ = true;
    state_ = State::Ready;
    mode_ = 0;
    level_ = 1;
    step_ = 0;
    pattern_.assign(1, 0);
    entry_.assign(1, 0);
    arraysChanged_ = true;
    locked_ = True;
    tagged_ = False;
    prevLight_ = 0;
    light_ = 0;
    score_.clear();
    for (int n = 0; n <= 4; ++n)
        lights_[n] = {restColors[n], false};
    std::fill(std::begin(steering_), std::end(steering_), true);
    Timer& lights = timers_[static_cast<int>(TimerId::Lights)];
    lights = Timer{};
    lights.enabled = true; // as laid out: enabled, but an interval of 0 never ticks
    disarm(TimerId::Splash);
}

// --- the game window ------------------------------------------------------------

void GameModel::cue(const char* page) { navigations_.push_back({"frmLand.wbSounds", appPath_ + page}); }

void GameModel::chooseMode(int index)
{
    mode_ = index;
    level_ = 1;
    score_.clear();
    cue(index == 0 ? "\\follow.htm" : "\\tag.htm");
    if (state_ == State::FollowAnswer || state_ == State::TagOver)
        state_ = index == 0 ? State::FollowAnswer : State::TagOver;
}

void GameModel::start()
{
    steering_[followIndex] = steering_[tagIndex] = steering_[startIndex] = steering_[helpIndex] = false;
    timerSetEnabled(TimerId::Lights, true);
    if (mode_ == 0) {
        steering_[startOverIndex] = false;
        locked_ = True;
        cue("\\glkmusic.htm");
        timerSetInterval(TimerId::Lights, 1500);
        step_ = 1;
        at(pattern_, level_) = 0;
        ++reseeds_;
        state_ = State::FollowPlayback;
        arraysChanged_ = true;
        // The position after the last element must still fit 16 bits.
        add16(level_, 1);
        patternDrawn_ = true;
    } else if (mode_ == 1) {
        score_.clear();
        tagged_ = True;
        locked_ = False;
        prevLight_ = 0;
        cue("\\wmzmusic.htm");
        timerSetInterval(TimerId::Lights, 2001);
        state_ = State::TagChase;
    }
}

void GameModel::acceptPattern(const std::vector<int>& elements)
{
    std::copy(elements.begin(), elements.end(), pattern_.begin());
    patternDrawn_ = false;
}

void GameModel::acceptQuarry(int light)
{
    light_ = light;
    lights_[light].quarry = true;
    quarryDrawn_ = false;
}

void GameModel::resetLight(int n)
{
    if (n < 1 || n > 4)
        return;
    lights_[n] = {restColors[n], false};
}

void GameModel::lightsTick()
{
    if (mode_ == 0) {
        if (step_ > 1)
            resetLight(at(pattern_, add16(step_, -1)));
        if (step_ < add16(level_, 1)) {
            const int n = at(pattern_, step_);
            if (n < 0 || n > 4)
                throw Error{340, "Control array element doesn't exist"};
            lights_[n].quarry = true;
        }
        step_ = add16(step_, 1);
        if (step_ == add16(level_, 2)) {
            timerSetEnabled(TimerId::Lights, false);
            cue("\\Try.htm");
            step_ = 1;
            std::fill(std::begin(steering_), std::end(steering_), true);
            locked_ = False;
            state_ = State::FollowAnswer;
        }
    } else if (mode_ == 1) {
        if (tagged_ == True) {
            const int interval = timers_[static_cast<int>(TimerId::Lights)].intervalMs;
            if (interval > 20)
                timerSetInterval(TimerId::Lights, interval - 20);
            resetLight(light_);
            prevLight_ = light_;
            ++reseeds_;
            quarryDrawn_ = true; // the session reads the new light back
            tagged_ = False;
        } else {
            gotAway();
        }
    }
}

void GameModel::gotAway()
{
    level_ = 1;
    timerSetEnabled(TimerId::Lights, false);
    cue("\\Away.htm");
    for (int n = 1; n <= 4; ++n)
        resetLight(n);
    box("I Finally Got Away.  Click Start to Try Again.", "Got Away");
    steering_[startIndex] = steering_[followIndex] = steering_[tagIndex] = steering_[helpIndex] = true;
    state_ = State::TagOver;
}

void GameModel::press(int n)
{
    if (locked_ == False)
        lights_[n].back = 0x000000;
}

void GameModel::click(int n)
{
    if (locked_ != False)
        return;
    if (mode_ == 0)
        followEntry(n);
    else if (mode_ == 1)
        tagShot(n);
}

void GameModel::followWrong()
{
    cue("\\Away.htm");
    box("You Let Me Get Away.  Click OK to Try Again.", "Got Away");
    start();
}

void GameModel::followEntry(int n)
{
    // The game's choice for a position outside the arrays: a wrong entry.
    if (step_ < 1 || step_ > static_cast<int>(entry_.size()) || step_ > static_cast<int>(pattern_.size())) {
        followWrong();
        return;
    }
    at(entry_, step_) = n;
    lastEntryIndex_ = step_;
    if (at(entry_, step_) != at(pattern_, step_)) {
        followWrong();
    } else if (step_ == level_) {
        cue("\\Caught.htm");
        score_ = std::to_string(level_);
        box("You Caught Me!  Click OK to Go to the Next Level.", "Great Job!");
        level_ = add16(level_, 1);
        pattern_.assign(static_cast<std::size_t>(level_), 0);
        entry_.assign(static_cast<std::size_t>(level_), 0);
        arraysChanged_ = true;
        start();
    } else {
        step_ = add16(step_, 1);
    }
}

void GameModel::tagShot(int n)
{
    if (lights_[n].quarry) {
        tagged_ = True;
        score_ = std::to_string(level_);
        level_ = add16(level_, 1);
    } else {
        tagged_ = False;
        gotAway();
    }
}

void GameModel::pokeFollowLevel(int level)
{
    level_ = level;
    pattern_.assign(static_cast<std::size_t>(level), 0);
    entry_.assign(static_cast<std::size_t>(level), 0);
    arraysChanged_ = true;
}

void GameModel::pokeFollowAnswerEnd(int level, int lastLight)
{
    pokeFollowLevel(level);
    step_ = level;
    pattern_.back() = lastLight;
}

// --- the help window --------------------------------------------------------------

void GameModel::navigateHelp(const std::string& address)
{
    navigations_.push_back({"frmBrowser.brwWebBrowser", address});
    doc_.busy = true;
    doc_.url = address;
    doc_.history.resize(static_cast<std::size_t>(doc_.position + 1));
    doc_.history.push_back(address);
    doc_.position = static_cast<int>(doc_.history.size()) - 1;
}

void GameModel::showHelp()
{
    helpCreated_ = true;
    if (helpLoaded_)
        return; // shown again as it is
    helpLoaded_ = true;
    helpCaption_.clear();
    Timer& t = timers_[static_cast<int>(TimerId::Help)];
    t = Timer{};
    t.intervalMs = 5; // as laid out: off, 5 ms
    startingAddress_ = appPath_ + "\\GameInstructions.htm";
    addressText_ = startingAddress_;
    timerSetEnabled(TimerId::Help, true);
    navigateHelp(startingAddress_);
}

void GameModel::helpTick()
{
    if (doc_.busy) {
        helpCaption_ = "Working...";
    } else {
        timerSetEnabled(TimerId::Help, false);
        helpCaption_ = doc_.name;
    }
}

void GameModel::helpNavigateFromAddressBox(const std::string& address)
{
    addressText_ = address;
    timerSetEnabled(TimerId::Help, true);
    navigateHelp(address);
}

void GameModel::helpButton(const std::string& key)
{
    timerSetEnabled(TimerId::Help, true);
    if (key == "Back") {
        if (doc_.position > 0) {
            --doc_.position;
            doc_.busy = true;
        }
    } else if (key == "Forward") {
        if (doc_.position + 1 < static_cast<int>(doc_.history.size())) {
            ++doc_.position;
            doc_.busy = true;
        }
    } else if (key == "Refresh") {
        doc_.busy = true;
    } else if (key == "Home") {
        navigateHelp(startingAddress_);
    } else if (key == "Stop") {
        timerSetEnabled(TimerId::Help, false);
        doc_.busy = false;
        helpCaption_ = doc_.name;
    }
}

// --- inputs ---------------------------------------------------------------------------

void GameModel::input(const Action& a)
{
    const bool gameOpen = state_ != State::Splash && state_ != State::Ended;
    const bool lightInput = a.light >= 1 && a.light <= 4; // the hidden element 0 takes no input
    switch (a.op) {
    case Op::ChooseFollow:
    case Op::ChooseTag: {
        const int index = a.op == Op::ChooseFollow ? 0 : 1;
        if (gameOpen && steering_[index])
            dispatch([&] { chooseMode(index); });
        break;
    }
    case Op::Start:
        if (gameOpen && steering_[startIndex])
            dispatch([&] { start(); });
        break;
    case Op::StartOver:
        if (gameOpen && steering_[startOverIndex])
            dispatch([&] {
                level_ = 1;
                score_.clear();
                start();
            });
        break;
    case Op::HiddenStart: break;
    case Op::Press:
        if (gameOpen && lightInput)
            dispatch([&] { press(a.light); });
        break;
    case Op::Click:
        if (gameOpen && lightInput)
            dispatch([&] { click(a.light); });
        break;
    case Op::Release:
        if (gameOpen && lightInput)
            dispatch([&] { resetLight(a.light); });
        break;
    case Op::ClickGesture:
    case Op::ReleaseAway:
        if (gameOpen && lightInput) {
            dispatch([&] { press(a.light); });
            if (a.op == Op::ClickGesture && a.button == 1)
                dispatch([&] { click(a.light); });
            dispatch([&] { resetLight(a.light); });
        }
        break;
    case Op::Help:
        if (gameOpen && steering_[helpIndex])
            dispatch([&] { showHelp(); });
        break;
    case Op::CloseHelp:
        if (helpLoaded_)
            dispatch([&] {
                helpLoaded_ = false;
                Timer& t = timers_[static_cast<int>(TimerId::Help)];
                t.dueUs = -1;
                t.tickPending = false;
            });
        break;
    case Op::HelpLoaded:
        if (helpCreated_) {
            doc_.busy = false;
            doc_.name = helpPageName(a.arg);
            dispatch([&] {
                if (helpLoaded_)
                    helpCaption_ = doc_.name;
            });
        }
        break;
    case Op::HelpButton:
        if (helpLoaded_)
            dispatch([&] { helpButton(helpKey(a.arg)); });
        break;
    case Op::HelpEnter:
        if (helpLoaded_)
            dispatch([&] { helpNavigateFromAddressBox(addressText_); });
        break;
    case Op::HelpChoose:
        if (helpLoaded_ && (a.arg == 0 || a.arg == 1))
            dispatch([&] { helpNavigateFromAddressBox(a.arg == 0 ? startingAddress_ : ui::maker::webAddress); });
        break;
    case Op::CloseGame:
        if (gameOpen)
            dispatch([&] { end(); });
        break;
    case Op::CloseSplash:
        if (state_ == State::Splash)
            end();
        break;
    case Op::ForgetHelpHistory:
        if (!helpLoaded_)
            doc_ = {};
        break;
    case Op::KeyDown:
        if (gameOpen)
            keyDown(a);
        break;
    case Op::KeyUp:
        if (gameOpen)
            keyUp(a);
        break;
    case Op::KeyboardLost:
        if (gameOpen)
            keyboardLost();
        break;
    case Op::AccessiblePress:
        if (gameOpen) {
            const int target = lightInput ? a.light : steeringTarget + a.arg % 5;
            if (target < steeringTarget)
                dispatch([&] { press(target); });
            clickTarget(target);
            if (target < steeringTarget)
                dispatch([&] { resetLight(target); });
        }
        break;
    case Op::Wait:
    case Op::WaitToTick:
    case Op::WaitBeforeTick:
    case Op::PokeTagLevel:
    case Op::PokeFollowLevel:
    case Op::PokeFollowAnswerEnd: break; // handled by the session
    }
}

// --- the keyboard, as the README tells it: 1 to 4 (top row or keypad) the lights, F and
// T the modes, S, Enter or Space start, O starts over, F1 the help; never with Ctrl or
// Alt, and never while the score box has the focus.

int GameModel::keyTarget(const Action& key) const
{
    namespace keys = platform::keys;
    if (key.shift & (keys::CtrlMask | keys::AltMask))
        return 0;
    for (int n = 1; n <= 4; ++n)
        if (key.arg == keys::Digit0 + n || key.arg == keys::Numpad0 + n)
            return n;
    if (key.arg == keys::letter('F'))
        return steeringTarget + followIndex;
    if (key.arg == keys::letter('T'))
        return steeringTarget + tagIndex;
    if (key.arg == keys::letter('S') || key.arg == keys::Return || key.arg == keys::Space)
        return steeringTarget + startIndex;
    if (key.arg == keys::letter('O'))
        return steeringTarget + startOverIndex;
    if (key.arg == keys::F1)
        return steeringTarget + helpIndex;
    return 0;
}

bool GameModel::acceptsInput(int target) const { return target < steeringTarget || steering_[target - steeringTarget]; }

void GameModel::keyDown(const Action& key)
{
    const int target = keyTarget(key);
    if (!target || key.typing || key.repeat || heldKey_ || !acceptsInput(target))
        return;
    heldKey_ = key.arg;
    heldTarget_ = target;
    if (target < steeringTarget)
        dispatch([&] { press(target); });
}

void GameModel::keyUp(const Action& key)
{
    if (!heldKey_ || key.arg != heldKey_ || key.repeat)
        return;
    const int target = std::exchange(heldTarget_, 0);
    heldKey_ = 0;
    clickTarget(target);
    if (target < steeringTarget)
        dispatch([&] { resetLight(target); });
}

void GameModel::keyboardLost()
{
    // The control held comes up without a click.
    const int target = std::exchange(heldTarget_, 0);
    heldKey_ = 0;
    if (target >= 1 && target < steeringTarget)
        dispatch([&] { resetLight(target); });
}

void GameModel::clickTarget(int target)
{
    if (!acceptsInput(target))
        return; // disabled while the key was down
    if (target < steeringTarget) {
        dispatch([&] { click(target); });
        return;
    }
    switch (target - steeringTarget) {
    case followIndex: dispatch([&] { chooseMode(0); }); break;
    case tagIndex: dispatch([&] { chooseMode(1); }); break;
    case startIndex: dispatch([&] { start(); }); break;
    case startOverIndex:
        dispatch([&] {
            level_ = 1;
            score_.clear();
            start();
        });
        break;
    case helpIndex: dispatch([&] { showHelp(); }); break;
    }
}

} // namespace reliability
