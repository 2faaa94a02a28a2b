#include "SoundServer.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <thread>

extern char** environ;

namespace bench {

namespace {

using namespace std::chrono_literals;

bool onPath(const std::string& program)
{
    const char* path = getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    for (std::size_t at = 0; at <= dirs.size();) {
        const std::size_t end = std::min(dirs.find(':', at), dirs.size());
        if (access((dirs.substr(at, end - at) + "/" + program).c_str(), X_OK) == 0)
            return true;
        at = end + 1;
    }
    return false;
}

// Starts a command with its output discarded (its messages would only mix with the
// benchmark's); its process id, or -1.
pid_t spawnQuiet(const std::vector<std::string>& args)
{
    std::vector<std::string> copy = args;
    std::vector<char*> argv;
    for (std::string& a : copy)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    // The server's programs run without the client properties a game in this process
    // may have set for its own streams: PipeWire gives PIPEWIRE_PROPS to every context
    // a program makes, the session manager's and the PulseAudio server's included.
    std::vector<char*> env;
    for (char** e = environ; *e; ++e) {
        const std::string_view entry(*e);
        if (!entry.starts_with("PIPEWIRE_PROPS=") && !entry.starts_with("PULSE_PROP="))
            env.push_back(*e);
    }
    env.push_back(nullptr);
    pid_t pid = -1;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), env.data());
    posix_spawn_file_actions_destroy(&actions);
    return spawned == 0 ? pid : -1;
}

// Runs a command to its end, its output discarded; true when it succeeded.
bool run(const std::vector<std::string>& args)
{
    const pid_t pid = spawnQuiet(args);
    if (pid < 0)
        return false;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

SoundServer::SoundServer(Kind kind) : kind_(kind)
{
    const std::vector<std::string> programs =
        kind == Kind::PulseAudio
            ? std::vector<std::string>{"pulseaudio", "pactl", "dbus-daemon"}
            : std::vector<std::string>{"pipewire", "wireplumber", "pipewire-pulse", "pactl", "dbus-daemon"};
    for (const std::string& program : programs)
        if (!onPath(program)) {
            problem_ = program + " is not installed";
            return;
        }

    char pattern[] = "/tmp/glimmerkin-bench-sound.XXXXXX";
    if (!mkdtemp(pattern)) {
        problem_ = "no directory for the sound server";
        return;
    }
    dir_ = pattern;
    std::filesystem::create_directories(dir_ + "/pulse");
    // The server's own session: nothing of it reaches the machine's, and nothing
    // that looks for a session bus starts one of its own.
    setenv("XDG_RUNTIME_DIR", dir_.c_str(), 1);
    setenv("PULSE_RUNTIME_PATH", (dir_ + "/pulse").c_str(), 1);
    setenv("PULSE_SERVER", ("unix:" + dir_ + "/pulse/native").c_str(), 1);
    setenv("PULSE_COOKIE", (dir_ + "/pulse/cookie").c_str(), 1);
    setenv("PIPEWIRE_RUNTIME_DIR", dir_.c_str(), 1);
    // The session manager keeps its state there, not in the home directory.
    setenv("XDG_STATE_HOME", (dir_ + "/state").c_str(), 1);
    const std::string bus = "unix:path=" + dir_ + "/bus";
    if (!spawn({"dbus-daemon", "--session", "--nofork", "--nopidfile", "--address=" + bus})) {
        problem_ = "the session bus did not start";
        return;
    }
    setenv("DBUS_SESSION_BUS_ADDRESS", bus.c_str(), 1);
    for (int i = 0; i < 100 && !std::filesystem::exists(dir_ + "/bus"); ++i)
        std::this_thread::sleep_for(20ms);

    if (kind == Kind::PulseAudio) {
        // ALSA's default device reaches it through libasound2-plugins; pipewire-alsa,
        // which would lead it elsewhere, is never installed beside pulseaudio.
        const std::string config = dir_ + "/default.pa";
        std::ofstream(config) << "load-module module-native-protocol-unix auth-anonymous=1 socket=" << dir_
                              << "/pulse/native\n";
        if (!spawn({"pulseaudio", "--daemonize=no", "--use-pid-file=no", "--exit-idle-time=-1", "--disallow-exit",
                    "--log-target=stderr", "-n", "-F", config})) {
            problem_ = "pulseaudio did not start";
            return;
        }
    } else {
        // The session manager and the PulseAudio side give up at once when PipeWire
        // is not answering yet, so they start once its socket is there.
        const bool started = spawn({"pipewire"}) && [this] {
            for (int i = 0; i < 250 && !std::filesystem::exists(dir_ + "/pipewire-0"); ++i)
                std::this_thread::sleep_for(20ms);
            return std::filesystem::exists(dir_ + "/pipewire-0");
        }();
        if (!started || !spawn({"wireplumber"}) || !spawn({"pipewire-pulse"})) {
            problem_ = "pipewire did not start";
            return;
        }
    }
    if (!waitUntilAnswering()) {
        problem_ = name() + " did not answer";
        return;
    }
    // Never suspended when idle, so that a cue after a silence is heard as soon as
    // it is played, on either server.
    std::vector<std::string> load{"pactl", "load-module", "module-null-sink", "sink_name=bench", "rate=48000"};
    if (kind_ == Kind::PipeWire)
        load.push_back("sink_properties=session.suspend-timeout-seconds=0");
    // The PulseAudio side may answer a moment before it takes modules, and the sink
    // may be named a moment after it has been loaded: both are tried again for a while.
    bool loaded = false, chosen = false;
    for (int i = 0; i < 50 && !chosen; ++i) {
        loaded = loaded || run(load);
        chosen = loaded && run({"pactl", "set-default-sink", "bench"});
        if (!chosen)
            std::this_thread::sleep_for(100ms);
    }
    if (!chosen) {
        problem_ = "no null sink on " + name();
        return;
    }
    // The sink is ready once the server names it as its default.
    for (int i = 0; i < 100; ++i) {
        if (run({"sh", "-c", "pactl get-default-sink | grep -qx bench && pactl list short sinks | grep -q bench"}))
            return;
        std::this_thread::sleep_for(50ms);
    }
    problem_ = "the null sink did not appear on " + name();
}

SoundServer::~SoundServer() { stop(); }

std::string SoundServer::name() const { return kind_ == Kind::PulseAudio ? "PulseAudio" : "PipeWire"; }

bool SoundServer::spawn(const std::vector<std::string>& args)
{
    const pid_t pid = spawnQuiet(args);
    if (pid < 0)
        return false;
    pids_.push_back(pid);
    return true;
}

bool SoundServer::waitUntilAnswering()
{
    for (int i = 0; i < 200; ++i) {
        if (run({"pactl", "info"}))
            return true;
        std::this_thread::sleep_for(50ms);
    }
    return false;
}

void SoundServer::stop()
{
    // The last started first: the PulseAudio server, the session manager, the
    // server, the bus.
    for (auto it = pids_.rbegin(); it != pids_.rend(); ++it) {
        kill(*it, SIGTERM);
        int status = 0;
        bool ended = false;
        for (int i = 0; i < 100 && !ended; ++i) {
            ended = waitpid(*it, &status, WNOHANG) == *it;
            if (!ended)
                std::this_thread::sleep_for(20ms);
        }
        if (!ended) {
            kill(*it, SIGKILL);
            waitpid(*it, &status, 0);
        }
    }
    pids_.clear();
    if (!dir_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
}

} // namespace bench
