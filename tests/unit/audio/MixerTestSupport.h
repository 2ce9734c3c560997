// Helpers shared by the mixer tests: delivering what was posted to the
// mixer's hidden window, and recording the events it raises.
#pragma once
#include <windows.h>
#include <string>
#include <vector>
#include "audio/Audiomixer.h"

namespace dorvane::test {

// Dispatches everything already posted to this thread's windows.
inline void DeliverPosted() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

// Every event of a mixer, one line each: "ctrl lPara wPara".
struct EventLog {
    std::vector<std::string> lines;
    void Attach(TAudioMixer& mixer) {
        auto record = [this](const char* what) {
            return [this, what](TAudioMixer&, UINT lPara, UINT wPara) {
                lines.push_back(std::string(what) + " " + std::to_string(lPara) + " " + std::to_string(wPara));
            };
        };
        mixer.OnLineChange = record("line");
        mixer.OnCtrlChange = record("ctrl");
        mixer.OnPropertyChange = record("property");
        mixer.OnSysDefaultSuccess = [this](TAudioMixer&, int out, int in) {
            lines.push_back("default " + std::to_string(out) + " " + std::to_string(in));
        };
        mixer.OnSysDefaultFail = [this](TAudioMixer&) { lines.push_back("default failed"); };
    }
};

}  // namespace dorvane::test
