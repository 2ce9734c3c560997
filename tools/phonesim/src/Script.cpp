#include "phonesim/Script.h"
#include <cctype>
#include <charconv>
#include <cmath>
#include <vector>

namespace phonesim {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The next word of `rest`, which loses it and the blanks before it.
std::string_view NextWord(std::string_view& rest) {
    while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
    size_t end = 0;
    while (end < rest.size() && !IsBlank(rest[end])) ++end;
    std::string_view word = rest.substr(0, end);
    rest.remove_prefix(end);
    return word;
}

std::string Lower(std::string_view word) {
    std::string out(word);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::optional<uint32_t> ParseNumber(std::string_view word) {
    unsigned base = 10;
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
        base = 16;
        word.remove_prefix(2);
    }
    if (word.empty()) return std::nullopt;
    uint64_t value = 0;
    for (char c : word) {
        unsigned digit;
        if (c >= '0' && c <= '9') digit = unsigned(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f') digit = unsigned(c - 'a' + 10);
        else if (base == 16 && c >= 'A' && c <= 'F') digit = unsigned(c - 'A' + 10);
        else return std::nullopt;
        value = value * base + digit;
        if (value > 0xFFFFFFFFull) return std::nullopt;
    }
    return static_cast<uint32_t>(value);
}

ScriptLine Error(std::string text) { return ScriptLine{std::nullopt, std::move(text)}; }
ScriptLine Command(ScriptOp op, uint32_t value = 0, std::string text = {}) {
    return ScriptLine{ScriptCommand{op, value, std::move(text)}, {}};
}

// "on" / "off" as the last word of the line.
ScriptLine Switch(ScriptOp op, std::string_view name, std::string_view rest) {
    std::string word = Lower(NextWord(rest));
    if (!Trim(rest).empty()) return Error(std::string(name) + ": unexpected words after on/off");
    if (word == "on") return Command(op, 1);
    if (word == "off") return Command(op, 0);
    return Error(std::string(name) + ": expected on or off");
}

// A number in [low, high] as the last word of the line.
ScriptLine Number(ScriptOp op, std::string_view name, std::string_view rest, uint32_t low, uint32_t high) {
    std::string_view word = NextWord(rest);
    if (!Trim(rest).empty()) return Error(std::string(name) + ": unexpected words after the number");
    std::optional<uint32_t> value = ParseNumber(word);
    if (!value) return Error(std::string(name) + ": expected a number");
    if (*value < low || *value > high) {
        return Error(std::string(name) + ": " + std::to_string(*value) + " is out of range " +
                     std::to_string(low) + "-" + std::to_string(high));
    }
    return Command(op, *value);
}

// A signed decimal such as -12.5 or +3; no exponent, no infinity.
std::optional<float> ParseDecibels(std::string_view word) {
    if (word.size() > 1 && word[0] == '+' && word[1] != '-') word.remove_prefix(1);
    float value = 0;
    const char* end = word.data() + word.size();
    auto [stop, problem] = std::from_chars(word.data(), end, value, std::chars_format::fixed);
    if (word.empty() || problem != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

// The endpoint's friendly name is the rest of the line: such names have
// blanks and parentheses inside, so any value goes before it.
ScriptLine Named(ScriptOp op, const std::string& name, std::string_view rest, uint32_t value = 0,
                 float decibels = 0) {
    rest = Trim(rest);
    if (rest.empty()) return Error(name + ": expected an endpoint name");
    ScriptLine line = Command(op, value, std::string(rest));
    line.command->decibels = decibels;
    return line;
}

ScriptLine Endpoint(std::string_view line, std::string_view rest) {
    const std::string verb = Lower(NextWord(rest));
    const std::string name = "endpoint " + verb;
    if (verb == "list") {
        if (!Trim(rest).empty()) return Error("endpoint list: unexpected words after list");
        return Command(ScriptOp::EndpointList);
    }
    if (verb == "level") {
        std::optional<float> decibels = ParseDecibels(NextWord(rest));
        if (!decibels) return Error("endpoint level: expected decibels before the name, e.g. -12.5");
        return Named(ScriptOp::EndpointLevel, name, rest, 0, *decibels);
    }
    if (verb == "mute" || verb == "plug") {
        const std::string word = Lower(NextWord(rest));
        if (word != "on" && word != "off") return Error(name + ": expected on or off before the name");
        return Named(verb == "mute" ? ScriptOp::EndpointMute : ScriptOp::EndpointPlug, name, rest, word == "on");
    }
    if (verb == "default") return Named(ScriptOp::EndpointDefault, name, rest);
    return Error("unknown command: " + std::string(Trim(line)));
}

}  // namespace

ScriptLine ParseScriptLine(std::string_view line) {
    std::string_view rest = Trim(line);
    if (rest.empty() || rest.front() == '#') return {};
    std::string first = Lower(NextWord(rest));
    if (first == "quit") {
        if (!Trim(rest).empty()) return Error("quit: unexpected words after quit");
        return Command(ScriptOp::Quit);
    }
    if (first == "wait") return Number(ScriptOp::Wait, "wait", rest, 0, kMaxScriptWaitMs);
    if (first == "interval") return Number(ScriptOp::Interval, "interval", rest, 1, 0xFFFFFFFFu);
    if (first == "navigation") return Number(ScriptOp::Navigation, "navigation", rest, 0, 255);
    if (first == "endpoint") return Endpoint(line, rest);

    std::string second = Lower(NextWord(rest));
    if (first == "phone" && second == "present") return Switch(ScriptOp::PhonePresent, "phone present", rest);
    if (first == "typing" && second == "lock") return Switch(ScriptOp::TypingLock, "typing lock", rest);
    if (first == "call" && second == "state") return Number(ScriptOp::CallState, "call state", rest, 0, 255);
    // 0 is "no key" and 0xFF marks a status update: neither can be pressed.
    if (first == "key" && second == "down") return Number(ScriptOp::KeyDown, "key down", rest, 1, 254);
    if (first == "key" && second == "up") {
        if (!Trim(rest).empty()) return Error("key up: unexpected words after key up");
        return Command(ScriptOp::KeyUp);
    }
    if (first == "softphone") {
        if (second == "present") return Switch(ScriptOp::SoftphonePresent, "softphone present", rest);
        // The name is the rest of the line: device names have blanks inside.
        if (second == "out") return Command(ScriptOp::SoftphoneOut, 0, std::string(Trim(rest)));
        if (second == "in") return Command(ScriptOp::SoftphoneIn, 0, std::string(Trim(rest)));
    }
    return Error("unknown command: " + std::string(Trim(line)));
}

}  // namespace phonesim
