// soak [COUNT]: the leak check at full length (100,000 messages unless told).
// Exit status 0 when the panel's GDI objects, USER objects and private bytes
// stay within 1% from the warm-up to the end.
#include <cstdio>
#include <cstdlib>
#include "SoakRun.h"

int main(int argc, char** argv) {
    using namespace dorvane::testing;
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 100000;
    if (count <= 0) {
        std::fprintf(stderr, "usage: soak [COUNT]\n");
        return 2;
    }
    const SoakResult r = RunSoak(count, WarmupFor(count));
    if (!r.ran) {
        std::printf("soak: failed: %s\n", r.failure.c_str());
        return 1;
    }
    std::fputs(Report(r).c_str(), stdout);
    return AllFlat(r) ? 0 : 1;
}
