// The keypad's key codes as the phone service reports them in the low byte
// of the key event (link/LinkProtocol.h). The service and the panel agree on
// these numbers; every other code is no key of the panel's.
#pragma once
#include <cstdint>

namespace dorvane {

inline constexpr uint8_t kKeyUp = 17;
inline constexpr uint8_t kKeyDown = 31;
inline constexpr uint8_t kKeyLeft = 37;
inline constexpr uint8_t kKeyRight = 38;
inline constexpr uint8_t kKeyPage = 36;
// The rows labelled 1 to 5.
inline constexpr uint8_t kKeyRow1 = 35;
inline constexpr uint8_t kKeyRow2 = 30;
inline constexpr uint8_t kKeyRow3 = 25;
inline constexpr uint8_t kKeyRow4 = 20;
inline constexpr uint8_t kKeyRow5 = 34;
inline constexpr uint8_t kKeyRows[] = {kKeyRow1, kKeyRow2, kKeyRow3, kKeyRow4, kKeyRow5};
// The service reports this code for a key the panel must never act on;
// holding it is holding nothing.
inline constexpr uint8_t kKeyIgnored = 32;

}  // namespace dorvane
