#pragma once

#include "Figures.h"

#include <QApplication>

#include <functional>
#include <string>
#include <vector>

namespace bench {

// The benchmark's own application object: it can watch each event after it has
// been handled, which is when a paint is done.
class BenchApplication : public QApplication {
    Q_OBJECT
public:
    BenchApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
    std::function<void(QObject*, QEvent*)> afterEvent;
};

// Lateness of each tick behind its place in the schedule (start + k × interval),
// in milliseconds, and the ticks delivered per second.
struct Ticks {
    std::vector<double> lateMs;
    double perSecond = 0;
};
// Both start their schedule at `start`, which lies a little ahead.
// Through the platform layer: a timer control on a small window of the Qt adapter.
Ticks platformTimerTicks(int intervalMs, int count, Clock::time_point start);
// The system's limit: a loop of sleeps to absolute deadlines (clock_nanosleep).
Ticks absoluteSleepTicks(int intervalMs, int count, Clock::time_point start);

// From a mouse press to the end of the repaint that shows it, in milliseconds:
// on a light of the game window (turning black) and on a bare QPushButton.
struct PressLatency {
    std::vector<double> lightMs;
    std::vector<double> pushButtonMs;
};
PressLatency pressLatency(int trials);

// Where the Start caption of the game window lies, relative to the window's inner
// area, with that area's size.
struct Spot {
    int x = 0, y = 0, windowWidth = 0, windowHeight = 0;
};
Spot startCaptionSpot();

// From a sound cue (a media page request) to the sound heard on the output's
// monitor, against a bare QSoundEffect of the same sound: the first cue of a fresh
// output, and a cue of an output that has been silent for silenceMs, by when the
// game's has closed its device (the usual case in play), against the same
// QSoundEffect played again after as long. Skipped without an audio device.
struct CueLatency {
    std::string skipped; // why, when skipped
    std::vector<double> cueMs;
    std::vector<double> bareMs;
    int silenceMs = 0;
    std::vector<double> afterSilenceMs;
    std::vector<double> bareAfterSilenceMs;
};
CueLatency cueLatency(const std::string& gameDir, int trials);

// The benchmark's resident set before and after `cues` cues of the game's sound
// output, each started on the device (or come to nothing, without one) and then
// stopped, so that each opens and closes the device; after a first hundred, which
// let the sound libraries settle.
struct CueMemory {
    long beforeKb = 0;
    long afterKb = 0;
    int cues = 0;
    double seconds = 0;
};
CueMemory cueMemory(const std::string& gameDir, int cues);

} // namespace bench
