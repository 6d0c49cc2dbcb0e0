#include "sound/QtSoundPlayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QIODevice>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace mirel {

using Clock = std::chrono::steady_clock;

// What passes between the caller and the output thread.
struct SoundHandOver {
    std::mutex mutex;
    std::condition_variable changed;

    // The sound the output plays next: the newest asked for that it has not taken yet.
    std::shared_ptr<const SoundClip> next;
    std::uint64_t nextTicket = 0;
    bool posted = false; // a call to take it is on its way to the output thread
    std::uint64_t lastTicket = 0;

    // What became of the newest sound the output took.
    std::uint64_t outcomeTicket = 0;
    bool started = false;
    Clock::time_point startedAt;

    // When the output went into the audio library, while it is in there (in steady-clock
    // ticks; 0 when it is not). Read without the lock.
    std::atomic<Clock::rep> inAudioSince{0};

    // Opening a stream just as the server dies can leave Qt's sink waiting for ever for the
    // stream to come up. Nothing the output thread is asked afterwards is done.
    bool outputStuck() const {
        const Clock::rep since = inAudioSince.load();
        return since != 0 && Clock::now().time_since_epoch().count() - since >
                                 std::chrono::duration_cast<Clock::duration>(StuckAfter).count();
    }
    static constexpr std::chrono::milliseconds StuckAfter{1500};
};

namespace {

// Between the output being started and the first samples reaching the server: the sink
// feeds itself on a 20 ms timer, and the server buffers a little before it plays.
constexpr std::chrono::milliseconds StartLatency{20};

// A clip as a read-only device for the sink to pull from; it keeps the clip alive.
class ClipDevice final : public QIODevice {
public:
    ClipDevice(std::shared_ptr<const SoundClip> clip, QObject* parent)
        : QIODevice(parent), clip(std::move(clip)) {
        open(QIODevice::ReadOnly);
    }
    qint64 size() const override { return qint64(clip->samples.size() * sizeof(float)); }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 count = std::clamp<qint64>(size() - pos(), 0, maxSize);
        std::memcpy(data, reinterpret_cast<const char*>(clip->samples.data()) + pos(),
                    std::size_t(count));
        return count;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    std::shared_ptr<const SoundClip> clip;
};

} // namespace

// Owns the audio objects, on the output thread.
class SoundOutput final : public QObject {
public:
    explicit SoundOutput(std::shared_ptr<SoundHandOver> handOver) : handOver(std::move(handOver)) {}

    ~SoundOutput() override {
        // Deleting a sink runs the thread's events; none of them may reach this half-gone
        // object.
        closing = true;
        QCoreApplication::removePostedEvents(this);
        if (sink) {
            sink->stop();
            delete sink;
        }
    }

    void playNext() {
        std::shared_ptr<const SoundClip> clip;
        std::uint64_t ticket = 0;
        {
            std::lock_guard lock(handOver->mutex);
            clip = std::move(handOver->next);
            ticket = handOver->nextTicket;
            handOver->posted = false;
        }
        if (closing || !clip) return;
        handOver->inAudioSince = Clock::now().time_since_epoch().count();
        stop();
        const bool started = start(clip, ticket);
        handOver->inAudioSince = 0;
        {
            std::lock_guard lock(handOver->mutex);
            handOver->outcomeTicket = ticket;
            handOver->started = started;
            handOver->startedAt = Clock::now();
        }
        handOver->changed.notify_all();
    }

private:
    bool start(const std::shared_ptr<const SoundClip>& clip, std::uint64_t ticket) {
        // Asked afresh each time, so that a server that has come back, or a new default
        // device, is used for the next sound.
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) return false;
        QAudioFormat format;
        format.setSampleRate(clip->sampleRate);
        format.setChannelCount(clip->channels);
        format.setChannelConfig(QAudioFormat::defaultChannelConfigForChannelCount(clip->channels));
        format.setSampleFormat(QAudioFormat::Float);
        // No parent: Qt gives a sink's inner object the same parent, which would then be
        // deleted twice.
        sink = new QAudioSink(device, format);
        sink->start(new ClipDevice(clip, sink));
        if (sink->error() != QAudio::NoError || sink->state() == QAudio::StoppedState) {
            stop();
            return false;
        }
        playingTicket = ticket;
        // Give the server's stream back once the sound is surely over.
        const auto over = std::chrono::duration_cast<std::chrono::milliseconds>(clip->length()) +
                          std::chrono::milliseconds(500);
        QTimer::singleShot(over, this, [this, ticket] {
            if (playingTicket == ticket) stop();
        });
        return true;
    }

    // Cuts off the sound playing, if any.
    void stop() {
        if (!sink) return;
        // Bounded only by the audio library; see SoundHandOver::outputStuck.
        QAudioSink* old = sink;
        sink = nullptr;
        playingTicket = 0;
        old->stop();
        // Its destructor runs the thread's events, which may start the next sound: let the
        // event loop delete it, not this call.
        old->deleteLater();
    }

    std::shared_ptr<SoundHandOver> handOver;
    QAudioSink* sink = nullptr;
    std::uint64_t playingTicket = 0;
    bool closing = false;
};

QtSoundPlayer::QtSoundPlayer()
    : handOver(std::make_shared<SoundHandOver>()), thread(std::make_unique<QThread>()) {
    thread->setObjectName(QStringLiteral("Sound"));
    output = new SoundOutput(handOver);
    output->moveToThread(thread.get());
    QObject::connect(thread.get(), &QThread::finished, output, &QObject::deleteLater);
    thread->start();
}

namespace {

// Qt's audio teardown at exit frees the audio library's lock while a stuck output thread
// (SoundHandOver::outputStuck) still waits on it, and PulseAudio aborts the process
// ("pthread_mutex_destroy(&m->mutex) == 0" failed). That thread cannot be woken or stopped:
// Qt waits in a loop for a stream that will never come up. So with such a thread about, and
// only then, the process ends without it: at exit, this handler runs before the teardown and
// ends the process there, its output flushed.
void endWithoutAudioTeardown(int status, void*) {
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace

// The audio objects are stopped and deleted on their own thread, before the application
// object goes; Qt's own audio teardown then runs at exit as usual.
QtSoundPlayer::~QtSoundPlayer() {
    thread->quit();
    // A stuck output thread must not keep the game from closing: it is left to the end of
    // the process.
    if (handOver->outputStuck() || !thread->wait(QDeadlineTimer(2000))) {
        (void)thread.release();
        static const bool registered = on_exit(endWithoutAudioTeardown, nullptr) == 0;
        (void)registered;
        return;
    }
}

void QtSoundPlayer::play(const std::string& path, std::int16_t flags) {
    std::shared_ptr<const SoundClip> clip = cache.clipFor(path);
    const auto length = std::chrono::duration_cast<Clock::duration>(clip->length());
    std::uint64_t ticket = 0;
    bool post = false;
    {
        std::lock_guard lock(handOver->mutex);
        ticket = ++handOver->lastTicket;
        handOver->next = std::move(clip);
        handOver->nextTicket = ticket;
        post = !handOver->posted;
        handOver->posted = true;
    }
    if (post)
        QMetaObject::invokeMethod(
            output, [out = output] { out->playNext(); }, Qt::QueuedConnection);
    if (flags != SoundWait) return;

    // Wait for the sound's length from when it started; a sound that could not start is
    // waited for as if it had played, so that the game keeps its pace without a device.
    const Clock::time_point from = Clock::now();
    const Clock::time_point earliest = from + length;
    const Clock::time_point latest = earliest + WaitMargin;
    const bool stuck = handOver->outputStuck();
    std::unique_lock lock(handOver->mutex);
    for (;;) {
        Clock::time_point until = stuck ? earliest : latest;
        if (handOver->outcomeTicket == ticket)
            until = handOver->started
                        ? std::clamp(handOver->startedAt + StartLatency + length, earliest, latest)
                        : earliest;
        if (Clock::now() >= until) return;
        handOver->changed.wait_until(lock, until);
    }
}

} // namespace mirel
