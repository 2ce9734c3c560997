#include "EndpointDriver.h"
#include <windows.h>
#include <cstdio>
#include <cwchar>
#include <string>
#include "EndpointSimClient.h"
#include "i18n/TextConvert.h"
#include "LogFormat.h"

namespace phonesim {
namespace {
using dorvane::endpointsim::SimEndpoint;
using dorvane::endpointsim::TEndpointSimClient;
using dorvane::endpointsim::TSimOpen;

constexpr int kFlows = 2;

// The block is written by other processes: a name may lack its terminator.
std::string Utf8(const wchar_t (&name)[256]) {
    return dorvane::WideToUtf8(std::wstring_view(name, wcsnlen(name, 256)));
}

std::string Decibels(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

std::string Describe(const TEndpointSimClient& sim, int flow, int slot) {
    const SimEndpoint e = sim.Endpoint(flow, slot);
    std::string line = std::string("endpoint: ") + (flow == 0 ? "playback " : "recording ") + std::to_string(slot) +
                       " " + Quoted(Utf8(e.Name)) + ":";
    if (e.HasLevel) {
        line += " level " + Decibels(e.LevelDb[0]);
        if (e.Channels > 1) line += "/" + Decibels(e.LevelDb[1]);
        line += " dB (" + Decibels(e.MinDb) + ".." + Decibels(e.MaxDb) + ")";
    } else {
        line += " no level";
    }
    line += !e.HasMute ? ", no mute" : e.Muted ? ", muted" : ", not muted";
    line += e.Present ? ", plugged" : ", unplugged";
    if (sim.DefaultSlot(flow) == slot) line += ", default";
    return line;
}

void List(const TEndpointSimClient& sim, ServiceLog& log) {
    bool any = false;
    for (int flow = 0; flow < kFlows; ++flow) {
        for (int slot = 0; slot < sim.Count(flow); ++slot) {
            log.Add(Describe(sim, flow, slot));
            any = true;
        }
    }
    if (!any) log.Add("endpoint: none defined");
}

}  // namespace

void DriveEndpoint(const ScriptCommand& command, ServiceLog& log) {
    // Opened per line, so a library loaded or unloaded meanwhile is noticed.
    TEndpointSimClient sim(TSimOpen::ExistingOnly);
    if (!sim.Ok()) {
        log.Add("endpoint: no simulated endpoints (library not loaded)");
        return;
    }
    if (command.op == ScriptOp::EndpointList) {
        List(sim, log);
        return;
    }
    // The flow is the one the name is found in, playback first.
    const std::wstring name = dorvane::Utf8ToWide(command.text);
    int flow = 0;
    int slot = sim.Find(flow, name);
    if (slot < 0) slot = sim.Find(++flow, name);
    if (slot < 0) {
        log.Add("endpoint: no endpoint named " + Quoted(command.text));
        return;
    }
    const bool on = command.value != 0;
    bool changed = false;
    switch (command.op) {
    case ScriptOp::EndpointLevel: changed = sim.SetLevel(flow, slot, command.decibels); break;
    case ScriptOp::EndpointMute: changed = sim.SetMute(flow, slot, on); break;
    case ScriptOp::EndpointPlug: changed = sim.SetPresent(flow, slot, on); break;
    case ScriptOp::EndpointDefault: changed = sim.SetDefault(flow, slot); break;
    default: break;
    }
    log.Add(changed ? Describe(sim, flow, slot) : "endpoint: cannot change " + Quoted(command.text));
}

}  // namespace phonesim
