// zeldevtopvolctrl.dll: one endpoint library per process behind the plain
// exports and the two device tables.
#include <memory>
#include "endpointlib/EndpointLibApi.h"
#include "endpointlib/EndpointLibrary.h"

using dorvane::TEndpointDeviceRecord;
using dorvane::TEndpointLibrary;

extern "C" {
TEndpointDeviceRecord RenderDevList[dorvane::kEndpointTableSize];
TEndpointDeviceRecord CaptureDevList[dorvane::kEndpointTableSize];
}

namespace {
std::unique_ptr<TEndpointLibrary> g_library;
TEndpointLibrary& Library() { return *g_library; }
}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_library = std::make_unique<TEndpointLibrary>(RenderDevList, CaptureDevList);
    } else if (reason == DLL_PROCESS_DETACH && g_library) {
        // At process exit the platform's objects may be torn down already.
        if (reserved) g_library->Abandon();
        g_library.reset();
    }
    return TRUE;
}

extern "C" {
bool WINAPI zeldevenum() { return Library().DevEnum(); }
bool WINAPI zeldevtop(int flow, int index) { return Library().DevTop(flow, index); }
HRESULT WINAPI zelrefreshdevicelist(int flow) { return Library().RefreshDeviceList(flow); }
UINT WINAPI zelGetDevListCnt(int flow) { return Library().GetDevListCnt(flow); }
void WINAPI zelGetListDevName(int flow, int index, wchar_t* buffer, int size) {
    Library().GetListDevName(flow, index, buffer, size);
}
bool WINAPI zelSlctDevFromList(int flow, int index) { return Library().SlctDevFromList(flow, index); }
float WINAPI zelGetVolume(int flow, int channel, int* valid) { return Library().GetVolume(flow, channel, valid); }
int WINAPI zelSetVolume(int flow, float decibels, int channel) { return Library().SetVolume(flow, decibels, channel); }
int WINAPI zelGetMute(int flow) { return Library().GetMute(flow); }
HRESULT WINAPI zelSetMute(int flow, int mute) { return Library().SetMute(flow, mute); }
int WINAPI zelGetVolRange(int flow, float* minDb, float* maxDb, float* stepDb) {
    return Library().GetVolRange(flow, minDb, maxDb, stepDb);
}
void WINAPI zelInitDeviceNotification(HWND window, UINT deviceMsg, UINT propertyMsg, UINT controlMsg) {
    Library().InitDeviceNotification(window, deviceMsg, propertyMsg, controlMsg);
}
}
