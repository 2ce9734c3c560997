#include "HandlerGuard.h"

namespace dorvane {
namespace {
ExceptionReporter& Reporter() {
    static ExceptionReporter reporter;
    return reporter;
}
}  // namespace

void SetExceptionReporter(ExceptionReporter reporter) { Reporter() = std::move(reporter); }

void ReportException(const std::string& message) {
    if (auto& r = Reporter()) {
        try {
            r(message);
        } catch (...) {
            // A failing report must not take the message loop down with it.
        }
    }
}

}  // namespace dorvane
