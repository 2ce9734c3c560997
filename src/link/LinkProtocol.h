// The window-message protocol between the control panel, the phone service
// and a second start of the panel. Numbers and names are fixed: the phone
// service and older panel builds rely on them.
#pragma once
#include <windows.h>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvane {

// Private messages (fixed numbers).
constexpr UINT WM_PHONE_EVENT = WM_USER + 110;  // 1134
constexpr UINT WM_UI_EXIT = WM_USER + 111;      // 1135
constexpr UINT WM_UI_SHOW = WM_USER + 112;      // 1136

// The signature a second start puts on its request.
constexpr WPARAM kInstanceSignatureW = 51362;
constexpr LPARAM kInstanceSignatureL = 0x5D2E6A17;

// Registered message names.
constexpr char kDeviceChangeMessageName[] = "winmm_devicechange";
constexpr char kDiscoverMessageName[] = "TALVEXWiredUIDiscover";
constexpr char kAttachMessageName[] = "TALVEXWiredUIAttach";

// lParam of the attach message the panel broadcasts at start-up.
constexpr LPARAM kAttachBroadcastTag = 0x8001;

// Every send of the link gives up after this long on a hung receiver.
constexpr UINT kLinkSendTimeoutMs = 500;
// The link is taken down after this long without a discover or phone event.
constexpr UINT kWatchdogMs = 3000;

// Status word (wParam of WM_PHONE_EVENT).
constexpr uint32_t kSkypeBit = 1u << 0;
constexpr uint32_t kDeviceBit = 1u << 8;
constexpr uint32_t kKeyboardLockBit = 1u << 9;

// Key event (lParam of WM_PHONE_EVENT).
constexpr uint8_t kStatusUpdateKey = 0xFF;

// Call states (the key event's top byte) with a meaning to the panel.
constexpr uint8_t kCallRinging = 1;      // an incoming call rings
constexpr uint8_t kCallSpeakerKeys = 6;  // the up and down keys set the speaker

inline uint8_t KeyCodeOf(uint32_t key_event) { return static_cast<uint8_t>(key_event & 0xFF); }
inline uint8_t NavigationByteOf(uint32_t key_event) { return static_cast<uint8_t>((key_event >> 8) & 0xFF); }
inline uint8_t CallStateOf(uint32_t key_event) { return static_cast<uint8_t>((key_event >> 24) & 0xFF); }
inline uint32_t MakeKeyEvent(uint8_t key, uint8_t navigation, uint8_t call_state) {
    return uint32_t(key) | (uint32_t(navigation) << 8) | (uint32_t(call_state) << 24);
}

// A command to the phone service travels as "!" + text + a 0 byte.
std::vector<char> BuildCommandPayload(std::string_view text);

// The text of a WM_COPYDATA payload: up to its first 0 byte, never beyond
// cbData. No payload at all (no data or no bytes) gives nothing.
std::optional<std::string> ReadCopyDataText(const COPYDATASTRUCT* cds);

}  // namespace dorvane
