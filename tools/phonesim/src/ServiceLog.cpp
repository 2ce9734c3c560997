#include "phonesim/ServiceLog.h"
#include <windows.h>
#include <cstdio>

namespace phonesim {

std::string TimeStamp() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[16];
    std::snprintf(text, sizeof text, "%02u:%02u:%02u.%03u", unsigned(now.wHour), unsigned(now.wMinute),
                  unsigned(now.wSecond), unsigned(now.wMilliseconds));
    return text;
}

ServiceLog::ServiceLog(Sink sink) : sink_(std::move(sink)) {}

void ServiceLog::Add(std::string_view text) {
    std::string line = TimeStamp();
    line += ' ';
    line += text;
    {
        // The sink is called under the lock so lines from two threads reach
        // it in the order they are stored.
        std::lock_guard<std::mutex> lock(mutex_);
        lines_.push_back(line);
        if (sink_) sink_(line);
    }
    changed_.notify_all();
}

std::vector<std::string> ServiceLog::Lines() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return lines_;
}

size_t ServiceLog::LineCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return lines_.size();
}

std::optional<std::string> ServiceLog::WaitForLine(std::string_view needle, std::chrono::milliseconds timeout,
                                                   size_t from) const {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    std::unique_lock<std::mutex> lock(mutex_);
    size_t next = from;
    for (;;) {
        for (; next < lines_.size(); ++next) {
            if (lines_[next].find(needle) != std::string::npos) return lines_[next];
        }
        if (changed_.wait_until(lock, deadline) == std::cv_status::timeout) {
            for (; next < lines_.size(); ++next) {
                if (lines_[next].find(needle) != std::string::npos) return lines_[next];
            }
            return std::nullopt;
        }
    }
}

bool ServiceLog::WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) const {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        size_t seen;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            seen = lines_.size();
        }
        if (condition()) return true;
        std::unique_lock<std::mutex> lock(mutex_);
        if (!changed_.wait_until(lock, deadline, [&] { return lines_.size() != seen; })) {
            lock.unlock();
            return condition();
        }
    }
}

}  // namespace phonesim
