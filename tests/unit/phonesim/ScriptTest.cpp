// The script parser: one line in, a command or an error out.
#include <gtest/gtest.h>
#include "phonesim/Script.h"

using namespace phonesim;

namespace {

struct Good {
    const char* line;
    ScriptCommand command;
};

}  // namespace

TEST(ScriptParse, EveryCommand) {
    const Good cases[] = {
        {"phone present on", {ScriptOp::PhonePresent, 1, ""}},
        {"phone present off", {ScriptOp::PhonePresent, 0, ""}},
        {"softphone present on", {ScriptOp::SoftphonePresent, 1, ""}},
        {"softphone present off", {ScriptOp::SoftphonePresent, 0, ""}},
        {"typing lock on", {ScriptOp::TypingLock, 1, ""}},
        {"typing lock off", {ScriptOp::TypingLock, 0, ""}},
        {"navigation 0", {ScriptOp::Navigation, 0, ""}},
        {"navigation 255", {ScriptOp::Navigation, 255, ""}},
        {"navigation 0x1F", {ScriptOp::Navigation, 31, ""}},
        {"call state 1", {ScriptOp::CallState, 1, ""}},
        {"call state 6", {ScriptOp::CallState, 6, ""}},
        {"key down 17", {ScriptOp::KeyDown, 17, ""}},
        {"key down 1", {ScriptOp::KeyDown, 1, ""}},
        {"key down 254", {ScriptOp::KeyDown, 254, ""}},
        {"key up", {ScriptOp::KeyUp, 0, ""}},
        {"wait 0", {ScriptOp::Wait, 0, ""}},
        {"wait 250", {ScriptOp::Wait, 250, ""}},
        {"interval 500", {ScriptOp::Interval, 500, ""}},
        {"interval 5000", {ScriptOp::Interval, 5000, ""}},  // the service clamps it
        {"softphone out Speakers (USB Audio Device)", {ScriptOp::SoftphoneOut, 0, "Speakers (USB Audio Device)"}},
        {"softphone in Microphone (USB Audio Device)", {ScriptOp::SoftphoneIn, 0, "Microphone (USB Audio Device)"}},
        {"softphone out", {ScriptOp::SoftphoneOut, 0, ""}},
        {"softphone in \xE9\xBA\xA6\xE5\x85\x8B\xE9\xA3\x8E", {ScriptOp::SoftphoneIn, 0, "\xE9\xBA\xA6\xE5\x85\x8B\xE9\xA3\x8E"}},
        {"endpoint level -12.5 Speakers (USB Audio Device)",
         {ScriptOp::EndpointLevel, 0, "Speakers (USB Audio Device)", -12.5f}},
        {"endpoint level +3 Mic", {ScriptOp::EndpointLevel, 0, "Mic", 3.0f}},
        {"endpoint level 0 Mic", {ScriptOp::EndpointLevel, 0, "Mic", 0.0f}},
        {"endpoint mute on Microphone (USB Audio Device)", {ScriptOp::EndpointMute, 1, "Microphone (USB Audio Device)"}},
        {"endpoint mute off Mic", {ScriptOp::EndpointMute, 0, "Mic"}},
        {"endpoint plug off Speakers (USB Audio Device)", {ScriptOp::EndpointPlug, 0, "Speakers (USB Audio Device)"}},
        {"endpoint plug on Mic", {ScriptOp::EndpointPlug, 1, "Mic"}},
        {"endpoint default Speakers (USB Audio Device)", {ScriptOp::EndpointDefault, 0, "Speakers (USB Audio Device)"}},
        {"endpoint list", {ScriptOp::EndpointList, 0, ""}},
        {"quit", {ScriptOp::Quit, 0, ""}},
    };
    for (const Good& c : cases) {
        ScriptLine parsed = ParseScriptLine(c.line);
        EXPECT_FALSE(parsed.IsError()) << c.line << ": " << parsed.error;
        ASSERT_TRUE(parsed.command.has_value()) << c.line;
        EXPECT_EQ(c.command, *parsed.command) << c.line;
    }
}

TEST(ScriptParse, BlanksAndCaseAreForgiven) {
    const Good cases[] = {
        {"  Phone   PRESENT   On  ", {ScriptOp::PhonePresent, 1, ""}},
        {"\tkey\tdown\t31\r", {ScriptOp::KeyDown, 31, ""}},
        {"call  state   6\r\n", {ScriptOp::CallState, 6, ""}},
        {"KEY UP", {ScriptOp::KeyUp, 0, ""}},
        // Inside a device name the blanks are the name's own.
        {"softphone   out   Speakers  (Two  Spaces)  ", {ScriptOp::SoftphoneOut, 0, "Speakers  (Two  Spaces)"}},
        // A name may start with a value's word or end with on/off: it is only the rest.
        {"Endpoint  MUTE  On  on off (2)  ", {ScriptOp::EndpointMute, 1, "on off (2)"}},
        {"endpoint level -1.25\t-3 dB Line\r", {ScriptOp::EndpointLevel, 0, "-3 dB Line", -1.25f}},
    };
    for (const Good& c : cases) {
        ScriptLine parsed = ParseScriptLine(c.line);
        ASSERT_TRUE(parsed.command.has_value()) << c.line << ": " << parsed.error;
        EXPECT_EQ(c.command, *parsed.command) << c.line;
    }
}

TEST(ScriptParse, BlankAndCommentLinesAreNotCommands) {
    for (const char* line : {"", "   ", "\t\r", "# a comment", "   # indented", "#phone present on"}) {
        ScriptLine parsed = ParseScriptLine(line);
        EXPECT_FALSE(parsed.command.has_value()) << line;
        EXPECT_FALSE(parsed.IsError()) << line;
    }
}

TEST(ScriptParse, MalformedLinesAreErrors) {
    const char* bad[] = {
        // numbers
        "navigation 256", "navigation -1", "navigation 12a", "navigation", "navigation 1 2", "navigation 0x",
        "navigation 0xG1", "call state 999", "call state", "wait 1.5", "wait 3600001",
        "wait 99999999999999999999", "interval 0", "interval", "interval ten",
        // key codes: 0 is "no key", 0xFF marks a status update
        "key down 0", "key down 255", "key down 300", "key down x", "key down", "key up 17",
        // switches
        "phone present", "phone present maybe", "phone present on now", "typing lock 1", "softphone present",
        // words
        "dance", "phone", "phone absent", "key", "key press 17", "call 1", "softphone louder", "quit now",
        "typinglock on",
        // endpoints: the value goes first, a name must follow
        "endpoint level Speakers -12", "endpoint level -12", "endpoint level 1e3 Mic", "endpoint level inf Mic",
        "endpoint level nan Mic", "endpoint level -1.5dB Mic", "endpoint level +-3 Mic", "endpoint level . Mic",
        "endpoint mute Speakers on", "endpoint mute on", "endpoint plug maybe Mic", "endpoint default",
        "endpoint list all", "endpoint", "endpoint louder Mic",
    };
    for (const char* line : bad) {
        ScriptLine parsed = ParseScriptLine(line);
        EXPECT_TRUE(parsed.IsError()) << line;
        EXPECT_FALSE(parsed.command.has_value()) << line;
    }
}

TEST(ScriptParse, ErrorTextNamesTheProblem) {
    EXPECT_EQ("key down: 255 is out of range 1-254", ParseScriptLine("key down 255").error);
    EXPECT_EQ("navigation: expected a number", ParseScriptLine("navigation x").error);
    EXPECT_EQ("unknown command: dance now", ParseScriptLine("  dance now ").error);
    EXPECT_EQ("endpoint mute: expected on or off before the name", ParseScriptLine("endpoint mute Mic on").error);
    EXPECT_EQ("endpoint default: expected an endpoint name", ParseScriptLine("endpoint default  ").error);
}
