// Event handlers run inside window procedures, where an exception must not
// unwind into the system's frames. Every window procedure of ours runs its
// work through GuardedCall, which hands an escaping exception to the one
// reporter the application installs (the error message box).
#pragma once
#include <exception>
#include <functional>
#include <string>

namespace dorvane {

// Receives the message of an exception that escaped a handler. A thrown
// object that is not a std::exception arrives as an empty message.
using ExceptionReporter = std::function<void(const std::string& message)>;

void SetExceptionReporter(ExceptionReporter reporter);
void ReportException(const std::string& message);

template <typename F>
bool GuardedCall(F&& f) noexcept {
    try {
        f();
        return true;
    } catch (const std::exception& e) {
        ReportException(e.what());
    } catch (...) {
        ReportException(std::string());
    }
    return false;
}

}  // namespace dorvane
