#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace qtplatform {

// Turns the end of the desktop session and the termination signals (SIGTERM,
// SIGINT, SIGHUP) into one call on the UI thread, so that the program closes its
// windows the same way as when the user closes them.
class SessionWatcher : public QObject {
    Q_OBJECT
public:
    explicit SessionWatcher(std::function<void()> onSessionEnd, QObject* parent = nullptr);
    ~SessionWatcher() override;

private:
    void fire();
    std::function<void()> onSessionEnd_;
    QSocketNotifier* notifier_ = nullptr;
    bool fired_ = false;
};

} // namespace qtplatform
