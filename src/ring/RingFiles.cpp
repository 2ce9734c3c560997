#include "ring/RingFiles.h"

namespace dorvane {
namespace {
constexpr std::size_t kSilenceBytes = 96000;
// RIFF size 96036, fmt chunk of 16: PCM, 1 channel, 16000 Hz, 32000 bytes a
// second, block 2, 16 bits; data 96000 bytes.
constexpr unsigned char kMuteHeader[44] = {
    'R', 'I', 'F', 'F', 0x24, 0x77, 0x01, 0x00, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
    0x10, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x80, 0x3E, 0x00, 0x00, 0x00, 0x7D, 0x00, 0x00,
    0x02, 0x00, 0x10, 0x00, 'd', 'a', 't', 'a', 0x00, 0x77, 0x01, 0x00};
}  // namespace

std::string MuteWaveBytes() {
    std::string bytes(reinterpret_cast<const char*>(kMuteHeader), sizeof kMuteHeader);
    bytes.append(kSilenceBytes, '\0');
    return bytes;
}

}  // namespace dorvane
