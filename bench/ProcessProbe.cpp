#include "ProcessProbe.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace bench {

std::vector<std::string> displayEnvironment(const std::string& display)
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (entry.rfind("DISPLAY=", 0) == 0 || entry.rfind("QT_QPA_PLATFORM=", 0) == 0 ||
            entry.rfind("WAYLAND_DISPLAY=", 0) == 0)
            continue;
        env.push_back(entry);
    }
    env.push_back("DISPLAY=" + display);
    return env;
}

Child::Child(const std::string& program, const std::string& display)
{
    std::vector<std::string> env = displayEnvironment(display);
    std::vector<char*> envp;
    for (std::string& entry : env)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string arg0 = program;
    char* argv[] = {arg0.data(), nullptr};

    // Its messages would only mix with the benchmark's.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    started_ = Clock::now();
    const int spawned = posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        pid_ = -1;
        throw std::runtime_error("cannot start " + program);
    }
}

Child::~Child() { end(); }

bool Child::running()
{
    if (pid_ <= 0)
        return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return false;
    }
    return true;
}

void Child::end()
{
    if (!running())
        return;
    kill(pid_, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (!running())
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The value of a "Key:   123 kB" line.
long field(const std::string& text, const std::string& key)
{
    std::size_t start = 0;
    if (text.rfind(key + ":", 0) != 0) {
        start = text.find("\n" + key + ":");
        if (start == std::string::npos)
            return -1;
        ++start;
    }
    return std::strtol(text.c_str() + start + key.size() + 1, nullptr, 10);
}

// utime + stime of a stat line; the name in parentheses may hold spaces.
long statTicks(const std::string& stat)
{
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos)
        return 0;
    std::istringstream rest(stat.substr(close + 2));
    std::string skip;
    for (int i = 3; i < 14; ++i)
        rest >> skip;
    long utime = 0, stime = 0;
    rest >> utime >> stime;
    return utime + stime;
}

} // namespace

Memory memoryOf(pid_t pid)
{
    const std::string base = "/proc/" + std::to_string(pid);
    return {field(readFile(base + "/status"), "VmRSS"), field(readFile(base + "/smaps_rollup"), "Pss")};
}

Cost costOf(pid_t pid)
{
    const std::string base = "/proc/" + std::to_string(pid);
    Cost cost;
    cost.ticks = statTicks(readFile(base + "/stat"));
    if (DIR* dir = opendir((base + "/task").c_str())) {
        while (dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.')
                continue;
            const std::string task = base + "/task/" + entry->d_name;
            ThreadCost thread;
            thread.tid = std::atoi(entry->d_name);
            thread.name = readFile(task + "/comm");
            if (!thread.name.empty() && thread.name.back() == '\n')
                thread.name.pop_back();
            const std::string status = readFile(task + "/status");
            thread.switches = field(status, "voluntary_ctxt_switches") + field(status, "nonvoluntary_ctxt_switches");
            thread.ticks = statTicks(readFile(task + "/stat"));
            cost.switches += thread.switches;
            cost.threads.push_back(thread);
        }
        closedir(dir);
    }
    return cost;
}

double cpuMs(pid_t pid)
{
    const std::string base = "/proc/" + std::to_string(pid) + "/task";
    double ns = 0;
    if (DIR* dir = opendir(base.c_str())) {
        while (dirent* entry = readdir(dir))
            if (entry->d_name[0] != '.')
                ns += std::strtod(readFile(base + "/" + entry->d_name + "/schedstat").c_str(), nullptr);
        closedir(dir);
    }
    return ns / 1e6;
}

Cost costBetween(const Cost& before, const Cost& after)
{
    std::map<int, ThreadCost> earlier;
    for (const ThreadCost& t : before.threads)
        earlier[t.tid] = t;
    Cost spent;
    spent.ticks = after.ticks - before.ticks;
    for (ThreadCost t : after.threads) {
        if (auto it = earlier.find(t.tid); it != earlier.end()) {
            t.ticks -= it->second.ticks;
            t.switches -= it->second.switches;
        }
        spent.switches += t.switches;
        if (t.switches > 0 || t.ticks > 0)
            spent.threads.push_back(t);
    }
    std::sort(spent.threads.begin(), spent.threads.end(),
              [](const ThreadCost& a, const ThreadCost& b) { return a.switches > b.switches; });
    return spent;
}

long ticksPerSecond() { return sysconf(_SC_CLK_TCK); }

} // namespace bench
