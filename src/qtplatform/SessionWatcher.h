#pragma once

#include <QObject>

#include <chrono>
#include <functional>
#include <thread>

namespace qtplatform {

// Turns the end of the desktop session (through Qt, on every platform) and, on POSIX
// systems, SIGTERM, SIGINT and SIGHUP into one call on the UI thread, so that the program
// closes its windows as when the user closes them.
//
// A signal wakes the event loop through a socket pair. A UI thread held outside its loop
// (a page whose layout takes seconds) cannot answer, so a watcher thread ends the program
// with status 128 + the signal's number if it still runs `grace` after the signal: the
// game keeps no files. The signals' default actions come back when this object goes.
class SessionWatcher : public QObject {
    Q_OBJECT
public:
    // Well under the second in which a desktop expects a signalled program to be gone.
    static constexpr std::chrono::milliseconds defaultGrace{750};

    explicit SessionWatcher(std::function<void()> onSessionEnd, std::chrono::milliseconds grace = defaultGrace);
    ~SessionWatcher() override;

private:
    void fire();
    std::function<void()> onSessionEnd_;
    bool fired_ = false;
    std::thread deadline_;
};

} // namespace qtplatform
