// The sound devices of the test session (scripts/session): PulseAudio null
// sinks, seen by Wine as wave devices. A test makes the phone's sink the
// default playback device, as a user who made the phone the Windows default
// device, and hears it through that sink's monitor.
#pragma once
#include <string>

namespace dorvane::testing {

constexpr char kPhoneSink[] = "usbphone";
constexpr char kOnboardSink[] = "onboard";
// The capture device that records what plays on the phone's sink.
constexpr char kPhoneSinkMonitor[] = "Monitor of USB Audio Device";

// Makes that sink PulseAudio's default with pactl (a Linux program, started
// through Wine); false when the default was not that sink within 5 s.
bool SetDefaultSink(const std::string& sink);

// The phone's sink is the default for as long as this lives; then the
// on-board one is again.
class PhoneIsDefaultSink {
public:
    PhoneIsDefaultSink() : ok_(SetDefaultSink(kPhoneSink)) {}
    ~PhoneIsDefaultSink() { SetDefaultSink(kOnboardSink); }
    PhoneIsDefaultSink(const PhoneIsDefaultSink&) = delete;
    PhoneIsDefaultSink& operator=(const PhoneIsDefaultSink&) = delete;
    bool Ok() const { return ok_; }

private:
    bool ok_;
};

}  // namespace dorvane::testing
