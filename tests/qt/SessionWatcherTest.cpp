// The termination signals end the program: through the event loop while it is free,
// and from the watcher thread while the UI thread is held outside the loop.
#include "qtplatform/SessionWatcher.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include <csignal>
#include <thread>

using namespace std::chrono_literals;

namespace {

constexpr int closedCleanly = 3;

// In the death test's own process. A busy UI thread stays out of its loop, as while a
// page is laid out; a free loop has all the time it needs. The minute only ends a run
// that the signal did not.
[[noreturn]] void signalWhile(int signal, bool busy)
{
    using qtplatform::SessionWatcher;
    SessionWatcher watcher([] { std::_Exit(closedCleanly); }, busy ? SessionWatcher::defaultGrace : 10min);
    std::raise(signal);
    if (busy) {
        std::this_thread::sleep_for(1min);
    } else {
        QTimer::singleShot(1min, [] { QCoreApplication::exit(); });
        QCoreApplication::exec();
    }
    std::_Exit(0);
}

TEST(TerminationSignal, endsTheProgramThroughAFreeLoopAndAtOnceWhileTheUiThreadIsBusy)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(signalWhile(SIGTERM, false), testing::ExitedWithCode(closedCleanly), "");
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        EXPECT_EXIT(signalWhile(signal, true), testing::ExitedWithCode(128 + signal), "") << "signal " << signal;
}

} // namespace
