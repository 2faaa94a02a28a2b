#include "InProcess.h"

#include "ProcessProbe.h"
#include "SoundListener.h"

#include "app/Program.h"
#include "game/FrmLand.h"
#include "platform/Browser.h"
#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/Runtime.h"
#include "platform/Timer.h"
#include "qtplatform/QtPlatform.h"
#include "qtplatform/audio/SdlAudioOutput.h"
#include "sound/MediaPageBrowser.h"

#include <QEventLoop>
#if BENCH_HAVE_MULTIMEDIA
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#endif
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <memory>
#include <thread>

namespace bench {

bool BenchApplication::notify(QObject* receiver, QEvent* event)
{
    const bool handled = QApplication::notify(receiver, event);
    if (afterEvent)
        afterEvent(receiver, event);
    return handled;
}

namespace {

// A small window holding one timer control, as the game's windows hold theirs.
class TickWindow : public platform::Form {
public:
    explicit TickWindow(platform::Runtime& runtime) : Form(runtime, "frmTicks"), tmrTick(*this, "tmrTick") {}
    platform::Timer tmrTick;

protected:
    void layout() override
    {
        style().clientWidth = 3000;
        style().clientHeight = 2000;
    }
};

void settle(int ms) { QTest::qWait(ms); }

// Deletes the widgets that closing windows left for later, when it goes: placed
// first among members, it goes after the windows.
struct FlushDeletes {
    FlushDeletes() = default;
    FlushDeletes(const FlushDeletes&) = delete;
    FlushDeletes& operator=(const FlushDeletes&) = delete;
    ~FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

// The game program on the Qt adapter, with its game window loaded and shown. The
// windows close with it, without unloading the last of them, which would end
// the event loop of the whole benchmark.
struct GameInProcess {
    FlushDeletes flush;
    qtplatform::QtPlatform platform;
    app::Program program{platform};
    QWidget* window = nullptr;

    GameInProcess()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        program.runtime().dispatchNotification([this] { program.land().show(); });
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("frmLand"))
                window = w;
        if (!window)
            throw std::runtime_error("the game window did not open");
        settle(200);
    }
};

// How late a tick at `at` is behind the deadline it answers: the latest deadline
// of the schedule (start + k × interval) that has passed, but never one answered
// before. A tick missed altogether therefore shows in the ticks per second, not
// as lateness piling up on every later tick. `due` carries k between ticks.
double lateness(Clock::time_point start, std::chrono::milliseconds interval, Clock::time_point at, long& due)
{
    const long passed = static_cast<long>((at - start) / interval);
    due = std::max(due + 1, passed);
    return msBetween(start + due * interval, at);
}

} // namespace

Ticks platformTimerTicks(int intervalMs, int count, Clock::time_point start)
{
    FlushDeletes flush;
    qtplatform::QtPlatform platform;
    platform::Runtime runtime(platform);
    TickWindow window(runtime);
    runtime.dispatchNotification([&window] { window.show(); });
    settle(100);

    Ticks result;
    QEventLoop loop;
    const auto interval = std::chrono::milliseconds(intervalMs);
    Clock::time_point last;
    int n = 0;
    long due = 0;
    window.tmrTick.onTimer = [&] {
        last = Clock::now();
        ++n;
        result.lateMs.push_back(lateness(start, interval, last, due));
        if (n == count) {
            window.tmrTick.setEnabled(false);
            loop.quit();
        }
    };
    // The timer counts its first interval from the moment it is set.
    std::this_thread::sleep_until(start);
    start = Clock::now();
    window.tmrTick.setInterval(intervalMs);
    loop.exec();
    result.perSecond = n / (msBetween(start, last) / 1000.0);
    return result;
}

Ticks absoluteSleepTicks(int intervalMs, int count, Clock::time_point start)
{
    Ticks result;
    const auto interval = std::chrono::milliseconds(intervalMs);
    Clock::time_point last = start;
    long due = 0;
    for (int n = 1; n <= count; ++n) {
        // Like a timer, sleep to the next deadline not yet answered.
        const auto since = (start + (due + 1) * interval).time_since_epoch();
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(since);
        timespec at{};
        at.tv_sec = static_cast<time_t>(seconds.count());
        at.tv_nsec = static_cast<long>(std::chrono::duration_cast<std::chrono::nanoseconds>(since - seconds).count());
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr) != 0) {}
        last = Clock::now();
        result.lateMs.push_back(lateness(start, interval, last, due));
    }
    result.perSecond = count / (msBetween(start, last) / 1000.0);
    return result;
}

PressLatency pressLatency(int trials)
{
    auto* app = static_cast<BenchApplication*>(QCoreApplication::instance());
    GameInProcess game;
    game::frmLand& land = game.program.land();
    // The player's turn: the lights are live.
    land.blnLocked = platform::False;
    QWidget* light = game.window->findChild<QWidget*>(QStringLiteral("cmdLight_1"));
    if (!light)
        throw std::runtime_error("no light in the game window");
    const platform::Control& lightControl = land.cmdLight[1];

    // The baseline: a bare push button of the light's size in a window of its own.
    QWidget plain;
    plain.resize(game.window->size());
    auto* button = new QPushButton(&plain);
    button->setGeometry(light->geometry());
    plain.show();
    settle(200);

    // Press in the middle of the target through its window, as the system would,
    // and wait for the paint of the target that shows the pressed look; release
    // outside the target, which clicks nothing.
    auto measure = [app](QWidget* target, const std::function<bool()>& shown) {
        QWidget* top = target->window();
        QWindow* handle = top->windowHandle();
        const QPoint centre = target->mapTo(top, target->rect().center());
        QEventLoop loop;
        bool painted = false;
        Clock::time_point done;
        app->afterEvent = [&](QObject* receiver, QEvent* event) {
            if (!painted && receiver == target && event->type() == QEvent::Paint && shown()) {
                done = Clock::now();
                painted = true;
                loop.quit();
            }
        };
        QTimer::singleShot(1000, &loop, &QEventLoop::quit);
        const Clock::time_point start = Clock::now();
        QTest::mousePress(handle, Qt::LeftButton, {}, centre);
        if (!painted)
            loop.exec();
        app->afterEvent = nullptr;
        QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(1, 1));
        settle(3);
        return painted ? msBetween(start, done) : NAN;
    };
    auto lightBlack = [&lightControl] { return lightControl.backColor() == platform::colors::Black; };
    auto buttonDown = [button] { return button->isDown(); };

    PressLatency result;
    for (int i = 0; i < 10; ++i) {
        measure(light, lightBlack);
        measure(button, buttonDown);
    }
    for (int i = 0; i < trials; ++i) {
        if (i % 2) {
            result.lightMs.push_back(measure(light, lightBlack));
            result.pushButtonMs.push_back(measure(button, buttonDown));
        } else {
            result.pushButtonMs.push_back(measure(button, buttonDown));
            result.lightMs.push_back(measure(light, lightBlack));
        }
    }
    return result;
}

Spot startCaptionSpot()
{
    GameInProcess game;
    QWidget* caption = game.window->findChild<QWidget*>(QStringLiteral("lblStart"));
    if (!caption)
        throw std::runtime_error("no Start caption in the game window");
    const QPoint centre = caption->mapTo(game.window, caption->rect().center());
    return {centre.x(), centre.y(), game.window->width(), game.window->height()};
}

#if BENCH_HAVE_MULTIMEDIA
namespace {

// Waits, running the event loop, until the listener hears a sound begin after
// `start`; the milliseconds since `start`.
double untilHeard(SoundListener& listener, Clock::time_point start)
{
    while (msBetween(start, Clock::now()) < 5000) {
        if (const auto onset = listener.onsetSince(start))
            return msBetween(start, *onset);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return NAN;
}

} // namespace
#endif

CueLatency cueLatency(const std::string& gameDir, int trials)
{
    CueLatency result;
#if !BENCH_HAVE_MULTIMEDIA
    (void)gameDir;
    (void)trials;
    result.skipped = "the baseline needs Qt Multimedia (qt6-multimedia-dev)";
#else
    if (QMediaDevices::audioOutputs().isEmpty()) {
        result.skipped = "no audio device";
        return result;
    }
    SoundListener listener;
    if (!listener.listening()) {
        result.skipped = "parec (pulseaudio-utils) is needed to hear the output";
        return result;
    }
    qtplatform::QtPlatform platform;
    platform::Runtime runtime(platform);
    TickWindow window(runtime);
    platform::Browser player(window, "wbCue", platform::BrowserRole::MediaPlayer);
    // The game's cues play from a window on screen.
    runtime.dispatchNotification([&window] { window.show(); });
    settle(100);
    const std::string page = gameDir + "/Splash.htm";
    const QString sound = QString::fromStdString(gameDir + "/sounds/splash.wav");
    // Each trial starts from silence and from a fresh output, as the game's first cue does.
    auto quiet = [&listener] { listener.waitForSilence(std::chrono::milliseconds(300), std::chrono::seconds(10)); };
    // Then an output that stays, after a silence long past the end of its sound,
    // when the game's output has closed its device.
    result.silenceMs = 2500;
    qtplatform::SdlAudioOutput keptOutput(gameDir);
    sound::MediaPageBrowser kept(player, keptOutput.channel());
    QSoundEffect keptEffect;
    keptEffect.setSource(QUrl::fromLocalFile(sound));
    auto afterSilence = [&](auto&& cue, auto&& stop, std::vector<double>& into) {
        quiet();
        settle(int(result.silenceMs));
        const Clock::time_point start = Clock::now();
        cue();
        into.push_back(untilHeard(listener, start));
        // Cut short, as the fresh ones are when they go: a pause inside the rest of
        // the sound would pass for the silence before the next cue.
        stop();
    };
    // Both ready for the measured cues.
    kept.navigate(page);
    keptEffect.play();
    settle(200);
    kept.navigate(""); // no page: a stop
    keptEffect.stop();
    for (int i = 0; i < trials; ++i) {
        quiet();
        {
            qtplatform::SdlAudioOutput output(gameDir);
            sound::MediaPageBrowser browser(player, output.channel());
            const Clock::time_point start = Clock::now();
            browser.navigate(page);
            result.cueMs.push_back(untilHeard(listener, start));
        }
        quiet();
        {
            QSoundEffect effect;
            const Clock::time_point start = Clock::now();
            effect.setSource(QUrl::fromLocalFile(sound));
            effect.play();
            result.bareMs.push_back(untilHeard(listener, start));
        }
        afterSilence([&] { kept.navigate(page); }, [&] { kept.navigate(""); }, result.afterSilenceMs);
        afterSilence([&] { keptEffect.play(); }, [&] { keptEffect.stop(); }, result.bareAfterSilenceMs);
    }
#endif
    return result;
}

CueMemory cueMemory(const std::string& gameDir, int cues)
{
    const std::string sound = gameDir + "/sounds/splash.wav";
    qtplatform::SdlAudioOutput output(gameDir);
    auto cue = [&output, &sound] {
        output.play(sound, true);
        output.waitUntilStarted(10'000);
        output.stop();
        output.waitUntilIdle(10'000);
    };
    for (int i = 0; i < 100; ++i)
        cue();
    CueMemory result;
    result.cues = cues;
    result.beforeKb = memoryOf(getpid()).rssKb;
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < cues; ++i)
        cue();
    result.seconds = msBetween(start, Clock::now()) / 1000.0;
    result.afterKb = memoryOf(getpid()).rssKb;
    return result;
}

} // namespace bench
