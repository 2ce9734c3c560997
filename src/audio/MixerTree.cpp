#include "audio/MixerTree.h"

namespace dorvane {
namespace {
// A driver's counts are taken as given only up to these. Real mixers have a
// few dozen lines and controls at most; a line that claims billions would
// otherwise make an allocation throw, or a loop of queries hang the window.
constexpr DWORD kMaxLines = 64;
constexpr DWORD kMaxLineControls = 256;

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
    // The query must ask for the line's whole count, so a line claiming more
    // than any mixer has is taken as having no controls at all.
    if (line.cControls == 0 || line.cControls > kMaxLineControls) return;
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
    const DWORD count = destination.cConnections < kMaxLines ? destination.cConnections : kMaxLines;
    for (DWORD s = 0; s < count; ++s) {
        bool ok = false;
        MIXERLINEA line = QueryLine(device, destination.dwDestination, s, MIXER_GETLINEINFOF_SOURCE, ok);
        if (ok) list_.Add(std::make_unique<TMixerConnection>(device, line));
    }
}

TMixerDestination::TMixerDestination(const TMixerDevice& device, const MIXERLINEA& line)
    : line_(line), connections_(device, line_), controls_(device, line_) {}

TMixerDestinations::TMixerDestinations(const TMixerDevice& device, int count) {
    const int lines = count < static_cast<int>(kMaxLines) ? count : static_cast<int>(kMaxLines);
    for (int d = 0; d < lines; ++d) {
        bool ok = false;
        MIXERLINEA line = QueryLine(device, static_cast<DWORD>(d), 0, MIXER_GETLINEINFOF_DESTINATION, ok);
        if (ok) list_.Add(std::make_unique<TMixerDestination>(device, line));
    }
}

}  // namespace dorvane
