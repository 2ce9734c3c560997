// TAudioMixer: the one way to the sound hardware. The device model arrives
// with the mixer work; the panel already calls it where devices change.
#pragma once

namespace dorvane {

class TAudioMixer {
public:
    // Re-reads the sound devices of the path in use.
    void Enum() {}
};

}  // namespace dorvane
