#include "SdlAudioOutput.h"

#include "FirstFrame.h"
#include "SoundDevice.h"
#include "platform/RegularFile.h"
#include "qtplatform/QtPlatform.h"
#include "sound/MediaPage.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QPluginLoader>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <thread>

#if __has_include(<pthread.h>)
#include <pthread.h>
#include <signal.h>
#endif

namespace qtplatform {

namespace {

using namespace std::chrono_literals;

// The longest the first sound waits for the program's first window.
constexpr auto firstFrameCap = 1000ms;
constexpr auto firstFramePoll = 5ms;
// How long the program's end waits for the sound thread to let the device go. A device
// that has stopped taking sound can hold it there for good: SDL 2.26's PulseAudio
// driver, closing, waits for the server to ask for more, which a stalled stream never
// does. The thread is then left to it, and the program still ends.
constexpr auto quitPatience = 5s;
// Silence sent after a sound's last sample before its device is closed: by then what
// the device and the sound server held of it has been heard.
constexpr unsigned tailMilliseconds = 200;
// The device's buffer, at least this long: a new sound follows a cut this soon.
constexpr unsigned bufferMilliseconds = 10;

// The players' threads still running, with the output that ended before them. Never
// destroyed: a thread left to its device may outlive the program's statics.
struct Running {
    std::mutex mutex;
    std::condition_variable changed;
    int count = 0;
};
Running& running = *new Running;

// The module with SDL, loaded once by the first output that plays and never let go.
SoundDeviceFactory* soundModule(const std::string& directory)
{
    static std::mutex mutex;
    static SoundDeviceFactory* factory = nullptr;
    static bool tried = false;
    std::lock_guard lock(mutex);
    if (!tried) {
        tried = true;
        QPluginLoader module(QString::fromStdString(directory) + QStringLiteral("/glimmerkin-sound"));
        // Its devices and SDL's threads may outlive the application object.
        module.setLoadHints(QLibrary::PreventUnloadHint);
        factory = qobject_cast<SoundDeviceFactory*>(module.instance());
    }
    return factory;
}

unsigned sampleBytes(SoundDevice::Sample sample)
{
    return sample == SoundDevice::Sample::U8 ? 1 : sample == SoundDevice::Sample::S16 ? 2 : 4;
}

// The client libraries of PipeWire and PulseAudio take the stream's role and icon from
// their environment (SDL has hints for the role but none for the icon). Set once, by
// the program's first output on the UI thread, before any sound thread exists.
void nameStreams()
{
    static std::once_flag once;
    std::call_once(once, [] {
        QByteArray properties = "media.role=game";
        const QString icon = QGuiApplication::desktopFileName();
        if (!icon.isEmpty())
            properties += " application.icon_name=" + icon.toUtf8();
        qputenv("PULSE_PROP", properties);
        qputenv("PIPEWIRE_PROPS", properties);
    });
}

} // namespace

// What play() and stop() leave for the player's thread, the thread's loop, and the
// sound the device's thread is sending.
struct SdlAudioOutput::Worker : std::enable_shared_from_this<Worker> {
    Worker(std::string application, std::string stream, std::string directory)
        : appName(std::move(application)), streamName(std::move(stream)), moduleDirectory(std::move(directory))
    {}
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    const std::string appName;
    const std::string streamName;
    const std::string moduleDirectory;

    std::mutex mutex;
    std::condition_variable wake; // a new request, a sound heard to its end, or quit
    std::condition_variable done; // the player has caught up
    // Guarded by mutex:
    std::uint64_t requested = 0; // number of the latest request
    std::uint64_t taken = 0; // number of the request the player is on
    std::uint64_t settled = 0; // number of the last request playing or come to nothing
    std::uint64_t heard = 0; // number of the last sound heard to its end
    bool busy = false;
    bool quit = false;
    bool finished = false; // the thread is done with the sound system
    std::string file; // of the latest request; empty for a stop
    bool loop = false;
    std::uint64_t owner = 0; // the channel of the latest request, 0 for the output itself
    bool letGo = false; // the latest request lets SDL's audio go too
    std::uint64_t channels = 0; // channels made
    std::thread thread; // started by the first play
    // The latest request's number, read without the lock while the player waits for
    // the first window.
    std::atomic<std::uint64_t> latest{0};

    // Used by the player's thread only:
    std::unique_ptr<SoundDevice> output; // made when the first sound plays
    bool open = false;
    SoundDevice::Layout layout;
    char silence = 0;

    // The sound being sent; guarded by the device's lock.
    struct Track {
        std::string samples;
        std::size_t at = 0;
        bool loop = false;
        std::size_t silenceSent = 0; // bytes of silence since its end
        std::size_t tailBytes = 0;
        std::uint64_t number = 0;
        bool heard = false;
    } track;

    bool pending() const { return quit || requested != taken; }

    // Leaves a request for the thread, starting it at the first play. A stop from a
    // channel is dropped unless that channel asked for the latest sound; `release`
    // lets SDL's audio go after it.
    void post(std::string soundFile, bool repeat, bool play, std::uint64_t from, bool release = false)
    {
        {
            std::lock_guard lock(mutex);
            if (quit || (!play && (!thread.joinable() || (from != 0 && owner != from))))
                return;
            file = play ? std::move(soundFile) : std::string{};
            loop = repeat;
            owner = from;
            letGo = release;
            requested += 1;
            latest.store(requested, std::memory_order_release);
            if (!thread.joinable()) {
                {
                    std::lock_guard count(running.mutex);
                    ++running.count;
                }
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
#if __has_include(<pthread.h>)
        // Signals are for the UI thread, which turns them into a close; SDL's own
        // threads, started from here, inherit this.
        sigset_t all;
        sigfillset(&all);
        pthread_sigmask(SIG_BLOCK, &all, nullptr);
#endif
        std::unique_lock lock(mutex);
        std::uint64_t playing = 0; // number of the sound playing, 0 for none
        for (;;) {
            busy = playing != 0 || pending();
            if (!busy)
                done.notify_all();
            wake.wait(lock, [&] { return pending() || (playing != 0 && heard == playing); });
            if (quit)
                break;
            if (!pending()) {
                // Heard to its end with nothing after it: the device is closed, so
                // that nothing of the sound runs while the game is quiet.
                lock.unlock();
                closeDevice();
                lock.lock();
                playing = 0;
                continue;
            }
            // Busy from the moment it is taken, so that whoever waits for idleness
            // never sees a request taken and not yet played.
            taken = requested;
            busy = true;
            const std::uint64_t number = taken;
            const std::string sound = file;
            const bool repeat = loop;
            const bool release = letGo;
            lock.unlock();
            const bool started = !sound.empty() && start(sound, repeat, number);
            if (release && output) {
                output->release();
                open = false;
            } else if (!started) {
                closeDevice();
            }
            lock.lock();
            playing = started ? number : 0;
            settled = number;
            done.notify_all();
        }
        lock.unlock();
        output.reset(); // SDL let go, and whatever the last device leaves
        lock.lock();
        finished = true;
        done.notify_all();
    }

    bool interrupted(std::uint64_t number) const { return latest.load(std::memory_order_acquire) != number; }

    // Sends `path` to the device, opening it for the sound's layout where it is
    // closed or set up for another. False if nothing plays.
    bool start(const std::string& path, bool repeat, std::uint64_t number)
    {
        // The first sound of the program begins as its window appears, not before:
        // starting SDL's audio then would only slow the window down. Looked at every
        // few milliseconds, so that a stop or quit still gets through at once.
        for (auto waited = 0ms; !firstFrame::isDrawn() && waited < firstFrameCap; waited += firstFramePoll) {
            if (interrupted(number))
                return false;
            std::unique_lock lock(mutex);
            wake.wait_for(lock, firstFramePoll, [&] { return quit || requested != number; });
        }
        if (!output) {
            SoundDeviceFactory* module = soundModule(moduleDirectory);
            if (!module)
                return false;
            output = module->create(appName, streamName);
        }
        // Read here only, once per cue: a regular file within the size cap that SDL
        // reads as a WAV of one frame or more.
        Track next;
        SoundDevice::Layout wanted;
        {
            const auto bytes = platform::readRegularFile(path, sound::maxSoundBytes);
            if (!bytes || !output->decode(*bytes, wanted, next.samples))
                return false;
        }
        const SoundDevice::Sample sample = wanted.sample;
        next.loop = repeat;
        next.tailBytes = std::size_t{wanted.rate} * tailMilliseconds / 1000 * sampleBytes(sample) * wanted.channels;
        next.number = number;

        const bool sameLayout = open && layout == wanted;
        if (!sameLayout) {
            closeDevice();
            unsigned bufferFrames = 1;
            while (bufferFrames < wanted.rate * bufferMilliseconds / 1000)
                bufferFrames *= 2;
            if (interrupted(number) || !output->open(wanted, bufferFrames, &Worker::fill, this))
                return false;
            open = true;
            layout = wanted;
            silence = sample == SoundDevice::Sample::U8 ? '\x80' : '\0';
        }
        output->lock();
        std::swap(track, next);
        output->unlock();
        if (!sameLayout)
            output->resume();
        return true;
    }

    // Closes the device; the next sound opens it again.
    void closeDevice()
    {
        if (output)
            output->close();
        open = false;
    }

    // On SDL's device thread: the next `length` bytes of the sound.
    static void fill(void* self, unsigned char* out, int length)
    {
        auto& worker = *static_cast<Worker*>(self);
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
        if (size == 0)
            return;
        std::memset(out, worker.silence, size);
        track.silenceSent += size;
        if (!track.heard && track.silenceSent >= track.tailBytes) {
            track.heard = true;
            {
                std::lock_guard lock(worker.mutex);
                worker.heard = track.number;
            }
            worker.wake.notify_all();
        }
    }
};

namespace {

// One control's view of the output.
class Channel : public platform::AudioOutput {
public:
    Channel(std::shared_ptr<SdlAudioOutput::Worker> worker, std::uint64_t id) : worker_(std::move(worker)), id_(id) {}
    // Its control goes with its window: where the last sound was its own, SDL's audio
    // is let go as well, and what the sound libraries hold with it, until the next cue.
    ~Channel() override { worker_->post({}, false, false, id_, true); }
    Channel(const Channel&) = delete;
    Channel& operator=(const Channel&) = delete;
    void play(const std::string& soundFile, bool loop) override { worker_->post(soundFile, loop, true, id_); }
    void stop() override { worker_->post({}, false, false, id_); }

private:
    std::shared_ptr<SdlAudioOutput::Worker> worker_;
    std::uint64_t id_;
};

} // namespace

SdlAudioOutput::SdlAudioOutput(const std::string& moduleDirectory)
    : worker_(std::make_shared<Worker>(QGuiApplication::applicationName().toStdString(),
                                       // What the mixer shows beside the game's name.
                                       QCoreApplication::translate("SdlAudioOutput", "Game sounds").toStdString(),
                                       moduleDirectory.empty() ? programDirectory().toStdString() : moduleDirectory))
{
    nameStreams();
}

SdlAudioOutput::~SdlAudioOutput()
{
    std::thread thread;
    {
        std::lock_guard lock(worker_->mutex);
        worker_->quit = true;
        worker_->latest.fetch_add(1, std::memory_order_release);
        thread = std::move(worker_->thread);
    }
    worker_->wake.notify_all();
    if (!thread.joinable())
        return;
    bool finished = false;
    {
        std::unique_lock lock(worker_->mutex);
        finished = worker_->done.wait_for(lock, quitPatience, [this] { return worker_->finished; });
    }
    if (finished)
        thread.join();
    else
        thread.detach(); // it holds the worker until it is done
}

void SdlAudioOutput::play(const std::string& soundFile, bool loop) { worker_->post(soundFile, loop, true, 0); }

void SdlAudioOutput::stop() { worker_->post({}, false, false, 0); }

std::unique_ptr<platform::AudioOutput> SdlAudioOutput::channel()
{
    std::uint64_t id = 0;
    {
        std::lock_guard lock(worker_->mutex);
        id = ++worker_->channels;
    }
    return std::make_unique<Channel>(worker_, id);
}

bool SdlAudioOutput::waitUntilAllEnded(int timeoutMs)
{
    std::unique_lock lock(running.mutex);
    return running.changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [] { return running.count == 0; });
}

bool SdlAudioOutput::waitUntilStarted(int timeoutMs)
{
    std::unique_lock lock(worker_->mutex);
    return worker_->done.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                  [this] { return worker_->quit || worker_->settled == worker_->requested; });
}

bool SdlAudioOutput::waitUntilIdle(int timeoutMs)
{
    std::unique_lock lock(worker_->mutex);
    return worker_->done.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                  [this] { return !worker_->busy && worker_->requested == worker_->taken; });
}

} // namespace qtplatform
