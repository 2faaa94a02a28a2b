// glimmerkin-bench: measures the game beside baselines taken in the same run and
// prints the figures as a Markdown table. Usage:
//   glimmerkin-bench [--runs N] [--only startup,memory,idle,timers,input,audio]
//                    [--sound pulseaudio|pipewire] (a private sound server for the run)
//                    [--programs GAME BASELINE]   (other programs, to compare builds)
#include "Figures.h"
#include "InProcess.h"
#include "ProcessProbe.h"
#include "SoundServer.h"
#include "VirtualDisplay.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iostream>
#include <memory>
#include <set>
#include <sstream>
#include <thread>

namespace bench {
namespace {

using namespace std::chrono_literals;

struct Options {
    int runs = 12;
    std::string game, baseline; // other programs in place of the game and the baseline
    std::set<std::string> only;
    std::string sound; // "pulseaudio" or "pipewire"; empty for none
    bool wants(const std::string& section) const { return only.empty() || only.count(section) > 0; }
};

Options parse(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            options.runs = std::max(10, std::atoi(argv[++i]));
        } else if (arg == "--programs" && i + 2 < argc) {
            options.game = argv[++i];
            options.baseline = argv[++i];
        } else if (arg == "--sound" && i + 1 < argc &&
                   (std::string(argv[i + 1]) == "pulseaudio" || std::string(argv[i + 1]) == "pipewire")) {
            options.sound = argv[++i];
        } else if (arg == "--only" && i + 1 < argc) {
            std::stringstream list(argv[++i]);
            for (std::string item; std::getline(list, item, ',');)
                options.only.insert(item);
        } else {
            std::cerr << "usage: glimmerkin-bench [--runs N (at least 10)] [--only "
                         "startup,memory,idle,timers,input,audio] [--sound pulseaudio|pipewire] "
                         "[--programs GAME BASELINE]\n";
            std::exit(2);
        }
    }
    return options;
}

std::string loadAverage()
{
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

void progress(const std::string& text) { std::cerr << "… " << text << std::endl; }

// Runs a command-line tool on the virtual display; true when it succeeded.
bool runTool(const std::vector<std::string>& args, const std::string& display)
{
    std::vector<std::string> env = displayEnvironment(display);
    std::vector<char*> envp, argv;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> copy = args;
    for (std::string& a : copy)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0)
        return false;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// ---------------------------------------------------------------------------

void startup(Table& table, VirtualDisplay& display, const std::string& game, const std::string& baseline, int runs)
{
    progress("start-up: " + std::to_string(runs) + " runs each, interleaved");
    struct Launch {
        double ms;
        double cpuMs;
    };
    auto launchToMap = [&display](const std::string& program) {
        display.drain();
        Child child(program, display.name());
        const auto mapped = display.waitForMap(child.pid(), 20s);
        const Launch launch{mapped ? msBetween(child.started(), mapped->when) : NAN, cpuMs(child.pid())};
        child.end();
        return launch;
    };
    // One unmeasured run of each fills the caches both rely on.
    launchToMap(baseline);
    launchToMap(game);
    std::vector<double> gameMs, baseMs, gameCpu, baseCpu;
    auto run = [&](const std::string& program, std::vector<double>& ms, std::vector<double>& cpu) {
        const Launch launch = launchToMap(program);
        ms.push_back(launch.ms);
        cpu.push_back(launch.cpuMs);
    };
    for (int i = 0; i < runs; ++i) {
        if (i % 2) {
            run(game, gameMs, gameCpu);
            run(baseline, baseMs, baseCpu);
        } else {
            run(baseline, baseMs, baseCpu);
            run(game, gameMs, gameCpu);
        }
    }
    table.addRatio("Start-up: launch to window mapped, median of " + std::to_string(runs) + " (ms)", median(gameMs),
                   median(baseMs), 1, 1.35);
    const double gameCpuMedian = median(gameCpu), baseCpuMedian = median(baseCpu);
    table.add({"Start-up: CPU time until mapped, all threads, median (ms)", fixed(gameCpuMedian, 1),
               fixed(baseCpuMedian, 1), fixed(gameCpuMedian / baseCpuMedian, 2) + "×", "", Verdict::Info});
    table.note("Start-up spread (ms): game " + fixed(percentile(gameMs, 0), 1) + "–" +
               fixed(percentile(gameMs, 100), 1) + ", baseline " + fixed(percentile(baseMs, 0), 1) + "–" +
               fixed(percentile(baseMs, 100), 1) + ".");
}

struct Session {
    Memory memory;
    Cost ready;
    Cost answer;
    std::string answerSkipped;
};

Cost idleOver(pid_t pid, Clock::duration span)
{
    const Cost before = costOf(pid);
    std::this_thread::sleep_for(span);
    return costBetween(before, costOf(pid));
}

constexpr auto idleSpan = 10s;
constexpr auto memoryAt = 7s; // after launch: the game window opens at 5 s

Session baselineSession(VirtualDisplay& display, const std::string& baseline, bool idle)
{
    progress("memory and idle cost of the baseline window");
    display.drain();
    Child child(baseline, display.name());
    if (!display.waitForMap(child.pid(), 20s))
        throw std::runtime_error("the baseline window did not open");
    std::this_thread::sleep_until(child.started() + memoryAt);
    Session session;
    session.memory = memoryOf(child.pid());
    if (idle)
        session.ready = idleOver(child.pid(), idleSpan);
    return session;
}

Session gameSession(VirtualDisplay& display, const std::string& game, bool idle)
{
    progress("memory and idle cost of the game");
    display.drain();
    Child child(game, display.name());
    if (!display.waitForMap(child.pid(), 20s))
        throw std::runtime_error("the splash window did not open");
    const auto land = display.waitForMap(child.pid(), 20s);
    if (!land)
        throw std::runtime_error("the game window did not open");
    std::this_thread::sleep_until(std::max(child.started() + memoryAt, land->when + 1s));
    Session session;
    session.memory = memoryOf(child.pid());
    if (!idle)
        return session;

    progress("idle: Ready state");
    session.ready = idleOver(child.pid(), idleSpan);

    // Into the Follow answer: click Start, and let the one-light pattern of level 1
    // play out (two ticks of 1.5 s). The window must look as it did in Ready while
    // the pattern plays no more, and differently while it plays.
    progress("idle: driving the game into the Follow answer");
    const Spot spot = startCaptionSpot();
    const Rect at = display.geometry(land->window);
    if (at.width != spot.windowWidth || at.height != spot.windowHeight) {
        session.answerSkipped = "the game window's size differs from its layout";
        return session;
    }
    const std::vector<std::uint8_t> ready = display.image(land->window);
    const auto clicked = Clock::now();
    if (!runTool({"xdotool", "mousemove", "--sync", std::to_string(at.x + spot.x), std::to_string(at.y + spot.y),
                  "click", "1", "mousemove", "0", "0"},
                 display.name())) {
        session.answerSkipped = "xdotool is not available to click Start";
        return session;
    }
    std::this_thread::sleep_until(clicked + 700ms);
    const bool playing = display.image(land->window) != ready;
    std::this_thread::sleep_until(clicked + 4500ms);
    const bool answering = display.image(land->window) == ready;
    if (!playing || !answering) {
        session.answerSkipped =
            playing ? "the pattern did not end as expected" : "the click on Start did not start a game";
        return session;
    }
    progress("idle: Follow answer");
    session.answer = idleOver(child.pid(), idleSpan);
    return session;
}

std::string busiest(const Cost& cost)
{
    std::string text;
    for (std::size_t i = 0; i < cost.threads.size() && i < 4; ++i) {
        const ThreadCost& t = cost.threads[i];
        text += (i ? ", " : "") + t.name + " " + std::to_string(t.switches);
        if (t.ticks)
            text += " (" + std::to_string(t.ticks) + " ticks)";
    }
    return text.empty() ? "none" : text;
}

void idleRows(Table& table, const std::string& state, const Cost& game, const Cost& base)
{
    const double seconds = std::chrono::duration<double>(idleSpan).count();
    table.add({"Idle, " + state + ": CPU time in 10 s (clock ticks of 1/" + std::to_string(ticksPerSecond()) + " s)",
               std::to_string(game.ticks), std::to_string(base.ticks), "–", "0 ticks",
               game.ticks == 0 ? Verdict::Met : Verdict::Missed});
    const double rate = game.switches / seconds;
    table.add({"Idle, " + state + ": wake-ups per second (context switches, all threads)", fixed(rate, 1),
               fixed(base.switches / seconds, 1), "–", "≤ 1 per s", rate <= 1.0 ? Verdict::Met : Verdict::Missed});
    table.note("Wake-ups in " + state + " by thread: game " + busiest(game) + "; baseline " + busiest(base) + ".");
}

void memoryAndIdle(Table& table, VirtualDisplay& display, const std::string& game, const std::string& baseline,
                   bool memory, bool idle, bool withSound)
{
    const Session base = baselineSession(display, baseline, idle);
    const Session played = gameSession(display, game, idle);
    if (memory) {
        table.addRatio("Memory: resident set (VmRSS) with the game window open (MiB)", played.memory.rssKb / 1024.0,
                       base.memory.rssKb / 1024.0, 1, 1.6);
        // PSS splits each shared page among the processes that map it, the benchmark
        // itself among them, so it tells more about the machine than about the game.
        const double pss = played.memory.pssKb / 1024.0, basePss = base.memory.pssKb / 1024.0;
        table.add({"Memory: proportional set (PSS), for information (MiB)", fixed(pss, 1), fixed(basePss, 1),
                   fixed(pss / basePss, 2) + "×", "", Verdict::Info});
    }
    if (idle) {
        idleRows(table, "Ready", played.ready, base.ready);
        if (played.answerSkipped.empty())
            idleRows(table, withSound ? "Follow answer, after its music and cue" : "Follow answer", played.answer,
                     base.ready);
        else
            table.add({"Idle, Follow answer", "skipped: " + played.answerSkipped, "", "", "", Verdict::Skipped});
    }
}

// ---------------------------------------------------------------------------

void timers(Table& table)
{
    struct Plan {
        int interval;
        int count;
    };
    for (const Plan plan : {Plan{1500, 10}, Plan{2001, 10}, Plan{21, 300}, Plan{1, 2000}}) {
        progress("timer at " + std::to_string(plan.interval) + " ms, " + std::to_string(plan.count) + " ticks each");
        // Both at once and on the same schedule, the limit's loop on a thread of its
        // own, so that whatever else the machine does at a tick meets both.
        const Clock::time_point start = Clock::now() + 500ms;
        Ticks limit;
        std::thread side([&limit, plan, start] { limit = absoluteSleepTicks(plan.interval, plan.count, start); });
        const Ticks qt = platformTimerTicks(plan.interval, plan.count, start);
        side.join();
        const std::string name =
            "Timer " + std::to_string(plan.interval) + " ms (" + std::to_string(plan.count) + " ticks)";
        const double qtMedian = median(qt.lateMs), limitMedian = median(limit.lateMs);
        table.add({name + ": lateness median (ms)", fixed(qtMedian, 3), fixed(limitMedian, 3),
                   fixed(qtMedian / limitMedian, 1) + "×", "", Verdict::Info});
        const double qtP99 = percentile(qt.lateMs, 99), limitP99 = percentile(limit.lateMs, 99);
        table.add({name + ": lateness p99 (ms)", fixed(qtP99, 3), fixed(limitP99, 3), fixed(qtP99 / limitP99, 1) + "×",
                   "≤ baseline + 1 ms", qtP99 <= limitP99 + 1.0 ? Verdict::Met : Verdict::Missed});
        if (plan.interval == 1)
            table.add({name + ": ticks per second", fixed(qt.perSecond, 0), fixed(limit.perSecond, 0),
                       fixed(qt.perSecond / limit.perSecond, 2) + "×", "≥ 900",
                       qt.perSecond >= 900 ? Verdict::Met : Verdict::Missed});
    }
}

void input(Table& table)
{
    constexpr int trials = 200;
    progress("input latency: " + std::to_string(trials) + " presses each, interleaved");
    const PressLatency latency = pressLatency(trials);
    table.addRatio("Input: press on a light to its repaint in black, median of " + std::to_string(trials) + " (ms)",
                   median(latency.lightMs), median(latency.pushButtonMs), 3, 2.0);
    const double lightP99 = percentile(latency.lightMs, 99), buttonP99 = percentile(latency.pushButtonMs, 99);
    table.add({"Input: press to repaint, p99 (ms)", fixed(lightP99, 3), fixed(buttonP99, 3),
               fixed(lightP99 / buttonP99, 2) + "×", "", Verdict::Info});
}

void audio(Table& table, const std::string& gameDir)
{
    constexpr int cues = 10'000;
    progress("memory over " + std::to_string(cues) + " sound cues");
    const CueMemory memory = cueMemory(gameDir, cues);
    const double grownMb = (memory.afterKb - memory.beforeKb) / 1024.0;
    table.add({"Sound: resident set grown over " + std::to_string(cues) + " cues, each opening the device (MiB)",
               fixed(grownMb, 2), "", "", "< 1 MiB", grownMb < 1.0 ? Verdict::Met : Verdict::Missed});
    table.note("Sound cues: " + std::to_string(cues) + " in " + fixed(memory.seconds, 0) + " s; resident set " +
               fixed(memory.beforeKb / 1024.0, 1) + " MiB before them, " + fixed(memory.afterKb / 1024.0, 1) +
               " MiB after.");
    progress("sound cue latency");
    const CueLatency latency = cueLatency(gameDir, 10);
    if (!latency.skipped.empty()) {
        table.add({"Sound: cue to first sound", "skipped: " + latency.skipped, "", "", "", Verdict::Skipped});
        return;
    }
    auto row = [&table](std::string figure, const std::vector<double>& game, const std::vector<double>& bare) {
        const double ms = median(game), bareMs = median(bare);
        const auto unheard = [](const std::vector<double>& v) {
            return std::count_if(v.begin(), v.end(), [](double x) { return std::isnan(x); });
        };
        if (unheard(game) || unheard(bare))
            figure += " (not heard within 5 s: " + std::to_string(unheard(game)) + " and " +
                      std::to_string(unheard(bare)) + ")";
        table.add({figure, fixed(ms, 1), fixed(bareMs, 1), fixed(ms / bareMs, 2) + "×", "≤ baseline",
                   ms <= bareMs ? Verdict::Met : Verdict::Missed});
    };
    row("Sound: first cue, to its first sound on the output, median of " + std::to_string(latency.cueMs.size()) +
            " (ms)",
        latency.cueMs, latency.bareMs);
    row("Sound: cue after " + std::to_string(latency.silenceMs / 1000.0).substr(0, 3) +
            " s of silence, to its first sound, median of " + std::to_string(latency.afterSilenceMs.size()) + " (ms)",
        latency.afterSilenceMs, latency.bareAfterSilenceMs);
    table.note("Sound spread (ms): first cue " + fixed(percentile(latency.cueMs, 0), 1) + "–" +
               fixed(percentile(latency.cueMs, 100), 1) + ", bare " + fixed(percentile(latency.bareMs, 0), 1) + "–" +
               fixed(percentile(latency.bareMs, 100), 1) + "; after silence " +
               fixed(percentile(latency.afterSilenceMs, 0), 1) + "–" +
               fixed(percentile(latency.afterSilenceMs, 100), 1) + ", bare " +
               fixed(percentile(latency.bareAfterSilenceMs, 0), 1) + "–" +
               fixed(percentile(latency.bareAfterSilenceMs, 100), 1) + ".");
}

} // namespace
} // namespace bench

int main(int argc, char** argv)
{
    using namespace bench;
    const Options options = parse(argc, argv);
    // Before anything of Qt or ALSA looks for a sound server, so that all of it finds
    // this one.
    std::unique_ptr<SoundServer> server;
    if (!options.sound.empty()) {
        progress("starting a private " + options.sound + " server");
        server = std::make_unique<SoundServer>(options.sound == "pipewire" ? SoundServer::Kind::PipeWire
                                                                           : SoundServer::Kind::PulseAudio);
        if (!server->problem().empty())
            std::cerr << "glimmerkin-bench: no sound server: " << server->problem() << "\n";
    }
    // The in-process parts need no screen; programs started for the measurements
    // get the virtual display instead.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's remarks on the offscreen platform and the missing sound server would
    // only mix with the progress lines.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtFatalMsg)
            std::cerr << text.toStdString() << std::endl;
    });
    int qtArgc = 1;
    BenchApplication application(qtArgc, argv);
    // Windows of the measurements open and close; the benchmark ends by itself.
    QApplication::setQuitOnLastWindowClosed(false);
    const std::string dir = QCoreApplication::applicationDirPath().toStdString();
    const std::string gameDir = dir + "/../bin";
    const std::string game = options.game.empty() ? gameDir + "/glimmerkin" : options.game;
    const std::string baseline = options.baseline.empty() ? dir + "/glimmerkin-bench-window" : options.baseline;
    if (access(game.c_str(), X_OK) != 0 || access(baseline.c_str(), X_OK) != 0) {
        std::cerr << "glimmerkin-bench: build the game and glimmerkin-bench-window first\n";
        return 1;
    }

    const std::string loadBefore = loadAverage();
    Table table;
    try {
        if (options.wants("startup") || options.wants("memory") || options.wants("idle")) {
            VirtualDisplay display;
            if (options.wants("startup"))
                startup(table, display, game, baseline, options.runs);
            if (options.wants("memory") || options.wants("idle"))
                memoryAndIdle(table, display, game, baseline, options.wants("memory"), options.wants("idle"),
                              server && server->problem().empty());
        }
        if (options.wants("timers"))
            timers(table);
        if (options.wants("input"))
            input(table);
        if (options.wants("audio"))
            audio(table, gameDir);
    } catch (const std::exception& e) {
        std::cerr << "glimmerkin-bench: " << e.what() << "\n";
        table.print(std::cout);
        return 1;
    }

    std::cout
        << "\nGlimmerkin benchmark: " << std::thread::hardware_concurrency() << " cores, Qt " << qVersion()
        << ", load average " << loadBefore << " before and " << loadAverage() << " after.\n"
        << "Sound: "
        << (!server                     ? std::string("no sound server started")
            : server->problem().empty() ? "a private " + server->name() + " server with a null sink"
                                        : "none (" + server->problem() + ")")
        << ".\n"
        << "Baselines: an empty Qt Widgets window (start-up, memory, idle), clock_nanosleep to absolute deadlines "
           "(timers), a bare QPushButton (input), a bare QSoundEffect (sound).\n\n";
    table.print(std::cout);
    std::cout << "\n"
              << (table.missed() ? std::to_string(table.missed()) + " goal(s) missed." : "All goals met.") << "\n";
    return 0;
}
