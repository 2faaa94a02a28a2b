#include "RandomPlayer.h"

#include "platform/Keyboard.h"

#include <utility>

namespace reliability {

RandomPlayer::RandomPlayer(std::uint64_t seed, Options options) : rng_(seed), options_(options) { newLife(); }

void RandomPlayer::newLife()
{
    pressed_ = false;
    heldKey_ = 0;
    expert_ = chance(options_.expertLives);
}

bool RandomPlayer::chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_) < p; }

int RandomPlayer::below(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }

std::int64_t RandomPlayer::randomWaitUs()
{
    const int kind = below(10);
    if (kind < 3)
        return static_cast<std::int64_t>(rng_() % 10'000); // within 10 ms
    if (kind < 8)
        return static_cast<std::int64_t>(rng_() % 2'500'000); // within a tick or two
    return static_cast<std::int64_t>(rng_() % 12'000'000); // several ticks at once
}

Action RandomPlayer::lightGesture(int light)
{
    Action a;
    a.light = light;
    const int kind = below(20);
    if (kind < 12) {
        a.op = Op::ClickGesture;
    } else if (kind < 14) {
        a.op = Op::ReleaseAway;
    } else if (kind < 16) {
        a.op = Op::ClickGesture; // another button: press and release, no click
        a.button = chance(0.5) ? 2 : 4;
    } else {
        // Hold the button down; time may pass before it comes up.
        a.op = Op::Press;
        a.button = chance(0.8) ? 1 : (chance(0.5) ? 2 : 4);
        pressed_ = true;
        pressedLight_ = light;
        pressedButton_ = a.button;
        clicked_ = false;
    }
    return a;
}

Action RandomPlayer::helpAction()
{
    Action a;
    const int kind = below(10);
    if (kind < 3) {
        a.op = Op::HelpLoaded;
        a.arg = below(3);
    } else if (kind < 6) {
        a.op = Op::HelpButton;
        a.arg = below(5);
    } else if (kind < 7) {
        a.op = Op::HelpEnter;
    } else if (kind < 8) {
        a.op = Op::HelpChoose;
        a.arg = below(2);
    } else {
        a.op = Op::CloseHelp;
    }
    return a;
}

void RandomPlayer::addBoxSteps(Action& a)
{
    if (!chance(options_.boxSteps))
        return;
    const int count = 1 + below(2);
    for (int i = 0; i < count; ++i) {
        BoxStep s;
        const int kind = below(100);
        if (kind < 35) {
            s.kind = BoxStep::Kind::Ok;
        } else if (kind < 65) {
            static const Op tries[] = {Op::Click, Op::Press,     Op::Release,      Op::ClickGesture,
                                       Op::Start, Op::StartOver, Op::ChooseFollow, Op::ChooseTag,
                                       Op::Help,  Op::HelpButton};
            s.kind = BoxStep::Kind::Input;
            s.input = tries[below(10)];
            s.light = 1 + below(4);
        } else if (kind < 82) {
            s.kind = BoxStep::Kind::Wait;
            s.us = randomWaitUs();
        } else if (kind < 90) {
            s.kind = BoxStep::Kind::CloseHelp;
        } else if (kind < 97 || !options_.closeInBoxes) {
            s.kind = BoxStep::Kind::HelpLoaded;
        } else {
            s.kind = BoxStep::Kind::CloseGame;
        }
        a.inBoxes.push_back(s);
    }
}

void RandomPlayer::asKey(Action& a)
{
    namespace keys = platform::keys;
    const bool light = a.light >= 1 && a.light <= 4 && a.button == 1 &&
                       (a.op == Op::ClickGesture || a.op == Op::Press || a.op == Op::ReleaseAway);
    int key = 0;
    if (light)
        key = (chance(0.7) ? keys::Digit0 : keys::Numpad0) + a.light;
    else if (a.op == Op::ChooseFollow)
        key = keys::letter('F');
    else if (a.op == Op::ChooseTag)
        key = keys::letter('T');
    else if (a.op == Op::Start) {
        static const int starts[] = {keys::letter('S'), keys::Return, keys::Space};
        key = starts[below(3)];
    } else if (a.op == Op::StartOver)
        key = keys::letter('O');
    else if (a.op == Op::Help)
        key = keys::F1;
    if (!key || !chance(options_.keys))
        return;
    if (a.op == Op::Press)
        pressed_ = false; // the key holds the light instead of the mouse
    a = Action{};
    a.op = Op::KeyDown;
    a.arg = key;
    const int kind = below(100);
    if (kind < 5)
        a.shift = keys::ShiftMask; // Shift changes nothing
    else if (kind < 7)
        a.shift = chance(0.5) ? keys::CtrlMask : keys::AltMask; // not the game's
    else if (kind < 9)
        a.typing = true; // the score box takes it as typing
    heldKey_ = key;
}

void RandomPlayer::asAccessiblePress(Action& a)
{
    static const Op steering[5] = {Op::ChooseFollow, Op::ChooseTag, Op::Start, Op::StartOver, Op::Help};
    int index = -1;
    for (int i = 0; i < 5; ++i)
        if (a.op == steering[i])
            index = i;
    const bool light = a.light >= 1 && a.light <= 4 && (a.op == Op::ClickGesture || a.op == Op::Press);
    if ((index < 0 && !light) || !chance(options_.accessible))
        return;
    if (a.op == Op::Press)
        pressed_ = false;
    Action press;
    press.op = Op::AccessiblePress;
    press.light = light ? a.light : 0;
    press.arg = light ? 0 : index;
    a = press;
}

Action RandomPlayer::whileKeyHeld()
{
    namespace keys = platform::keys;
    Action a;
    const int kind = below(100);
    if (kind < 30) {
        a.op = Op::KeyDown; // the keyboard's repeat
        a.arg = heldKey_;
        a.repeat = true;
    } else if (kind < 45) {
        a.op = chance(0.3) ? Op::WaitToTick : Op::Wait;
        a.us = static_cast<std::int64_t>(rng_() % 400'000);
    } else if (kind < 53) {
        // Another key while this one is down: a light, a steering key, or one of no use.
        static const int others[] = {keys::Digit0 + 1,  keys::Digit0 + 3,  keys::Numpad0 + 2, keys::Numpad0 + 4,
                                     keys::letter('F'), keys::letter('T'), keys::letter('S'), keys::letter('O'),
                                     keys::F1,          keys::Escape,      keys::letter('A'), keys::Digit0};
        a.op = chance(0.5) ? Op::KeyDown : Op::KeyUp;
        a.arg = others[below(12)];
    } else if (kind < 57) {
        a.op = Op::KeyboardLost; // the window loses the focus: the key's release goes elsewhere
        heldKey_ = 0;
    } else {
        a.op = Op::KeyUp;
        a.arg = std::exchange(heldKey_, 0);
        a.shift = chance(0.05) ? keys::CtrlMask : 0; // Ctrl pressed meanwhile: still the key's release
    }
    return a;
}

Action RandomPlayer::next(const GameModel& m)
{
    Action a;
    if (m.state() == State::Splash) {
        pressed_ = false;
        if (chance(options_.closeSplashPerLife / 2)) {
            a.op = Op::CloseSplash;
        } else {
            const int kind = below(10);
            a.op = kind < 5 ? Op::WaitToTick : kind < 7 ? Op::WaitBeforeTick : Op::Wait;
            a.us = randomWaitUs();
        }
        return a;
    }

    if (chance(options_.closeGamePerEvent)) {
        a.op = Op::CloseGame;
        a.arg = below(4);
        return a;
    }

    if (!heldKey_ && m.heldKey())
        heldKey_ = m.heldKey(); // a key taken while another one seemed to be held
    if (heldKey_ && !pressed_) {
        Action a = whileKeyHeld();
        addBoxSteps(a);
        return a;
    }

    if (pressed_) {
        // The button is held: time passes, then it comes up, with a click if it
        // is the left button still over the light.
        const int kind = below(10);
        if (kind < 3) {
            a.op = kind == 0 ? Op::WaitToTick : Op::Wait;
            a.us = below(3) == 0 ? randomWaitUs() : static_cast<std::int64_t>(rng_() % 20'000);
        } else if (!clicked_ && pressedButton_ == 1 && kind < 7) {
            a.op = Op::Click;
            a.light = pressedLight_;
            clicked_ = true;
        } else {
            a.op = Op::Release;
            a.light = pressedLight_;
            a.button = pressedButton_;
            pressed_ = false;
        }
        addBoxSteps(a);
        return a;
    }

    const State state = m.state();
    const int roll = below(100);

    if (expert_ && roll >= 3) {
        // Goes deep: the quarry hit at every position, the pattern copied right.
        if (state == State::TagChase) {
            const int q = m.quarryLight();
            if (q >= 1 && q <= 4 && m.light(q).quarry && m.tagged() == platform::False && chance(0.997)) {
                a.op = Op::ClickGesture;
                a.light = q;
            } else {
                a.op = Op::WaitToTick;
            }
            return a;
        }
        if (state == State::FollowPlayback) {
            a.op = Op::WaitToTick;
            return a;
        }
        const int step = m.step();
        if (state == State::FollowAnswer && m.mode() == 0 && step >= 1 &&
            step <= static_cast<int>(m.pattern().size()) && chance(0.99)) {
            a.op = Op::ClickGesture;
            a.light = m.pattern()[static_cast<std::size_t>(step - 1)];
            return a;
        }
    }

    if (options_.pokes && roll < 2) {
        if (state == State::TagChase) {
            a.op = Op::PokeTagLevel;
            a.arg = 32760 + below(8);
            return a;
        }
        if (state == State::FollowAnswer && m.mode() == 0 && chance(0.5)) {
            a.op = Op::PokeFollowAnswerEnd;
            a.arg = 32766 + below(2);
            a.light = 1 + below(4);
            return a;
        }
        if (state == State::Ready || state == State::FollowAnswer || state == State::TagOver) {
            a.op = Op::PokeFollowLevel;
            a.arg = 32766 + below(2);
            return a;
        }
    }

    if (m.helpLoaded() && roll < 8) {
        a = helpAction();
        addBoxSteps(a);
        return a;
    }

    switch (state) {
    case State::FollowPlayback:
        if (roll < 60) {
            a.op = Op::WaitToTick;
        } else if (roll < 66) {
            a.op = Op::WaitBeforeTick;
        } else if (roll < 76) {
            a.op = Op::Wait;
            a.us = randomWaitUs();
        } else if (roll < 90) {
            // Pressing the light that shows the quarry takes it off early.
            int shown = 0;
            for (int n = 1; n <= 4; ++n)
                if (m.light(n).quarry)
                    shown = n;
            a = lightGesture(shown && chance(0.5) ? shown : 1 + below(4));
        } else {
            static const Op steering[] = {Op::ChooseFollow, Op::ChooseTag, Op::Start,
                                          Op::StartOver,    Op::Help,      Op::HiddenStart};
            a.op = steering[below(6)];
        }
        break;

    case State::TagChase: {
        const int q = m.quarryLight();
        const bool quarryUp = q >= 1 && q <= 4 && m.light(q).quarry;
        if (quarryUp && m.tagged() == platform::False && roll < 75) {
            a = chance(options_.skill + 0.08) ? lightGesture(q) : lightGesture(1 + below(4));
        } else if (roll < 80) {
            a.op = Op::WaitToTick;
        } else if (roll < 85) {
            a.op = Op::WaitBeforeTick;
        } else if (roll < 88) {
            a.op = Op::Wait;
            a.us = randomWaitUs();
        } else if (roll < 93) {
            a.op = Op::StartOver;
        } else if (roll < 97) {
            a = lightGesture(1 + below(4));
        } else {
            static const Op steering[] = {Op::ChooseFollow, Op::ChooseTag, Op::Start, Op::Help, Op::HiddenStart};
            a.op = steering[below(5)];
        }
        break;
    }

    case State::FollowAnswer:
    case State::TagOver:
    case State::Ready: {
        const int step = m.step();
        const bool knows =
            state == State::FollowAnswer && m.mode() == 0 && step >= 1 && step <= static_cast<int>(m.pattern().size());
        if (knows && roll < 70) {
            a = chance(options_.skill) ? lightGesture(m.pattern()[static_cast<std::size_t>(step - 1)])
                                       : lightGesture(1 + below(4));
        } else if (roll < 76) {
            a.op = below(2) == 0 ? Op::ChooseFollow : Op::ChooseTag;
        } else if (roll < 84) {
            a.op = Op::Start;
        } else if (roll < 88) {
            a.op = Op::StartOver;
        } else if (roll < 93) {
            a = lightGesture(1 + below(4));
        } else if (roll < 95) {
            a.op = Op::Help;
        } else if (roll < 96) {
            a.op = below(2) == 0 ? Op::HiddenStart : Op::Click;
            a.light = 0; // the hidden light takes no input
        } else {
            a.op = Op::Wait;
            a.us = randomWaitUs();
        }
        break;
    }

    case State::Splash:
    case State::Ended: a.op = Op::Wait; break;
    }
    asAccessiblePress(a);
    asKey(a);
    addBoxSteps(a);
    return a;
}

} // namespace reliability
