// A seeded random play on the real game window, offscreen. Each step takes a light or
// a steering control and plays it through the widgets one of three ways: the mouse, its
// key (pressed, repeated and held while other keys come, then released), or an assistive
// tool's Press action. Whatever the game does meanwhile, the control must get exactly one
// press, click and release in the game when it takes input (no release when its own
// click disabled it) and nothing when it does not, and no other control may get any.
// The game's timer ticks only between steps, when the play says so, so that nothing
// changes under a step and the run does not hang on the machine's speed.
// The seed is printed first; GLIMMERKIN_PLAY_SEED=0x... plays one again.
#include "QtTestSupport.h"

#include "game/FrmLand.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QKeyEvent>
#include <QTest>

#include <algorithm>
#include <memory>
#include <vector>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>

using namespace platform;
using qttest::widgetOf;

namespace {

struct Counts {
    int down = 0, click = 0, up = 0;
    friend bool operator==(const Counts&, const Counts&) = default;
};

std::string describe(const Counts& c)
{
    return "down " + std::to_string(c.down) + " click " + std::to_string(c.click) + " up " + std::to_string(c.up);
}

enum class Route { Mouse, Key, Accessible };

// A timer that ticks when told to.
class HandTimer : public TimerPeer {
public:
    explicit HandTimer(Timer& timer, std::vector<HandTimer*>& all) : timer_(timer), all_(all) { all_.push_back(this); }
    ~HandTimer() override { std::erase(all_, this); }
    void arm(int) override { armed_ = true; }
    void disarm() override { armed_ = false; }
    void tick()
    {
        if (armed_)
            timer_.raiseTick();
    }

private:
    Timer& timer_;
    std::vector<HandTimer*>& all_;
    bool armed_ = false;
};

class HandTimerPlatform : public qttest::TestPlatform {
public:
    std::unique_ptr<TimerPeer> createTimer(Timer& timer) override { return std::make_unique<HandTimer>(timer, timers); }
    std::vector<HandTimer*> timers;
};

class RandomInputQtTest : public testing::Test {
protected:
    void SetUp() override
    {
        land.show();
        window = widgetOf(land.picLand)->window();
        ASSERT_NE(window->windowHandle(), nullptr);
        targets = {&land.cmdLight[1], &land.cmdLight[2], &land.cmdLight[3], &land.cmdLight[4], &land.lblGame[0],
                   &land.lblGame[1],  &land.lblStart,    &land.lblSO,       &land.cmdHelp};
        // Each target counts its events and then runs the game's own handler.
        for (std::size_t i = 0; i < targets.size(); ++i) {
            Control& c = *targets[i];
            c.onMouseDown = [this, i, game = c.onMouseDown](MouseButton b) {
                ++counts[i].down;
                if (game)
                    game(b);
            };
            c.onClick = [this, i, game = c.onClick] {
                ++counts[i].click;
                if (game)
                    game();
            };
            c.onMouseUp = [this, i, game = c.onMouseUp](MouseButton b) {
                ++counts[i].up;
                if (game)
                    game(b);
            };
        }
    }
    void TearDown() override
    {
        land.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The keys of each target, as the README gives them.
    std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keysOf(std::size_t target) const
    {
        if (target < 4) {
            const auto digit = static_cast<Qt::Key>(Qt::Key_1 + static_cast<int>(target));
            return {{digit, Qt::NoModifier}, {digit, Qt::KeypadModifier}};
        }
        switch (target) {
        case 4: return {{Qt::Key_F, Qt::NoModifier}};
        case 5: return {{Qt::Key_T, Qt::NoModifier}};
        case 6: return {{Qt::Key_S, Qt::NoModifier}, {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Space, Qt::NoModifier}};
        case 7: return {{Qt::Key_O, Qt::NoModifier}};
        default: return {{Qt::Key_F1, Qt::NoModifier}};
        }
    }

    void sendKey(QEvent::Type type, std::pair<Qt::Key, Qt::KeyboardModifiers> key, bool repeat)
    {
        QKeyEvent event(type, key.first, key.second, QString(), repeat);
        QCoreApplication::sendEvent(window->windowHandle(), &event);
    }

    // Plays one step; returns what went wrong, or nothing.
    std::string step(std::mt19937_64& rng)
    {
        const std::size_t target = rng() % targets.size();
        Control& control = *targets[target];
        const auto route = static_cast<Route>(rng() % 3);
        const bool before = control.acceptsInput();
        const std::array<Counts, 9> start = counts;
        bool beforeRelease = before;
        std::ostringstream where;
        where << control.name() << "(" << control.index() << ") by "
              << (route == Route::Mouse ? "mouse"
                  : route == Route::Key ? "key"
                                        : "Press action");

        switch (route) {
        case Route::Mouse: {
            QWidget* widget = widgetOf(control);
            QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
            break;
        }
        case Route::Key: {
            const auto keys = keysOf(target);
            const auto key = keys[rng() % keys.size()];
            sendKey(QEvent::KeyPress, key, false);
            if (counts[target].down != start[target].down + (before ? 1 : 0))
                return where.str() + ": the key's press gave " + describe(counts[target]);
            // Repeats, and other keys while this one holds its control, change nothing.
            const std::array<Counts, 9> held = counts;
            for (int n = static_cast<int>(rng() % 4); n > 0; --n)
                sendKey(QEvent::KeyPress, key, true);
            if (before && rng() % 2) {
                const auto other = keysOf(rng() % targets.size());
                const auto otherKey = other[rng() % other.size()];
                if (otherKey != key) {
                    sendKey(QEvent::KeyPress, otherKey, false);
                    sendKey(QEvent::KeyRelease, otherKey, false);
                }
            }
            QCoreApplication::processEvents();
            if (counts != held)
                return where.str() + ": a repeat or another key acted while the key was held";
            beforeRelease = control.acceptsInput();
            sendKey(QEvent::KeyRelease, key, false);
            break;
        }
        case Route::Accessible: {
            QAccessibleInterface* button = QAccessible::queryAccessibleInterface(widgetOf(control));
            if (!button || !button->actionInterface())
                return where.str() + ": no accessible action";
            if (button->actionInterface()->actionNames() != QStringList{QAccessibleActionInterface::pressAction()})
                return where.str() + ": the actions are not just Press";
            button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            break;
        }
        }
        QCoreApplication::processEvents();

        const bool clicked = before && beforeRelease;
        const Counts expected{start[target].down + (before ? 1 : 0), start[target].click + (clicked ? 1 : 0),
                              start[target].up + (clicked && control.acceptsInput() ? 1 : 0)};
        if (counts[target] != expected)
            return where.str() + ": " + describe(counts[target]) + ", expected " + describe(expected) +
                   (before ? "" : " (it took no input)");
        for (std::size_t other = 0; other < targets.size(); ++other)
            if (other != target && counts[other] != start[other])
                return where.str() + ": " + targets[other]->name() + "(" + std::to_string(targets[other]->index()) +
                       ") got " + describe(counts[other]);
        if (control.pressed())
            return where.str() + ": still shown pressed";
        return {};
    }

    HandTimerPlatform platform;
    Runtime runtime{platform};
    game::modGlobals globals;
    game::frmLand land{runtime, globals, nullptr};
    QWidget* window = nullptr;
    std::vector<Control*> targets;
    std::array<Counts, 9> counts{};
};

TEST_F(RandomInputQtTest, EveryRouteGivesOnePressClickAndReleaseOrNothing)
{
    const char* named = std::getenv("GLIMMERKIN_PLAY_SEED");
    const std::uint64_t seed = named && *named
                                   ? std::strtoull(named, nullptr, 0)
                                   : static_cast<std::uint64_t>(std::random_device{}()) << 32 | std::random_device{}();
    std::printf("random input seed 0x%llx; replay with GLIMMERKIN_PLAY_SEED=0x%llx\n",
                static_cast<unsigned long long>(seed), static_cast<unsigned long long>(seed));
    std::fflush(stdout);
    SCOPED_TRACE("seed " + std::to_string(seed) + " (decimal)");
    std::mt19937_64 rng(seed);
    for (int i = 0; i < 400; ++i) {
        const std::string failure = step(rng);
        ASSERT_EQ(failure, "") << "step " << i;
        // Now and then the game's timer ticks, so the game moves on and the steering
        // changes state.
        if (rng() % 3 == 0) {
            const std::vector<HandTimer*> timers = platform.timers;
            for (HandTimer* timer : timers)
                timer->tick();
            QCoreApplication::processEvents();
        }
    }
    // The game was started, so the steering was played both enabled and disabled.
    EXPECT_GT(counts[6].click + counts[7].click, 0) << "Start was never clicked";
}

} // namespace
