#include "FuzzPlay.h"

#include "PlaySession.h"

namespace fuzzplay {

using namespace reliability;

namespace {

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool done() const { return at_ >= size_; }
    int next() { return at_ < size_ ? data_[at_++] : 0; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// The right light when the player can know it: the next pattern element in the
// Follow answer, the quarry's light in a chase; otherwise light 1.
int knownLight(const GameModel& m)
{
    if (m.mode() == 0 && m.step() >= 1 && m.step() <= static_cast<int>(m.pattern().size()))
        return m.pattern()[static_cast<std::size_t>(m.step() - 1)];
    for (int n = 1; n <= 4; ++n)
        if (m.light(n).quarry)
            return n;
    return 1;
}

std::vector<BoxStep> boxSteps(Reader& r)
{
    std::vector<BoxStep> steps;
    const int count = 1 + r.next() % 3;
    for (int i = 0; i < count; ++i) {
        BoxStep s;
        const int b = r.next();
        switch (b % 6) {
        case 0: s.kind = BoxStep::Kind::Ok; break;
        case 1: {
            // Input of the game and help windows, which the box holds off.
            static const Op inputs[] = {Op::ChooseFollow, Op::ChooseTag,   Op::Start, Op::StartOver,
                                        Op::HiddenStart,  Op::Press,       Op::Click, Op::Release,
                                        Op::ClickGesture, Op::ReleaseAway, Op::Help,  Op::HelpButton,
                                        Op::HelpEnter,    Op::HelpChoose};
            s.kind = BoxStep::Kind::Input;
            s.input = inputs[b / 6 % 14];
            s.light = b / 84 % 5;
            break;
        }
        case 2:
            s.kind = BoxStep::Kind::Wait;
            s.us = std::int64_t(r.next()) * 997;
            break;
        case 3: s.kind = BoxStep::Kind::CloseHelp; break;
        case 4: s.kind = BoxStep::Kind::HelpLoaded; break;
        default: s.kind = BoxStep::Kind::CloseGame; break;
        }
        steps.push_back(s);
    }
    return steps;
}

Action decode(Reader& r, const GameModel& m, std::vector<BoxStep>& pendingBoxes)
{
    Action a;
    const int b = r.next();
    const int arg = r.next();
    a.light = arg % 5;
    a.button = arg / 5 % 3 == 0 ? 1 : arg / 5 % 3 == 1 ? 2 : 4;
    a.arg = arg;
    switch (b % 32) {
    case 0: a.op = Op::ChooseFollow; break;
    case 1: a.op = Op::ChooseTag; break;
    case 2: a.op = Op::Start; break;
    case 3: a.op = Op::StartOver; break;
    case 4: a.op = Op::HiddenStart; break;
    case 5: a.op = Op::Press; break;
    case 6: a.op = Op::Click; break;
    case 7: a.op = Op::Release; break;
    case 8:
    case 9: a.op = Op::ClickGesture; break;
    case 10: a.op = Op::ReleaseAway; break;
    case 11: a.op = Op::Help; break;
    case 12: a.op = Op::CloseHelp; break;
    case 13: a.op = Op::HelpLoaded; break;
    case 14: a.op = Op::HelpButton; break;
    case 15: a.op = Op::HelpEnter; break;
    case 16:
        a.op = Op::HelpChoose;
        a.arg = arg % 3; // 2 is past the end of the list
        break;
    case 17:
        a.op = Op::Wait;
        a.us = std::int64_t(arg) * 9973 + r.next();
        break;
    case 18:
        a.op = Op::Wait;
        a.us = arg;
        break;
    case 19:
    case 20:
    case 21: a.op = Op::WaitToTick; break;
    case 22: a.op = Op::WaitBeforeTick; break;
    case 23:
    case 24:
    case 25:
        a.op = Op::ClickGesture;
        a.light = knownLight(m);
        a.button = 1;
        break;
    case 26:
        a.op = Op::CloseGame;
        a.arg = arg % 4;
        break;
    case 27: a.op = Op::CloseSplash; break;
    case 28:
        a.op = Op::PokeTagLevel;
        a.arg = 32760 + arg % 8;
        break;
    case 29:
        a.op = Op::PokeFollowLevel;
        a.arg = 32766 + arg % 2;
        break;
    case 30:
        a.op = Op::PokeFollowAnswerEnd;
        a.arg = 32766 + arg % 2;
        a.light = 1 + arg % 4;
        break;
    default:
        pendingBoxes = boxSteps(r);
        a.op = Op::Wait;
        a.us = 0;
        return a;
    }
    a.inBoxes = std::move(pendingBoxes);
    pendingBoxes.clear();
    return a;
}

} // namespace

std::string playBytes(const std::uint8_t* data, std::size_t size)
{
    Reader r(data, size);
    const std::uint64_t seed = std::uint64_t(r.next()) << 8 | std::uint64_t(r.next());
    PlaySession session(seed + 1);
    session.setErrorsAllowed(true); // only those the model foresees, after a set-up
    std::vector<BoxStep> pendingBoxes;
    constexpr int maxLives = 4;
    constexpr std::uint64_t maxEvents = 4000;
    while (!r.done() && session.events() < maxEvents) {
        if (session.model().ended()) {
            if (session.lives() >= maxLives)
                break;
            session.newLife();
        }
        if (!session.apply(decode(r, session.model(), pendingBoxes)))
            return session.failure();
    }
    return {};
}

} // namespace fuzzplay
