#pragma once

#include <QObject>

#include <chrono>
#include <functional>
#include <thread>

namespace qtplatform {

// Turns the end of the desktop session, and on POSIX systems the termination signals
// (SIGTERM, SIGINT, SIGHUP), into one call on the UI thread, so that the program
// closes its windows the same way as when the user closes them. The session's end
// comes through Qt on every platform: the session manager on X11, the end of the
// session's message on Windows, the application's termination on macOS.
//
// A signal wakes the event loop through a socket pair that it watches. A busy UI
// thread (a page whose layout takes seconds) cannot answer, so a watcher thread ends
// the program with status 128 + the signal's number if it is still running `grace`
// after the signal: the game keeps no files, so nothing is lost. The signals' default
// actions come back when this object goes.
class SessionWatcher : public QObject {
    Q_OBJECT
public:
    // Well under the second in which a desktop expects a signalled program to be gone.
    static constexpr std::chrono::milliseconds defaultGrace{750};

    explicit SessionWatcher(std::function<void()> onSessionEnd, std::chrono::milliseconds grace = defaultGrace,
                            QObject* parent = nullptr);
    ~SessionWatcher() override;

private:
    void fire();
    std::function<void()> onSessionEnd_;
    bool fired_ = false;
    std::thread deadline_;
};

} // namespace qtplatform
