// A simulated winmm for the mixer component: wave devices, each tied to a
// mixer device with destination and source lines and their controls. It
// answers through a TWinmmApi table and logs what the component opens,
// closes and writes, so that tests compare one expected sequence.
#pragma once
#include <windows.h>
#include <mmsystem.h>
#include <string>
#include <vector>
#include "audio/MixerWinmm.h"

namespace dorvane::test {

struct SimControl {
    MIXERCONTROLA record{};
    std::vector<DWORD> values;  // channels x max(items, 1), channel-major
    bool failRead = false;
};

struct SimLine {
    MIXERLINEA record{};
    std::vector<SimControl> controls;
    bool failQuery = false;
    bool failControls = false;
};

struct SimDestination {
    SimLine line;
    std::vector<SimLine> sources;
};

struct SimMixer {
    std::string name;
    std::vector<SimDestination> destinations;
    bool failOpen = false;
    bool open = false;
    HWND callback = nullptr;
};

struct SimWave {
    std::string name;
    int mixer = -1;  // -1: mixerGetID fails
};

class SimWinmm {
public:
    SimWinmm();
    ~SimWinmm();
    SimWinmm(const SimWinmm&) = delete;
    SimWinmm& operator=(const SimWinmm&) = delete;

    static const TWinmmApi& Table();
    static SimWinmm* Current();

    int AddMixer(const std::string& name);
    int AddDestination(int mixer, const std::string& name, DWORD channels);
    int AddSource(int mixer, int destination, const std::string& name, DWORD channels);
    // source -1: the destination line. Values channel-major; items 0 for a
    // control that is not MULTIPLE. Returns the control id.
    DWORD AddControl(int mixer, int destination, int source, DWORD type, DWORD flags, std::vector<DWORD> values,
                     DWORD items = 0);
    SimControl& Control(DWORD id);
    SimLine& Line(int mixer, int destination, int source);
    void AddWaveOut(const std::string& name, int mixer) { waveOut.push_back({name, mixer}); }
    void AddWaveIn(const std::string& name, int mixer) { waveIn.push_back({name, mixer}); }

    // What a driver does when a control changes: the open mixer's window gets
    // MM_MIXM_CONTROL_CHANGE (MM_MIXM_LINE_CHANGE for a line).
    void PostControlChange(int mixer, DWORD controlId);
    void PostLineChange(int mixer, DWORD lineId);

    static HMIXER HandleOf(int mixer) { return reinterpret_cast<HMIXER>(static_cast<UINT_PTR>(0x7000 + mixer)); }
    static int MixerOf(HMIXEROBJ object);

    std::vector<SimWave> waveOut, waveIn;
    std::vector<SimMixer> mixers;
    std::vector<std::string> log;  // "open N", "close N", "set ID v,v,..."

private:
    DWORD nextId_ = 1;
};

}  // namespace dorvane::test
