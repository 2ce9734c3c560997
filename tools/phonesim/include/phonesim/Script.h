// The simulator's script language, one command per line:
//   phone present on|off      softphone present on|off    typing lock on|off
//   navigation N (0-255)      call state N (0-255)
//   key down CODE (1-254)     key up
//   wait MS                   interval MS (1 or more; the service clamps it)
//   softphone out NAME        softphone in NAME (rest of the line; may be empty)
//   endpoint level DB NAME    endpoint mute on|off NAME
//   endpoint plug on|off NAME endpoint default NAME      endpoint list
//   quit
// An endpoint NAME is a friendly name, the rest of the line after the value
// (e.g. "endpoint level -12.5 Speakers (USB Audio Device)"); DB is a decimal
// number with an optional sign and fraction.
// Words are separated by any run of blanks and are not case-sensitive;
// numbers are decimal or 0x-hex. Blank lines and lines starting with # are
// not commands.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace phonesim {

enum class ScriptOp {
    PhonePresent,
    SoftphonePresent,
    TypingLock,
    Navigation,
    CallState,
    KeyDown,
    KeyUp,
    Wait,
    Interval,
    SoftphoneOut,
    SoftphoneIn,
    EndpointLevel,
    EndpointMute,
    EndpointPlug,
    EndpointDefault,
    EndpointList,
    Quit,
};

struct ScriptCommand {
    ScriptOp op = ScriptOp::Quit;
    uint32_t value = 0;  // on = 1 / off = 0, the byte, the key code or the milliseconds
    std::string text;    // the device or endpoint name (UTF-8)
    float decibels = 0;  // an endpoint level
    bool operator==(const ScriptCommand&) const = default;
};

struct ScriptLine {
    std::optional<ScriptCommand> command;  // none for blank, comment and malformed lines
    std::string error;                     // non-empty for a malformed line
    bool IsError() const { return !error.empty(); }
};

// Never throws: anything that is not a command comes back as an error text.
ScriptLine ParseScriptLine(std::string_view line);

// The longest wait a script may ask for: one hour.
constexpr uint32_t kMaxScriptWaitMs = 3600000;

}  // namespace phonesim
