#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace qtplatform {

// POSIX only: SIGTERM, SIGINT and SIGHUP become one call on the UI thread, woken
// through a socket pair that the event loop watches. The default actions come back
// when this object goes.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    TerminationSignals(std::function<void()> onSignal, QObject* parent);
    ~TerminationSignals() override;

private:
    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace qtplatform
