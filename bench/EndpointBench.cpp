// One activation round of the mixer component on the endpoint path, as the
// volume group runs it when the phone comes: enumerate, find and select the
// phone's endpoints, read both levels and mutes. The library below is the
// simulated one beside this program, as the panel finds the real one.
//
// Baseline: the library calls such a round makes, called straight through
// the table the component loaded. The ratio is the component's own cost
// (name matching, the tables, the decibel scale) per library call.
#include <windows.h>
#include <cstdint>
#include <cstdio>
#include <string>
#include "BenchSupport.h"
#include "audio/Audiomixer.h"

int main() {
    using namespace dorvane;
    TAudioMixer mixer(3, TWinmmApi::Real(), "");
    std::string out, in;
    mixer.Enum();
    if (!mixer.LibraryLoaded() || !mixer.ActiveMixer("USB", "USB", out, in, true)) {
        std::printf("endpoint: the simulated library beside the benchmark found no phone\n");
        return 1;
    }
    const TEndpointLibraryTable& lib = mixer.LibraryTable();
    const int render = mixer.RenderIndex(), capture = mixer.CaptureIndex();
    const UINT property = mixer.PropertyMessage();
    const HWND window = mixer.Window();

    const bench::Comparison c = bench::Compare(
        [&](std::int64_t) {
            int level = 0, level2 = 0, mute = 0;
            bool levelMissing = false, muteMissing = false;
            mixer.Enum();
            bench::Consume(mixer.ActiveMixer("USB", "USB", out, in, true));
            mixer.GetVolume(0, -1, level, level2, mute, levelMissing, muteMissing);
            bench::Consume(static_cast<std::uint64_t>(level + level2 + mute));
            mixer.GetVolume(1, -1, level, level2, mute, levelMissing, muteMissing);
            bench::Consume(static_cast<std::uint64_t>(level + level2 + mute));
        },
        [&](std::int64_t) {
            float lo = 0, hi = 0, step = 0;
            int valid = 0;
            bench::Consume(lib.zeldevenum());
            lib.zelInitDeviceNotification(window, TAudioMixer::kLineChangeMessage, property,
                                          TAudioMixer::kControlChangeMessage);
            bench::Consume(lib.zelSlctDevFromList(0, render) && lib.zelSlctDevFromList(1, capture));
            lib.zelGetVolRange(0, &lo, &hi, &step);
            lib.zelGetVolRange(1, &lo, &hi, &step);
            float sum = lib.zelGetVolume(0, 0, &valid) + lib.zelGetVolume(0, 1, &valid) + lib.zelGetVolume(1, 0, &valid);
            bench::Consume(static_cast<std::uint64_t>(sum + lo + hi) + lib.zelGetMute(0) + lib.zelGetMute(1));
        });
    bench::Report("endpoint", c, 0);
    return 0;
}
