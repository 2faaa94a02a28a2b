#include "PlaySession.h"

#include "FakePlatform.h"
#include "app/FrmSplash.h"
#include "app/Program.h"
#include "browser/FrmBrowser.h"
#include "game/FrmLand.h"
#include "platform/Timer.h"

#include <algorithm>
#include <sstream>

namespace reliability {

using doubles::FakePlatform;
using platform::MouseButton;

namespace {

std::string hex(std::uint64_t value)
{
    std::ostringstream out;
    out << "0x" << std::hex << value;
    return out.str();
}

platform::Control* steeringControl(game::frmLand& land, int i)
{
    platform::Control* controls[5] = {&land.lblGame[0], &land.lblGame[1], &land.lblStart, &land.lblSO, &land.cmdHelp};
    return controls[i];
}

} // namespace

PlaySession::PlaySession(std::uint64_t seed, PlatformFactory factory) : seed_(seed), factory_(std::move(factory))
{
    newLife();
}

PlaySession::~PlaySession()
{
    program_.reset();
    platform_.reset();
}

void PlaySession::newLife()
{
    program_.reset();
    platform_ = factory_ ? factory_() : std::make_unique<FakePlatform>();
    platform_->seed = seed_ ^ (lives_ * 0x9E3779B97F4A7C15ull);
    model_ = std::make_unique<GameModel>(platform_->appPath_);
    program_ = std::make_unique<app::Program>(*platform_);
    ++lives_;
    lifeEvents_ = 0;
    errorsInLife_ = 0;
    program_->start();
    model_->startProgram();
    check();
}

bool PlaySession::fail(const std::string& what)
{
    if (!failure_.empty())
        return false;
    std::ostringstream out;
    out << what << "\n  seed " << hex(seed_) << ", life " << lives_ << ", event " << lifeEvents_ << " of the life ("
        << events_ << " in all), virtual time " << model_->now() << "us, model state " << stateName(model_->state())
        << "\n  last actions, oldest first:";
    for (std::uint64_t i = events_ > 24 ? events_ - 24 : 0; i < events_; ++i)
        out << "\n    #" << i << " " << recent_[i % 24];
    failure_ = out.str();
    return false;
}

void PlaySession::checkBoxOpen()
{
    if (!boxFailure_.empty())
        return;
    if (!program_->runtime().modalOpen())
        boxFailure_ = "a box opened without the runtime knowing it is modal";
    else if (program_->landCreated() && platform_->nextTickUs(program_->land().tmrLights) != -1 &&
             program_->runtime().reportedErrors().size() == errorsInLife_)
        // The game's own boxes; a run-time error's report may come at any point.
        boxFailure_ = "a message box is open while the light timer runs";
}

Snapshot PlaySession::programSnapshot()
{
    Snapshot s;
    if (!program_->landCreated())
        return s;
    game::frmLand& land = program_->land();
    for (int i = 0; i < 5; ++i)
        s.steering += steeringControl(land, i)->enabled() ? '1' : '0';
    s.level = land.intLevel;
    s.step = land.intStep;
    s.score = land.txtScore.text();
    s.locked = land.blnLocked;
    s.tagged = land.blnTagged;
    s.timerArmed = platform_->nextTickUs(land.tmrLights) != -1;
    const std::uint64_t quarry = land.cmdPic.picture().handle();
    for (int n = 0; n <= 4; ++n) {
        s.back[n] = land.cmdLight[n].backColor();
        s.quarry[n] = land.cmdLight[n].picture().handle() == quarry;
    }
    return s;
}

void PlaySession::scriptBoxes(const Action& action)
{
    // Every box the action opens is looked at; the scripted steps run in the first ones.
    platform_->whileBoxOpen.clear();
    constexpr std::size_t boxesLookedAt = 6;
    for (std::size_t i = 0; i < std::max(boxesLookedAt, action.inBoxes.size()); ++i) {
        const bool scripted = i < action.inBoxes.size();
        const BoxStep step = scripted ? action.inBoxes[i] : BoxStep{};
        platform_->whileBoxOpen.push_back([this, step] {
            checkBoxOpen();
            const Snapshot before = programSnapshot();
            const std::string helpBefore =
                program_->helpCreated() ? program_->help().caption() + "|" + std::to_string(program_->help().isLoaded())
                                        : std::string();
            boxSnapshots_.push_back(before);
            switch (step.kind) {
            case BoxStep::Kind::Ok: break;
            case BoxStep::Kind::Input: rawInput(step.input, step.light, 1, 0); break;
            case BoxStep::Kind::Wait: platform_->advanceToUs(platform_->clock().nowUs() + step.us); break;
            case BoxStep::Kind::CloseHelp:
                if (program_->helpCreated())
                    program_->help().requestClose(platform::CloseReason::CloseBox);
                break;
            case BoxStep::Kind::CloseGame:
                if (program_->landCreated())
                    program_->land().requestClose(platform::CloseReason::CloseBox);
                break;
            case BoxStep::Kind::HelpLoaded:
                if (program_->helpCreated())
                    platform_->completeLoad(program_->help().brwWebBrowser, helpPageName(0));
                break;
            }
            // Input is dropped and ticks and notifications wait for the box to close:
            // only a close request acts at once.
            const bool closes = step.kind == BoxStep::Kind::CloseHelp || step.kind == BoxStep::Kind::CloseGame;
            const std::string helpAfter =
                program_->helpCreated() ? program_->help().caption() + "|" + std::to_string(program_->help().isLoaded())
                                        : std::string();
            if (!closes && boxFailure_.empty() && (!(programSnapshot() == before) || helpAfter != helpBefore))
                boxFailure_ = "a handler ran while a message box was open";
        });
    }
    model_->scriptBoxes(action.inBoxes);
}

void PlaySession::rawInput(Op op, int light, int button, int arg)
{
    app::Program& p = *program_;
    const auto mouse = static_cast<MouseButton>(button);
    const bool land = p.landCreated();
    const bool help = p.helpCreated();
    switch (op) {
    case Op::ChooseFollow:
        if (land)
            p.land().lblGame[0].raiseClick();
        break;
    case Op::ChooseTag:
        if (land)
            p.land().lblGame[1].raiseClick();
        break;
    case Op::Start:
        if (land)
            p.land().lblStart.raiseClick();
        break;
    case Op::StartOver:
        if (land)
            p.land().lblSO.raiseClick();
        break;
    case Op::HiddenStart:
        if (land)
            p.land().cmdStart.raiseClick();
        break;
    case Op::Press:
        if (land)
            p.land().cmdLight[light].raiseMouseDown(mouse);
        break;
    case Op::Click:
        if (land)
            p.land().cmdLight[light].raiseClick();
        break;
    case Op::Release:
        if (land)
            p.land().cmdLight[light].raiseMouseUp(mouse);
        break;
    case Op::ClickGesture:
        if (land)
            doubles::mouseClick(p.land().cmdLight[light], mouse);
        break;
    case Op::ReleaseAway:
        if (land) {
            p.land().cmdLight[light].raiseMouseDown(mouse);
            p.land().cmdLight[light].raiseMouseUp(mouse);
        }
        break;
    case Op::Help:
        if (land)
            p.land().cmdHelp.raiseClick();
        break;
    case Op::CloseHelp:
        if (help)
            p.help().requestClose(platform::CloseReason::CloseBox);
        break;
    case Op::HelpLoaded:
        if (help)
            platform_->completeLoad(p.help().brwWebBrowser, helpPageName(arg));
        break;
    case Op::HelpButton:
        if (help)
            p.help().tbToolBar.raiseButtonClick(arg % 5);
        break;
    case Op::HelpEnter:
        if (help)
            p.help().cboAddress.raiseKeyPress(platform::keys::Return);
        break;
    case Op::HelpChoose:
        if (help)
            p.help().cboAddress.raiseChoose(arg);
        break;
    case Op::CloseGame:
        if (land)
            p.land().requestClose(static_cast<platform::CloseReason>(arg % 4));
        break;
    case Op::CloseSplash: p.splash().requestClose(platform::CloseReason::CloseBox); break;
    case Op::ForgetHelpHistory:
        if (!help || !p.help().isLoaded())
            platform_->document("frmBrowser.brwWebBrowser") = {};
        break;
    case Op::KeyDown:
    case Op::KeyUp:
    case Op::KeyboardLost: break; // keyInput
    case Op::AccessiblePress:
        if (land) {
            game::frmLand& l = p.land();
            platform::Control* const steering[5] = {&l.lblGame[0], &l.lblGame[1], &l.lblStart, &l.lblSO, &l.cmdHelp};
            (light >= 1 && light <= 4 ? l.cmdLight[light] : *steering[arg % 5]).raiseFullClick();
        }
        break;
    case Op::Wait:
    case Op::WaitToTick:
    case Op::WaitBeforeTick:
    case Op::PokeTagLevel:
    case Op::PokeFollowLevel:
    case Op::PokeFollowAnswerEnd: break;
    }
}

void PlaySession::keyInput(const Action& a)
{
    if (!program_->landCreated())
        return;
    game::frmLand& land = program_->land();
    const doubles::KeyOptions options{static_cast<std::int16_t>(a.shift), a.typing ? &land.txtScore : nullptr,
                                      a.repeat};
    const auto key = static_cast<std::int16_t>(a.arg);
    switch (a.op) {
    case Op::KeyDown: doubles::pressKey(land, key, options); break;
    case Op::KeyUp: doubles::releaseKey(land, key, options); break;
    case Op::KeyboardLost: land.raiseKeyboardLost(); break;
    default: break;
    }
}

void PlaySession::readDraws()
{
    if (model_->ended() || !program_->landCreated())
        return;
    game::frmLand& land = program_->land();
    if (model_->patternDrawn()) {
        const int level = model_->level();
        std::vector<int> drawn;
        drawn.reserve(static_cast<std::size_t>(level));
        for (int i = 1; i <= level && land.aintPattern.contains(i); ++i) {
            const int t = land.aintPattern(i);
            if (t < 1 || t > 4) {
                fail("pattern element " + std::to_string(i) + " is " + std::to_string(t) + ", not a light");
                return;
            }
            if (i > 1 && t == drawn.back()) {
                fail("pattern element " + std::to_string(i) + " repeats the light before it");
                return;
            }
            drawn.push_back(t);
        }
        if (static_cast<int>(drawn.size()) != level) {
            fail("the pattern does not reach the level");
            return;
        }
        model_->acceptPattern(drawn);
    }
    if (model_->quarryDrawn()) {
        const int light = land.intLight;
        if (light < 1 || light > 4 || light == model_->prevLight()) {
            fail("the quarry moved to light " + std::to_string(light) + " from light " +
                 std::to_string(model_->prevLight()));
            return;
        }
        model_->acceptQuarry(light);
    }
}

void PlaySession::waitUntil(std::int64_t targetUs)
{
    while (!model_->ended() && !failed()) {
        const std::int64_t next = model_->nextDueUs();
        if (next < 0 || next > targetUs)
            break;
        platform_->advanceToUs(next);
        model_->fireDue(next);
        ++ticks_;
        readDraws();
        if (!check())
            return;
    }
    if (failed())
        return;
    platform_->advanceToUs(std::max(targetUs, platform_->clock().nowUs()));
    model_->idleTo(platform_->clock().nowUs());
}

bool PlaySession::apply(const Action& a)
{
    if (failed())
        return false;
    recent_[events_ % 24] = describe(a);
    ++events_;
    ++lifeEvents_;
    scriptBoxes(a);
    const std::int64_t now = platform_->clock().nowUs();
    switch (a.op) {
    case Op::Wait: waitUntil(now + std::max<std::int64_t>(a.us, 0)); break;
    case Op::WaitToTick: {
        const std::int64_t next = model_->nextDueUs();
        waitUntil(next >= 0 ? next : now + std::max<std::int64_t>(a.us, 0));
        break;
    }
    case Op::WaitBeforeTick: {
        const std::int64_t next = model_->nextDueUs();
        waitUntil(next > now ? next - 1 : now);
        break;
    }
    case Op::PokeTagLevel:
        if (model_->state() == State::TagChase) {
            program_->land().intLevel = a.arg;
            model_->pokeTagLevel(a.arg);
        }
        break;
    case Op::PokeFollowLevel:
        if (model_->state() == State::Ready || model_->state() == State::FollowAnswer ||
            model_->state() == State::TagOver) {
            game::frmLand& land = program_->land();
            land.intLevel = a.arg;
            land.aintPattern.redim(a.arg);
            land.aintEntry.redim(a.arg);
            model_->pokeFollowLevel(a.arg);
        }
        break;
    case Op::PokeFollowAnswerEnd:
        if (model_->state() == State::FollowAnswer && model_->mode() == 0) {
            game::frmLand& land = program_->land();
            land.intLevel = a.arg;
            land.aintPattern.redim(a.arg);
            land.aintEntry.redim(a.arg);
            land.intStep = a.arg;
            land.aintPattern(a.arg) = a.light;
            model_->pokeFollowAnswerEnd(a.arg, a.light);
        }
        break;
    case Op::KeyDown:
    case Op::KeyUp:
    case Op::KeyboardLost:
        keyInput(a);
        model_->input(a);
        readDraws();
        break;
    default:
        rawInput(a.op, a.light, a.button, a.arg);
        model_->input(a);
        readDraws();
        break;
    }
    platform_->whileBoxOpen.clear();
    model_->clearBoxScript();
    if (failed())
        return false;
    return check();
}

const char* PlaySession::steeringName(int i)
{
    static const char* const names[5] = {"Follow", "Tag", "Start", "Start Over", "Help"};
    return names[i];
}

bool PlaySession::checkLand(bool ended)
{
    const GameModel& m = *model_;
    game::frmLand& land = program_->land();

    // The state variables.
    if (land.globals().intGameMode != m.mode())
        return fail("intGameMode " + std::to_string(land.globals().intGameMode) + ", expected " +
                    std::to_string(m.mode()));
    if (land.intLevel != m.level())
        return fail("intLevel " + std::to_string(land.intLevel) + ", expected " + std::to_string(m.level()));
    if (land.intStep != m.step())
        return fail("intStep " + std::to_string(land.intStep) + ", expected " + std::to_string(m.step()));
    for (const auto* b : {&land.blnLocked, &land.blnTagged})
        if (*b != platform::True && *b != platform::False)
            return fail("a Boolean holds " + std::to_string(*b));
    if (land.blnLocked != m.locked())
        return fail("blnLocked " + std::to_string(land.blnLocked) + ", expected " + std::to_string(m.locked()));
    if (land.blnTagged != m.tagged())
        return fail("blnTagged " + std::to_string(land.blnTagged) + ", expected " + std::to_string(m.tagged()));
    if (land.intLight != m.quarryLight() || land.intPrevLight != m.prevLight())
        return fail("intLight/intPrevLight " + std::to_string(land.intLight) + "/" + std::to_string(land.intPrevLight) +
                    ", expected " + std::to_string(m.quarryLight()) + "/" + std::to_string(m.prevLight()));

    // Both arrays: the same bounds from 1, and the model's contents. A run-time
    // error may have stopped a draw half-way, which the model does not follow.
    const int bound = static_cast<int>(m.pattern().size());
    if (!land.aintPattern.dimensioned() || !land.aintEntry.dimensioned() || land.aintPattern.lowerBound() != 1 ||
        land.aintEntry.lowerBound() != 1 || land.aintPattern.upperBound() != bound ||
        land.aintEntry.upperBound() != bound)
        return fail("array bounds 1.." + std::to_string(land.aintPattern.upperBound()) + " and 1.." +
                    std::to_string(land.aintEntry.upperBound()) + ", expected 1.." + std::to_string(bound));
    if (ended && errorsInLife_ > 0) {
        // nothing more to compare
    } else if (m.arraysChanged() || bound <= 64) {
        for (int i = 1; i <= bound; ++i)
            if (land.aintPattern(i) != m.pattern()[static_cast<std::size_t>(i - 1)] ||
                land.aintEntry(i) != m.entry()[static_cast<std::size_t>(i - 1)])
                return fail("array element " + std::to_string(i) + " differs");
        model_->arraysChecked();
    } else if (const int i = m.lastEntryIndex(); i >= 1 && i <= bound) {
        if (land.aintEntry(i) != m.entry()[static_cast<std::size_t>(i - 1)] ||
            land.aintPattern(i) != m.pattern()[static_cast<std::size_t>(i - 1)])
            return fail("array element " + std::to_string(i) + " differs");
    }

    // The score box, the mode captions' colours, the steering controls.
    if (land.txtScore.text() != m.score())
        return fail("the score box shows \"" + land.txtScore.text() + "\", expected \"" + m.score() + "\"");
    if (land.lblGame[m.mode()].foreColor() != platform::colors::Red ||
        land.lblGame[1 - m.mode()].foreColor() != platform::colors::ButtonText)
        return fail("the chosen mode's caption is not the red one");
    for (int i = 0; i < 5; ++i)
        if (steeringControl(land, i)->enabled() != m.steering(i))
            return fail(std::string(steeringName(i)) + (m.steering(i) ? " disabled" : " enabled") +
                        " against the model");
    const auto& lt = m.timer(GameModel::TimerId::Lights);
    if (land.tmrLights.interval() != lt.intervalMs || land.tmrLights.enabled() != lt.enabled)
        return fail("tmrLights interval " + std::to_string(land.tmrLights.interval()) + " enabled " +
                    std::to_string(land.tmrLights.enabled()) + ", expected " + std::to_string(lt.intervalMs) + " " +
                    std::to_string(lt.enabled));

    // The lights: colours, pictures, at most one quarry.
    const std::uint64_t quarry = land.cmdPic.picture().handle();
    if (quarry == 0)
        return fail("the quarry picture has gone");
    int holders = 0;
    for (int n = 0; n <= 4; ++n) {
        const platform::Control& c = land.cmdLight[n];
        const bool holds = c.picture().handle() == quarry;
        if (!c.picture().isNull() && !holds)
            return fail("light " + std::to_string(n) + " shows a picture that is not the quarry");
        holders += holds;
        if (holds != m.light(n).quarry)
            return fail("light " + std::to_string(n) + (holds ? " holds" : " does not hold") +
                        " the quarry, against the model");
        if (c.backColor() != m.light(n).back)
            return fail("light " + std::to_string(n) + " colour " + hex(c.backColor()) + ", expected " +
                        hex(m.light(n).back));
    }
    if (holders > 1)
        return fail(std::to_string(holders) + " lights hold the quarry");
    return true;
}

bool PlaySession::check()
{
    if (!boxFailure_.empty())
        return fail(boxFailure_);
    ++checks_;
    GameModel& m = *model_;
    FakePlatform& fp = *platform_;
    app::Program& p = *program_;
    platform::Runtime& runtime = p.runtime();

    if (runtime.inHandler())
        return fail("a handler is still running between events");
    if (fp.clock().nowUs() != m.now())
        return fail("virtual time " + std::to_string(fp.clock().nowUs()) + " differs from the model's " +
                    std::to_string(m.now()));

    // What the program produced: pages, boxes, errors.
    const auto navigations = m.takeNavigations();
    if (fp.navigations.size() != navigations.size()) {
        std::string got;
        for (const auto& n : fp.navigations)
            got += "\n      " + n.control + " " + n.address;
        std::string want;
        for (const auto& n : navigations)
            want += "\n      " + n.control + " " + n.address;
        return fail("navigations differ; program:" + got + "\n    model:" + want);
    }
    for (std::size_t i = 0; i < navigations.size(); ++i)
        if (fp.navigations[i].control != navigations[i].control || fp.navigations[i].address != navigations[i].address)
            return fail("navigation " + fp.navigations[i].control + " " + fp.navigations[i].address + ", expected " +
                        navigations[i].control + " " + navigations[i].address);
    fp.navigations.clear();
    // The test side's media browsers remember every page; the game never reads them back.
    for (const char* media : {"frmLand.wbSounds", "frmSplash.wbSplash"}) {
        auto& doc = fp.document(media);
        doc.history.clear();
        doc.position = -1;
    }

    const auto boxes = m.takeBoxes();
    if (fp.messageBoxes.size() != boxes.size()) {
        std::string got;
        for (const auto& b : fp.messageBoxes)
            got += "\n      \"" + b.title + "\": " + b.text;
        return fail("the program opened " + std::to_string(fp.messageBoxes.size()) + " message boxes, the model " +
                    std::to_string(boxes.size()) + ":" + got);
    }
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const auto& got = fp.messageBoxes[i];
        const bool textOk = boxes[i].prefixOnly ? got.text.rfind(boxes[i].text, 0) == 0 : got.text == boxes[i].text;
        if (!textOk || got.title != boxes[i].title)
            return fail("message box \"" + got.title + "\": " + got.text + "; expected \"" + boxes[i].title +
                        "\": " + boxes[i].text);
        if (i < boxSnapshots_.size() && !(boxSnapshots_[i] == boxes[i].seen))
            return fail("while the box \"" + got.title + "\" was open the game window showed\n    " +
                        describe(boxSnapshots_[i]) + "\n  expected\n    " + describe(boxes[i].seen));
    }
    boxSnapshots_.clear();
    boxesSeen_ += boxes.size();
    fp.messageBoxes.clear();
    fp.shows.clear();

    const std::size_t errors = runtime.reportedErrors().size();
    if (errors != static_cast<std::size_t>(m.errors()))
        return fail("run-time errors reported: " + std::to_string(errors) + ", expected " + std::to_string(m.errors()) +
                    (errors ? " (last: " + runtime.reportedErrors().back() + ")" : std::string()));
    if (errors > errorsInLife_) {
        errorsSeen_ += errors - errorsInLife_;
        errorsInLife_ = errors;
        if (!errorsAllowed_)
            return fail("run-time error with no deliberate set-up: " + runtime.reportedErrors().back());
    }
    if (fp.reseeds != m.reseeds())
        return fail("the random generator was seeded " + std::to_string(fp.reseeds) + " times, expected " +
                    std::to_string(m.reseeds()));

    // A program that has ended has nothing left running.
    if (m.ended()) {
        if (!runtime.ended())
            return fail("the program goes on where it should have ended");
        if (!runtime.loadedForms().empty())
            return fail("a window is still loaded after the end");
        if (p.splash().isLoaded() || (p.landCreated() && p.land().isLoaded()) ||
            (p.helpCreated() && p.help().isLoaded()))
            return fail("a window reports itself loaded after the end");
        if (fp.armedTimers() != 0)
            return fail("a timer is still armed after the end");
        if (fp.quitCount != 1)
            return fail("the event loop was asked to quit " + std::to_string(fp.quitCount) + " times");
        // No handler went on after the end: the game window stays as it was at that moment.
        if (p.landCreated() != m.landCreated())
            return fail("the game window was created against the model");
        return !p.landCreated() || checkLand(true);
    }
    if (runtime.ended())
        return fail("the program ended; the model says it goes on");

    int armed = 0;
    auto checkTimer = [&](const platform::Timer& timer, GameModel::TimerId id, const char* name) {
        const auto& t = m.timer(id);
        armed += t.dueUs >= 0;
        const std::int64_t due = fp.nextTickUs(timer);
        if (due != t.dueUs)
            return fail(std::string(name) + " next tick at " + std::to_string(due) + "us, expected " +
                        std::to_string(t.dueUs) + "us");
        return true;
    };

    if (m.state() == State::Splash) {
        if (!p.splash().isLoaded() || p.landCreated())
            return fail("the splash should be the only window");
        if (!checkTimer(p.splash().tmrSplash, GameModel::TimerId::Splash, "tmrSplash"))
            return false;
        if (fp.armedTimers() != armed)
            return fail("an unexpected timer is armed during the splash");
        return true;
    }

    if (p.splash().isLoaded())
        return fail("the splash is still loaded with the game window open");
    if (!p.landCreated() || !p.land().isLoaded() || !p.land().isVisible())
        return fail("the game window is not open");
    if (!checkLand(false))
        return false;
    game::frmLand& land = p.land();

    // The table of each state: steering, live lights, the light timer.
    const char* table = "11111";
    bool ticking = false;
    bool live = true;
    switch (m.state()) {
    case State::Ready: live = false; break;
    case State::FollowPlayback:
        table = "00000";
        ticking = true;
        live = false;
        break;
    case State::TagChase:
        table = "00010";
        ticking = true;
        break;
    default: break;
    }
    for (int i = 0; i < 5; ++i)
        if (steeringControl(land, i)->enabled() != (table[i] == '1'))
            return fail(std::string(steeringName(i)) + (table[i] == '1' ? " disabled" : " enabled") + " in " +
                        stateName(m.state()));
    if ((land.blnLocked == platform::False) != live)
        return fail(std::string("the lights are ") + (live ? "dead" : "live") + " in " + stateName(m.state()));
    if ((fp.nextTickUs(land.tmrLights) >= 0) != ticking)
        return fail(std::string("the light timer is ") + (ticking ? "stopped" : "ticking") + " in " +
                    stateName(m.state()));
    if (ticking && (m.state() == State::FollowPlayback) != (m.mode() == 0))
        return fail("the running game and the chosen mode disagree");
    if (!checkTimer(land.tmrLights, GameModel::TimerId::Lights, "tmrLights"))
        return false;

    // The help window.
    if (p.helpCreated() != m.helpCreated())
        return fail("the help window was created against the model");
    if (p.helpCreated()) {
        browser::frmBrowser& help = p.help();
        if (help.isLoaded() != m.helpLoaded())
            return fail(std::string("the help window is ") + (help.isLoaded() ? "open" : "closed") +
                        " against the model");
        if (help.isLoaded()) {
            if (help.caption() != m.helpCaption())
                return fail("help caption \"" + help.caption() + "\", expected \"" + m.helpCaption() + "\"");
            if (help.cboAddress.items().size() != 2 || help.listUpdating())
                return fail("the help address list changed");
        }
        if (!checkTimer(help.timTimer, GameModel::TimerId::Help, "timTimer"))
            return false;
        const auto& doc = fp.document("frmBrowser.brwWebBrowser");
        if (doc.busy != m.document().busy || doc.position != m.document().position ||
            doc.history.size() != m.document().history.size())
            return fail("the help browser's history differs from the model");
    }
    if (fp.armedTimers() != armed)
        return fail(std::to_string(fp.armedTimers()) + " timers armed, expected " + std::to_string(armed));
    if (runtime.loadedForms().size() != (m.helpLoaded() ? 2u : 1u))
        return fail("loaded windows: " + std::to_string(runtime.loadedForms().size()));

    highestLevel_ = std::max(highestLevel_, m.mode() == 0 ? m.level() : 0);
    if (m.mode() == 1 && !m.score().empty())
        highestTagScore_ = std::max(highestTagScore_, std::stoi(m.score()));
    return true;
}

} // namespace reliability
