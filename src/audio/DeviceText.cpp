#include "audio/DeviceText.h"

namespace dorvane {
namespace {
unsigned char Folded(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') ? static_cast<unsigned char>(u - 'a' + 'A') : u;
}

bool OnlyBlanks(std::string_view rest) {
    for (char c : rest)
        if (c != ' ') return false;
    return true;
}
}  // namespace

bool SameDeviceText(std::string_view a, std::string_view b) {
    const size_t common = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < common; ++i)
        if (Folded(a[i]) != Folded(b[i])) return false;
    return OnlyBlanks(a.substr(common)) && OnlyBlanks(b.substr(common));
}

}  // namespace dorvane
