// The binary interface of zeldevtopvolctrl.dll: the device record that the
// program reads in place, and the signatures of the exports. Shared by the
// library, the simulated library and the mixer component that loads either.
#pragma once
#include <windows.h>
#include <cstddef>
#include <cstdint>

namespace dorvane {

constexpr int kEndpointTableSize = 100;
constexpr int kEndpointNameUnits = 256;  // 255 units and the terminating zero

static_assert(sizeof(wchar_t) == 2, "endpoint names are UTF-16");

struct TEndpointDeviceRecord {
    int32_t Index;
    wchar_t Name[kEndpointNameUnits];
    uint8_t Default;
    uint8_t Mute;
    uint8_t Selected;
    uint8_t Reserved;
};
static_assert(sizeof(TEndpointDeviceRecord) == 520, "the record layout is part of the interface");
static_assert(offsetof(TEndpointDeviceRecord, Name) == 4);
static_assert(offsetof(TEndpointDeviceRecord, Default) == 516);
static_assert(offsetof(TEndpointDeviceRecord, Mute) == 517);
static_assert(offsetof(TEndpointDeviceRecord, Selected) == 518);

// Flow 0 is playback, any other value recording.
using TZelInitDeviceNotification = void(WINAPI*)(HWND window, UINT deviceMsg, UINT propertyMsg, UINT controlMsg);
using TZelDevEnum = bool(WINAPI*)();
using TZelDevTop = bool(WINAPI*)(int flow, int index);
using TZelRefreshDeviceList = HRESULT(WINAPI*)(int flow);
using TZelGetDevListCnt = UINT(WINAPI*)(int flow);
using TZelGetListDevName = void(WINAPI*)(int flow, int index, wchar_t* buffer, int size);
using TZelSlctDevFromList = bool(WINAPI*)(int flow, int index);
using TZelGetVolume = float(WINAPI*)(int flow, int channel, int* valid);
using TZelSetVolume = int(WINAPI*)(int flow, float decibels, int channel);
using TZelGetMute = int(WINAPI*)(int flow);
using TZelSetMute = HRESULT(WINAPI*)(int flow, int mute);
using TZelGetVolRange = int(WINAPI*)(int flow, float* minDb, float* maxDb, float* stepDb);

}  // namespace dorvane

// The exports themselves, for the two libraries that define them.
extern "C" {
bool WINAPI zeldevenum();
bool WINAPI zeldevtop(int flow, int index);
HRESULT WINAPI zelrefreshdevicelist(int flow);
UINT WINAPI zelGetDevListCnt(int flow);
void WINAPI zelGetListDevName(int flow, int index, wchar_t* buffer, int size);
bool WINAPI zelSlctDevFromList(int flow, int index);
float WINAPI zelGetVolume(int flow, int channel, int* valid);
int WINAPI zelSetVolume(int flow, float decibels, int channel);
int WINAPI zelGetMute(int flow);
HRESULT WINAPI zelSetMute(int flow, int mute);
int WINAPI zelGetVolRange(int flow, float* minDb, float* maxDb, float* stepDb);
void WINAPI zelInitDeviceNotification(HWND window, UINT deviceMsg, UINT propertyMsg, UINT controlMsg);
}
