#include "audio/MixerTree.h"

namespace dorvane {
namespace {
MIXERLINEA QueryLine(const TMixerDevice& device, DWORD destination, DWORD source, DWORD how, bool& ok) {
    MIXERLINEA line{};
    line.cbStruct = sizeof line;
    line.dwDestination = destination;
    line.dwSource = source;
    ok = device.Api->mixerGetLineInfoA(device.Object(), &line, how | MIXER_OBJECTF_HMIXER) == MMSYSERR_NOERROR;
    return line;
}
}  // namespace

TMixerControls::TMixerControls(const TMixerDevice& device, const MIXERLINEA& line) {
    if (line.cControls == 0) return;
    records_.resize(line.cControls);
    for (auto& r : records_) r.cbStruct = sizeof(MIXERCONTROLA);
    MIXERLINECONTROLSA query{};
    query.cbStruct = sizeof query;
    query.dwLineID = line.dwLineID;
    query.cControls = line.cControls;
    query.cbmxctrl = sizeof(MIXERCONTROLA);
    query.pamxctrl = records_.data();
    if (device.Api->mixerGetLineControlsA(device.Object(), &query,
                                          MIXER_GETLINECONTROLSF_ALL | MIXER_OBJECTF_HMIXER) != MMSYSERR_NOERROR)
        return;
    for (const auto& r : records_) list_.Add(&r);
}

TMixerConnection::TMixerConnection(const TMixerDevice& device, const MIXERLINEA& line)
    : line_(line), controls_(device, line_) {}

TMixerConnections::TMixerConnections(const TMixerDevice& device, const MIXERLINEA& destination) {
    for (DWORD s = 0; s < destination.cConnections; ++s) {
        bool ok = false;
        MIXERLINEA line = QueryLine(device, destination.dwDestination, s, MIXER_GETLINEINFOF_SOURCE, ok);
        if (ok) list_.Add(std::make_unique<TMixerConnection>(device, line));
    }
}

TMixerDestination::TMixerDestination(const TMixerDevice& device, const MIXERLINEA& line)
    : line_(line), connections_(device, line_), controls_(device, line_) {}

TMixerDestinations::TMixerDestinations(const TMixerDevice& device, int count) {
    for (int d = 0; d < count; ++d) {
        bool ok = false;
        MIXERLINEA line = QueryLine(device, static_cast<DWORD>(d), 0, MIXER_GETLINEINFOF_DESTINATION, ok);
        if (ok) list_.Add(std::make_unique<TMixerDestination>(device, line));
    }
}

}  // namespace dorvane
