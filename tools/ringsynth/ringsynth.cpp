// ringsynth OUTPUT.wav: writes the default ring tone. Run by the build with
// the host compiler's program, once per program folder.
#include <cstdio>
#include <fstream>
#include "RingSynth.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ringsynth OUTPUT.wav\n");
        return 2;
    }
    const std::string wave = dorvane::RingToneWave();
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(wave.data(), static_cast<std::streamsize>(wave.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "ringsynth: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
