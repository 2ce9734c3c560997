// Hears what a sound device plays: records the capture device of its
// monitor (waveIn) into a ring of buffers that goes round for as long as the
// recorder lives, and keeps the loudness of every few milliseconds with the
// time it was played. Times are seconds of Clock(), the clock the caller
// reads to say "since when".
#pragma once
#include <windows.h>
#include <mmsystem.h>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>
#include "controls/Handles.h"

namespace dorvane::testing {

// Seconds of the performance counter.
double Clock();

struct WaveInTraits {
    using handle_type = HWAVEIN;
    static HWAVEIN invalid() noexcept { return nullptr; }
    static bool valid(HWAVEIN h) noexcept { return h != nullptr; }
    static void close(HWAVEIN h) noexcept { ::waveInClose(h); }
};
using WaveInHandle = UniqueHandle<WaveInTraits>;

class SinkRecorder {
public:
    // About -30 dBFS: far below a tone, far above the null sink's silence.
    static constexpr int kDefaultThreshold = 1000;

    // Starts recording the capture device of that name and returns once the
    // recording comes in; Ok() is false when there is no such device, it
    // does not open or nothing came.
    explicit SinkRecorder(const std::string& device, int threshold = kDefaultThreshold);
    ~SinkRecorder();
    SinkRecorder(const SinkRecorder&) = delete;
    SinkRecorder& operator=(const SinkRecorder&) = delete;

    bool Ok() const { return started_; }
    // The time of the last sample recorded so far.
    double RecordedUntil() const;

    // The time of the first sample above the threshold at or after `since`,
    // waiting (and handling this thread's messages) until one is recorded or
    // the recording has passed `until`.
    std::optional<double> WaitForSound(double since, double until);
    // Whether anything above the threshold was played in [from, to], once the
    // recording has got there (this thread's messages handled meanwhile).
    bool HeardIn(double from, double to);

private:
    class Buffer;
    void Run();
    void Take(const WAVEHDR& header, double done);
    std::optional<double> FirstLoudSince(double since) const;

    int threshold_;
    WaveInHandle wave_;
    KernelHandle wake_;
    std::vector<std::unique_ptr<Buffer>> buffers_;
    std::atomic<bool> stopping_{false};
    bool started_ = false;

    mutable std::mutex mutex_;
    std::condition_variable flowing_;
    // Where sample 0 lies on Clock(). Each buffer's return bounds it: its
    // last sample cannot have been played after it came back. A late
    // delivery puts that bound too late; the sink, which renders ahead of
    // its clock in bursts, now and then puts it too early, and the earliest
    // bound of all would date every later sound early by the largest burst,
    // even before the call that played it. So sample 0 is placed at the
    // tenth percentile of the last second's bounds, clear of both.
    double origin_ = 0;
    bool origin_known_ = false;
    std::deque<double> bounds_;  // the last second's, oldest first
    uint64_t samples_ = 0;            // per channel, recorded so far
    std::vector<uint16_t> peaks_;     // loudest sample of each chunk

    std::thread thread_;  // last: it starts once everything else is there
};

}  // namespace dorvane::testing
