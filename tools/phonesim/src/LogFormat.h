// How values appear in the simulator's log lines.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>
#include <string_view>

namespace phonesim {

// "0x" and at least one hex digit: window handles, wParam and lParam.
std::string Hex(uint64_t value);
inline std::string Hex(HWND window) { return Hex(reinterpret_cast<uintptr_t>(window)); }
// The 32-bit words of WM_PHONE_EVENT, always eight digits, so bytes line up.
std::string Word(uint32_t value);
// Text between double quotes; control bytes, quotes and backslashes escaped so
// one log entry stays one line. Bytes from 0x80 up pass unchanged (UTF-8).
std::string Quoted(std::string_view bytes);
// "on" or "off".
inline const char* OnOff(bool on) { return on ? "on" : "off"; }

}  // namespace phonesim
