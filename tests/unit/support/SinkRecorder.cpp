#include "SinkRecorder.h"
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <limits>
#include "PeerWindow.h"

namespace dorvane::testing {
namespace {
constexpr DWORD kRate = 16000;
constexpr WORD kChannels = 1;
constexpr DWORD kChunkFrames = kRate / 200;   // 5 ms
constexpr DWORD kBufferFrames = 4 * kChunkFrames;
// 640 ms queued: a late wake-up of the recording thread loses nothing.
constexpr int kBuffers = 32;
// The last second's buffers place sample 0.
constexpr size_t kAnchorBuffers = kRate / kBufferFrames;

UINT FindCaptureDevice(const std::string& name) {
    const UINT count = waveInGetNumDevs();
    for (UINT i = 0; i < count; ++i) {
        WAVEINCAPSA caps{};
        if (waveInGetDevCapsA(i, &caps, sizeof caps) == MMSYSERR_NOERROR && name == caps.szPname) return i;
    }
    return WAVE_MAPPER;
}

DWORD WaitMs(double until) { return static_cast<DWORD>(std::max(0.0, until - Clock()) * 1000) + 3000; }
}  // namespace

double Clock() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / frequency;
}

// One prepared header and its bytes, unprepared when it goes.
class SinkRecorder::Buffer {
public:
    Buffer(HWAVEIN wave, DWORD bytes) : wave_(wave), data_(bytes) {
        header_.lpData = data_.data();
        header_.dwBufferLength = bytes;
        prepared_ = waveInPrepareHeader(wave_, &header_, sizeof header_) == MMSYSERR_NOERROR;
    }
    ~Buffer() {
        if (prepared_) waveInUnprepareHeader(wave_, &header_, sizeof header_);
    }
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;

    bool Queue() { return prepared_ && waveInAddBuffer(wave_, &header_, sizeof header_) == MMSYSERR_NOERROR; }
    bool Done() const { return (header_.dwFlags & WHDR_DONE) != 0; }
    const WAVEHDR& Header() const { return header_; }

private:
    HWAVEIN wave_;
    std::vector<char> data_;
    WAVEHDR header_{};
    bool prepared_ = false;
};

SinkRecorder::SinkRecorder(const std::string& device, int threshold) : threshold_(threshold) {
    const UINT id = FindCaptureDevice(device);
    wake_.reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    if (id == WAVE_MAPPER || !wake_) return;
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = kChannels;
    format.nSamplesPerSec = kRate;
    format.wBitsPerSample = 16;
    format.nBlockAlign = static_cast<WORD>(format.nChannels * 2);
    format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
    if (waveInOpen(wave_.Put(), id, &format, reinterpret_cast<DWORD_PTR>(wake_.get()), 0, CALLBACK_EVENT) !=
        MMSYSERR_NOERROR) {
        wave_.release();
        return;
    }
    for (int i = 0; i < kBuffers; ++i) {
        buffers_.push_back(std::make_unique<Buffer>(wave_.get(), kBufferFrames * format.nBlockAlign));
        if (!buffers_.back()->Queue()) return;
    }
    if (waveInStart(wave_.get()) != MMSYSERR_NOERROR) return;
    thread_ = std::thread([this] { Run(); });
    // Wine's capture hands over nothing for about two seconds after it
    // starts; whatever played meanwhile would be lost, so Ok() waits for it.
    std::unique_lock lock(mutex_);
    started_ = flowing_.wait_for(lock, std::chrono::seconds(8), [this] { return origin_known_; });
}

SinkRecorder::~SinkRecorder() {
    stopping_ = true;
    if (wake_) SetEvent(wake_.get());
    if (thread_.joinable()) thread_.join();
    // Every queued buffer comes back before the headers are unprepared.
    if (wave_) waveInReset(wave_.get());
    buffers_.clear();
}

void SinkRecorder::Run() {
    size_t next = 0;
    while (!stopping_) {
        WaitForSingleObject(wake_.get(), 50);
        // The device fills the buffers in the order they were queued.
        while (!stopping_ && buffers_[next]->Done()) {
            Take(buffers_[next]->Header(), Clock());
            buffers_[next]->Queue();
            next = (next + 1) % buffers_.size();
        }
    }
}

void SinkRecorder::Take(const WAVEHDR& header, double done) {
    const auto* samples = reinterpret_cast<const int16_t*>(header.lpData);
    const DWORD frames = header.dwBytesRecorded / (2 * kChannels);
    std::lock_guard lock(mutex_);
    for (DWORD f = 0; f < frames; ++f) {
        const uint64_t chunk = (samples_ + f) / kChunkFrames;
        if (chunk >= peaks_.size()) peaks_.push_back(0);
        for (WORD c = 0; c < kChannels; ++c) {
            const auto level = static_cast<uint16_t>(std::min(32767, std::abs(int{samples[f * kChannels + c]})));
            peaks_.back() = std::max(peaks_.back(), level);
        }
    }
    samples_ += frames;
    // The last sample cannot have been played after the buffer came back.
    bounds_.push_back(done - static_cast<double>(samples_) / kRate);
    if (bounds_.size() > kAnchorBuffers) bounds_.pop_front();
    std::vector<double> sorted(bounds_.begin(), bounds_.end());
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 10, sorted.end());
    origin_ = sorted[sorted.size() / 10];
    origin_known_ = true;
    flowing_.notify_all();
}

double SinkRecorder::RecordedUntil() const {
    std::lock_guard lock(mutex_);
    if (!origin_known_) return -std::numeric_limits<double>::infinity();
    return origin_ + static_cast<double>(samples_) / kRate;
}

std::optional<double> SinkRecorder::FirstLoudSince(double since) const {
    std::lock_guard lock(mutex_);
    if (!origin_known_) return std::nullopt;
    const double first = std::max(0.0, (since - origin_) * kRate / kChunkFrames);
    for (auto i = static_cast<size_t>(first); i < peaks_.size(); ++i)
        if (peaks_[i] > threshold_) return std::max(since, origin_ + static_cast<double>(i * kChunkFrames) / kRate);
    return std::nullopt;
}

std::optional<double> SinkRecorder::WaitForSound(double since, double until) {
    PumpUntil([&] { return FirstLoudSince(since).has_value() || RecordedUntil() >= until; }, WaitMs(until));
    const auto heard = FirstLoudSince(since);
    if (heard && *heard <= until) return heard;
    return std::nullopt;
}

bool SinkRecorder::HeardIn(double from, double to) {
    PumpUntil([&] { return RecordedUntil() >= to; }, WaitMs(to));
    const auto heard = FirstLoudSince(from);
    return heard && *heard <= to;
}

}  // namespace dorvane::testing
