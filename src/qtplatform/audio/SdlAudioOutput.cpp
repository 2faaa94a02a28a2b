#include "SdlAudioOutput.h"

#include "SoundDevice.h"
#include "platform/RegularFile.h"
#include "qtplatform/QtPlatform.h"
#include "sound/MediaPage.h"

#include <QGuiApplication>
#include <QPluginLoader>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#ifdef GLIMMERKIN_HAVE_POSIX_SIGNALS
#include <csignal>
#include <pthread.h>
#endif

namespace qtplatform {

namespace {

using namespace std::chrono_literals;

// The longest the first sound waits for the first window to be drawn.
constexpr auto windowPatience = 1s;
// The longest the output's end waits for its thread. A device that takes no more sound
// can hold the thread for good: SDL 2.26's PulseAudio driver, closing, waits for the
// server to ask for more, which a stalled stream never does.
constexpr int quitPatienceMs = 5000;
// Silence sent after a sound before its device closes: by then what the device and the
// sound server held of it has been heard.
constexpr unsigned tailMilliseconds = 200;

// The outputs' threads still running. Never destroyed: a thread left to its device may
// outlive the program's statics.
struct Running {
    std::mutex mutex;
    std::condition_variable changed;
    int count = 0;
};
Running& running = *new Running;

} // namespace

// The requests play() and stop() leave, the thread that takes them, and the sound that
// SDL's device thread is sending.
struct SdlAudioOutput::Worker : std::enable_shared_from_this<Worker> {
    std::string appName;
    std::string streamName;
    std::string moduleDirectory;

    std::mutex mutex;
    std::condition_variable wake; // a request, a sound heard to its end, a window drawn, or quit
    std::condition_variable done; // the thread has caught up
    // Guarded by mutex:
    std::uint64_t requested = 0; // number of the latest request
    std::uint64_t settled = 0; // number of the last request that plays or came to nothing
    std::uint64_t playing = 0; // number of the sound playing, 0 for none
    std::uint64_t heard = 0; // number of the last sound heard to its end
    struct Request {
        std::string file; // empty for a stop
        bool loop = false;
        const void* owner = nullptr; // the channel that asked, null for the output
        bool release = false; // lets SDL's audio go too
    } latest;
    bool windowPending = false;
    bool quit = false;
    bool finished = false; // the thread is done with the sound system
    std::thread thread; // started by the first play

    // Used by the thread only:
    std::unique_ptr<SoundDevice> device;
    std::optional<SoundDevice::Layout> openLayout;

    // The sound being sent, guarded by trackMutex.
    std::mutex trackMutex;
    struct Track {
        std::string samples; // with a tail of silence, unless it loops
        std::size_t at = 0;
        bool loop = false;
        char silence = 0;
        std::uint64_t number = 0; // until it has been heard to its end
    } track;

    bool superseded(std::uint64_t number) const { return quit || requested != number; }

    template<typename Ready>
    bool waitFor(int timeoutMs, Ready ready)
    {
        std::unique_lock lock(mutex);
        return done.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready);
    }

    // Leaves a request for the thread, starting it at the first play. A stop from a
    // channel is dropped unless that channel asked for the latest sound.
    void post(const std::string& soundFile, bool repeat, const void* from, bool letGo = false)
    {
        {
            std::lock_guard lock(mutex);
            if (quit || (soundFile.empty() && (!thread.joinable() || (from && latest.owner != from))))
                return;
            latest = {soundFile, repeat, from, letGo};
            ++requested;
            if (!thread.joinable()) {
                std::lock_guard count(running.mutex);
                ++running.count;
                thread = std::thread([self = shared_from_this()] {
                    self->run();
                    std::lock_guard count(running.mutex);
                    --running.count;
                    running.changed.notify_all();
                });
            }
        }
        wake.notify_all();
    }

    void run()
    {
#ifdef GLIMMERKIN_HAVE_POSIX_SIGNALS
        // Signals are the UI thread's, which turns them into a close; SDL's threads,
        // started from here, inherit this.
        sigset_t all;
        sigfillset(&all);
        pthread_sigmask(SIG_BLOCK, &all, nullptr);
#endif
        std::unique_lock lock(mutex);
        for (;;) {
            done.notify_all();
            wake.wait(lock, [this] { return quit || requested != settled || (playing != 0 && heard == playing); });
            if (quit)
                break;
            // A request, or a sound heard to its end with nothing after it: then the
            // device closes, so that nothing of the sound runs while the game is quiet.
            const std::uint64_t number = requested;
            const Request request = requested != settled ? latest : Request{};
            lock.unlock();
            const bool started = !request.file.empty() && start(request, number);
            if (!started)
                closeDevice(request.release);
            lock.lock();
            playing = started ? number : 0;
            settled = number;
        }
        lock.unlock();
        device.reset(); // SDL let go, and whatever the last device leaves
        lock.lock();
        finished = true;
        done.notify_all();
    }

    // Sends the request's sound to the device, opening it for the sound's layout where it
    // is closed or open for another. False if nothing plays.
    bool start(const Request& request, std::uint64_t number)
    {
        {
            std::unique_lock lock(mutex);
            wake.wait_for(lock, windowPatience, [&] { return !windowPending || superseded(number); });
            if (superseded(number))
                return false;
            windowPending = false;
        }
        if (!device) {
            // The module with SDL, loaded once and never let go: its devices and SDL's
            // threads may outlive the application object.
            static SoundDeviceFactory* const module = [this] {
                QPluginLoader loader(QString::fromStdString(moduleDirectory) + QStringLiteral("/glimmerkin-sound"));
                loader.setLoadHints(QLibrary::PreventUnloadHint);
                return qobject_cast<SoundDeviceFactory*>(loader.instance());
            }();
            if (!module)
                return false;
            device = module->create(appName, streamName);
        }
        // Read here only, once per cue: a regular file within the size cap that SDL reads
        // as a WAV of one frame or more.
        Track next;
        SoundDevice::Layout layout;
        const auto bytes = platform::readRegularFile(request.file, sound::maxSoundBytes);
        if (!bytes || !device->decode(*bytes, layout, next.samples))
            return false;
        next.loop = request.loop;
        next.silence = layout.sample == SoundDevice::Sample::U8 ? '\x80' : '\0';
        next.number = number;
        if (!request.loop)
            next.samples.append(std::size_t{layout.rate} * tailMilliseconds / 1000 * layout.frameBytes(), next.silence);
        if (openLayout != layout)
            closeDevice(false);
        {
            std::lock_guard lock(trackMutex);
            std::swap(track, next);
        }
        if (!openLayout) {
            {
                std::lock_guard lock(mutex);
                if (superseded(number))
                    return false;
            }
            if (!device->open(layout, &Worker::fill, this))
                return false;
            openLayout = layout;
        }
        return true;
    }

    void closeDevice(bool letGo)
    {
        if (device)
            device->close(letGo);
        openLayout.reset();
    }

    // On SDL's device thread: the next `length` bytes of the sound.
    static void fill(void* self, unsigned char* out, int length)
    {
        auto& worker = *static_cast<Worker*>(self);
        std::lock_guard lock(worker.trackMutex);
        Track& track = worker.track;
        auto size = static_cast<std::size_t>(length);
        while (size > 0 && track.at < track.samples.size()) {
            const std::size_t part = std::min(size, track.samples.size() - track.at);
            std::memcpy(out, track.samples.data() + track.at, part);
            out += part;
            size -= part;
            track.at += part;
            if (track.loop && track.at == track.samples.size())
                track.at = 0;
        }
        std::memset(out, track.silence, size);
        if (track.number != 0 && track.at == track.samples.size()) {
            {
                std::lock_guard heardLock(worker.mutex);
                worker.heard = std::exchange(track.number, 0);
            }
            worker.wake.notify_all();
        }
    }
};

namespace {

// One control's view of the output.
class Channel : public platform::AudioOutput {
public:
    explicit Channel(std::shared_ptr<SdlAudioOutput::Worker> worker) : worker_(std::move(worker)) {}
    // Its control goes with its window: where the last sound was its own, SDL's audio
    // is let go as well, and what the sound libraries hold with it, until the next cue.
    ~Channel() override { worker_->post({}, false, this, true); }
    Channel(const Channel&) = delete;
    Channel& operator=(const Channel&) = delete;
    void play(const std::string& soundFile, bool loop) override { worker_->post(soundFile, loop, this); }
    void stop() override { worker_->post({}, false, this); }

private:
    std::shared_ptr<SdlAudioOutput::Worker> worker_;
};

} // namespace

SdlAudioOutput::SdlAudioOutput(const std::string& moduleDirectory) : worker_(std::make_shared<Worker>())
{
    worker_->appName = QGuiApplication::applicationName().toStdString();
    // What the mixer shows beside the game's name.
    worker_->streamName = QCoreApplication::translate("SdlAudioOutput", "Game sounds").toStdString();
    worker_->moduleDirectory = moduleDirectory.empty() ? programDirectory().toStdString() : moduleDirectory;
    // PipeWire's and PulseAudio's client libraries take the stream's role and icon from
    // the environment (SDL has no hint for the icon): set by the first output, before
    // any sound thread exists.
    static const bool named = [] {
        QByteArray properties = "media.role=game";
        if (const QString icon = QGuiApplication::desktopFileName(); !icon.isEmpty())
            properties += " application.icon_name=" + icon.toUtf8();
        qputenv("PULSE_PROP", properties);
        return qputenv("PIPEWIRE_PROPS", properties);
    }();
    static_cast<void>(named);
}

SdlAudioOutput::~SdlAudioOutput()
{
    {
        std::lock_guard lock(worker_->mutex);
        worker_->quit = true;
        worker_->wake.notify_all();
    }
    if (!worker_->thread.joinable())
        return;
    if (worker_->waitFor(quitPatienceMs, [&worker = *worker_] { return worker.finished; }))
        worker_->thread.join();
    else
        worker_->thread.detach(); // it holds the worker until it is done
}

void SdlAudioOutput::play(const std::string& soundFile, bool loop) { worker_->post(soundFile, loop, nullptr); }

void SdlAudioOutput::stop() { worker_->post({}, false, nullptr); }

void SdlAudioOutput::setWindowPending(bool pending)
{
    std::lock_guard lock(worker_->mutex);
    worker_->windowPending = pending;
    worker_->wake.notify_all();
}

std::unique_ptr<platform::AudioOutput> SdlAudioOutput::channel() { return std::make_unique<Channel>(worker_); }

bool SdlAudioOutput::waitUntilStarted(int timeoutMs)
{
    return worker_->waitFor(timeoutMs,
                            [&worker = *worker_] { return worker.quit || worker.settled == worker.requested; });
}

bool SdlAudioOutput::waitUntilIdle(int timeoutMs)
{
    return worker_->waitFor(timeoutMs,
                            [&worker = *worker_] { return worker.playing == 0 && worker.settled == worker.requested; });
}

bool SdlAudioOutput::waitUntilAllEnded(int timeoutMs)
{
    std::unique_lock lock(running.mutex);
    return running.changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [] { return running.count == 0; });
}

} // namespace qtplatform
