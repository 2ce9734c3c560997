// The softphone behind the phone service: it takes one API command text and
// gives the answer the panel relies on. Names and paths are kept as the bytes
// that arrived (UTF-8 from the panel), never re-encoded.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace phonesim {

constexpr char kDefaultOutputDevice[] = "Speakers (High Definition Audio Device)";
constexpr char kDefaultInputDevice[] = "Microphone (High Definition Audio Device)";

class Softphone {
public:
    enum class Outcome {
        Answered,   // `answer` holds the text to send back
        Done,       // understood, nothing to send back (the ring tone)
        Unknown,    // not a command this softphone knows; ignored
    };
    struct Reply {
        Outcome outcome = Outcome::Unknown;
        std::string answer;
    };

    // "GET AUDIO_OUT", "GET AUDIO_IN": answer with the device kept.
    // "SET AUDIO_OUT " + name, "SET AUDIO_IN " + name: keep the name (empty:
    // the Windows default device) and answer with it.
    // "SET RINGTONE 1 " + path: keep the path.
    Reply Handle(std::string_view command);

    const std::string& OutputDevice() const { return output_; }
    const std::string& InputDevice() const { return input_; }
    const std::string& RingTonePath() const { return ring_tone_; }
    void SetOutputDevice(std::string name) { output_ = std::move(name); }
    void SetInputDevice(std::string name) { input_ = std::move(name); }

private:
    std::string output_ = kDefaultOutputDevice;
    std::string input_ = kDefaultInputDevice;
    std::string ring_tone_;
};

}  // namespace phonesim
