#pragma once

#include <QObject>

#include <functional>

namespace qtplatform {

// Turns the end of the desktop session, and on POSIX systems the termination signals
// (SIGTERM, SIGINT, SIGHUP), into one call on the UI thread, so that the program
// closes its windows the same way as when the user closes them. The session's end
// comes through Qt on every platform: the session manager on X11, the end of the
// session's message on Windows, the application's termination on macOS. A signal
// wakes the event loop through a socket pair that it watches; the signals' default
// actions come back when this object goes.
class SessionWatcher : public QObject {
    Q_OBJECT
public:
    explicit SessionWatcher(std::function<void()> onSessionEnd, QObject* parent = nullptr);
    ~SessionWatcher() override;

private:
    void fire();
    std::function<void()> onSessionEnd_;
    bool fired_ = false;
};

} // namespace qtplatform
