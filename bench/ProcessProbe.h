#pragma once

#include "Figures.h"

#include <sys/types.h>

#include <string>
#include <vector>

namespace bench {

// The benchmark's own environment pointed at an X display, for the programs it starts.
std::vector<std::string> displayEnvironment(const std::string& display);

// A program started by the benchmark on a given X display, ended when this goes.
class Child {
public:
    Child(const std::string& program, const std::string& display);
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    pid_t pid() const { return pid_; }
    // Taken just before the program was started.
    Clock::time_point started() const { return started_; }
    bool running();
    void end();

private:
    pid_t pid_ = -1;
    Clock::time_point started_;
};

struct Memory {
    long rssKb = -1;
    long pssKb = -1;
};
Memory memoryOf(pid_t pid);

// CPU time in clock ticks and context switches (voluntary and not) of each thread.
struct ThreadCost {
    int tid = 0;
    std::string name;
    long ticks = 0;
    long switches = 0;
};
struct Cost {
    long ticks = 0; // the whole process, exited threads included
    long switches = 0; // summed over the threads
    std::vector<ThreadCost> threads;
};
Cost costOf(pid_t pid);
// CPU time of all the process's threads so far, in milliseconds (from schedstat).
double cpuMs(pid_t pid);
// What the process spent between two readings; threads are listed busiest first.
Cost costBetween(const Cost& before, const Cost& after);
long ticksPerSecond();

} // namespace bench
