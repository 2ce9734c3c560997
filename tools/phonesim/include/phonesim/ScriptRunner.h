// Plays script lines on a phone service. A switch that changes is reported to
// the panel at once with a status update, as a person flipping it expects.
#pragma once
#include <condition_variable>
#include <cstddef>
#include <istream>
#include <mutex>
#include <string_view>
#include "phonesim/PhoneService.h"
#include "phonesim/Script.h"

namespace phonesim {

class ScriptRunner {
public:
    explicit ScriptRunner(PhoneService& service) : service_(service) {}

    // Runs one line. False when the line asks to quit or the runner was
    // cancelled. A malformed line is logged as an error and skipped.
    bool RunLine(std::string_view line);
    // Runs the lines of `in` until quit, cancellation or the end of the
    // stream. True when it ended by quit (or cancellation).
    bool Run(std::istream& in);
    // Ends a running "wait" at once and makes every later line a no-op.
    // Callable from any thread.
    void Cancel();
    bool Cancelled() const;

    void Execute(const ScriptCommand& command);

private:
    PhoneService& service_;
    size_t line_number_ = 0;
    mutable std::mutex mutex_;
    std::condition_variable cancelled_changed_;
    bool cancelled_ = false;
};

}  // namespace phonesim
