#include "phonesim/ScriptRunner.h"
#include <chrono>
#include <string>
#include "EndpointDriver.h"

namespace phonesim {

bool ScriptRunner::RunLine(std::string_view line) {
    ++line_number_;
    if (Cancelled()) return false;
    ScriptLine parsed = ParseScriptLine(line);
    if (parsed.IsError()) {
        service_.Log().Add("script line " + std::to_string(line_number_) + ": error: " + parsed.error);
        return true;
    }
    if (!parsed.command) return true;
    if (parsed.command->op == ScriptOp::Quit) {
        service_.Log().Add("script line " + std::to_string(line_number_) + ": quit");
        return false;
    }
    Execute(*parsed.command);
    return !Cancelled();
}

bool ScriptRunner::Run(std::istream& in) {
    std::string line;
    while (std::getline(in, line)) {
        if (!RunLine(line)) return true;
    }
    return Cancelled();
}

void ScriptRunner::Cancel() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        cancelled_ = true;
    }
    cancelled_changed_.notify_all();
}

bool ScriptRunner::Cancelled() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return cancelled_;
}

void ScriptRunner::Execute(const ScriptCommand& command) {
    const bool on = command.value != 0;
    const ServiceState before = service_.State();
    switch (command.op) {
    case ScriptOp::PhonePresent:
        service_.SetPhonePresent(on);
        if (before.phone_present != on) service_.SendStatusNow();
        break;
    case ScriptOp::SoftphonePresent:
        service_.SetSoftphonePresent(on);
        if (before.softphone_present != on) service_.SendStatusNow();
        break;
    case ScriptOp::TypingLock:
        service_.SetTypingLock(on);
        if (before.typing_locked != on) service_.SendStatusNow();
        break;
    case ScriptOp::Navigation:
        service_.SetNavigation(static_cast<uint8_t>(command.value));
        if (before.navigation != command.value) service_.SendStatusNow();
        break;
    case ScriptOp::CallState:
        service_.SetCallState(static_cast<uint8_t>(command.value));
        if (before.call_state != command.value) service_.SendStatusNow();
        break;
    case ScriptOp::KeyDown:
        service_.KeyDown(static_cast<uint8_t>(command.value));
        break;
    case ScriptOp::KeyUp:
        service_.KeyUp();
        break;
    case ScriptOp::Wait: {
        std::unique_lock<std::mutex> lock(mutex_);
        cancelled_changed_.wait_for(lock, std::chrono::milliseconds(command.value), [this] { return cancelled_; });
        break;
    }
    case ScriptOp::Interval:
        service_.SetStatusInterval(command.value);
        break;
    case ScriptOp::SoftphoneOut:
        service_.SetOutputDevice(command.text);
        break;
    case ScriptOp::SoftphoneIn:
        service_.SetInputDevice(command.text);
        break;
    case ScriptOp::EndpointLevel:
    case ScriptOp::EndpointMute:
    case ScriptOp::EndpointPlug:
    case ScriptOp::EndpointDefault:
    case ScriptOp::EndpointList:
        DriveEndpoint(command, service_.Log());
        break;
    case ScriptOp::Quit:
        break;
    }
}

}  // namespace phonesim
