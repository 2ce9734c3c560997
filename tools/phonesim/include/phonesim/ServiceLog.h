// The simulator's log: one time-stamped line per event, handed to a sink (the
// program prints it) and kept in memory so a test can wait for a line.
#pragma once
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace phonesim {

class ServiceLog {
public:
    // Called once per line, with the time stamp, on the thread that logs.
    // Lines reach the sink in order; the sink must not log itself.
    using Sink = std::function<void(const std::string& line)>;

    explicit ServiceLog(Sink sink = {});
    ServiceLog(const ServiceLog&) = delete;
    ServiceLog& operator=(const ServiceLog&) = delete;

    // Adds "HH:MM:SS.mmm " + text (local time).
    void Add(std::string_view text);

    std::vector<std::string> Lines() const;
    size_t LineCount() const;

    // The first line from index `from` on that contains `needle`, waiting up
    // to `timeout` for it to appear. Blocks the calling thread without
    // pumping its messages: a thread that owns windows the service talks to
    // should pump instead.
    std::optional<std::string> WaitForLine(std::string_view needle, std::chrono::milliseconds timeout,
                                           size_t from = 0) const;
    // Waits until `condition` holds, checking it again after every new line.
    // The condition runs without the log's lock held.
    bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) const;

private:
    Sink sink_;
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<std::string> lines_;
};

// "HH:MM:SS.mmm", local time.
std::string TimeStamp();

}  // namespace phonesim
