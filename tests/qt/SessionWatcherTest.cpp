// The termination signals end the program: through the event loop while it is free,
// and from the watcher thread while the UI thread is held outside it.
#include "qtplatform/SessionWatcher.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <string>
#include <thread>

using namespace std::chrono_literals;

namespace {

constexpr int closedCleanly = 3;

struct SignalCase {
    const char* name;
    int signal;
    bool uiThreadBusy;
    int status;
};

// Runs in the death test's own process. A busy UI thread is one that does not return
// to its loop, like one laying out a page for minutes; a free loop is given all the
// time it needs. The minute only ends a run whose signal went unanswered.
[[noreturn]] void signalWhile(const SignalCase& row)
{
    qtplatform::SessionWatcher watcher([] { std::_Exit(closedCleanly); },
                                       row.uiThreadBusy ? qtplatform::SessionWatcher::defaultGrace : 10min);
    std::raise(row.signal);
    if (row.uiThreadBusy) {
        std::this_thread::sleep_for(1min);
    } else {
        QTimer::singleShot(1min, [] { QCoreApplication::exit(); });
        QCoreApplication::exec();
    }
    std::_Exit(0);
}

class TerminationSignal : public testing::TestWithParam<SignalCase> {};

TEST_P(TerminationSignal, endsTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(signalWhile(GetParam()), testing::ExitedWithCode(GetParam().status), "");
}

INSTANTIATE_TEST_SUITE_P(Table, TerminationSignal,
                         testing::Values(SignalCase{"TermWhileTheLoopIsFree", SIGTERM, false, closedCleanly},
                                         SignalCase{"TermWhileBusy", SIGTERM, true, 128 + SIGTERM},
                                         SignalCase{"IntWhileBusy", SIGINT, true, 128 + SIGINT},
                                         SignalCase{"HupWhileBusy", SIGHUP, true, 128 + SIGHUP}),
                         [](const testing::TestParamInfo<SignalCase>& info) { return std::string(info.param.name); });

} // namespace
