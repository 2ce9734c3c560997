#include "SoundDevices.h"
#include <mmsystem.h>
#include <mmddk.h>
#include <cwchar>
#include "controls/Handles.h"

namespace dorvane::soundpanel {
namespace {

// The mapper's own messages; mmddk.h names only the first.
constexpr UINT kPreferredGet = DRVM_MAPPER_PREFERRED_GET;
constexpr UINT kPreferredSet = DRVM_MAPPER + 22;

// A message to one device (index) or to the mapper (index -1).
MMRESULT DeviceMessage(TDeviceKind kind, int index, UINT msg, DWORD_PTR p1, DWORD_PTR p2) {
    const UINT_PTR id = index < 0 ? static_cast<UINT_PTR>(WAVE_MAPPER) : static_cast<UINT_PTR>(index);
    switch (kind) {
        case TDeviceKind::Playback: return waveOutMessage(reinterpret_cast<HWAVEOUT>(id), msg, p1, p2);
        case TDeviceKind::Recording: return waveInMessage(reinterpret_cast<HWAVEIN>(id), msg, p1, p2);
        case TDeviceKind::Midi: return midiOutMessage(reinterpret_cast<HMIDIOUT>(id), msg, p1, p2);
    }
    return MMSYSERR_NOTSUPPORTED;
}

// Wine keeps the default devices per audio driver, under the driver named
// in its "Audio" setting (PulseAudio when there is none).
std::wstring WineDriverKey() {
    std::wstring driver = L"pulse";
    RegKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\Drivers", 0, KEY_QUERY_VALUE, key.Put()) == ERROR_SUCCESS) {
        wchar_t value[64] = {};
        DWORD size = sizeof value - sizeof(wchar_t);
        DWORD type = 0;
        if (RegQueryValueExW(key.get(), L"Audio", nullptr, &type, reinterpret_cast<BYTE*>(value), &size) ==
                ERROR_SUCCESS &&
            type == REG_SZ && value[0]) {
            driver = value;
            driver = driver.substr(0, driver.find(L','));
        }
    }
    return L"Software\\Wine\\Drivers\\wine" + driver + L".drv";
}

const wchar_t* WineValueName(TDeviceKind kind) {
    return kind == TDeviceKind::Recording ? L"DefaultInput" : L"DefaultOutput";
}

}  // namespace

std::vector<std::wstring> DeviceNames(TDeviceKind kind) {
    std::vector<std::wstring> names;
    switch (kind) {
        case TDeviceKind::Playback:
            for (UINT i = 0, n = waveOutGetNumDevs(); i < n; ++i) {
                WAVEOUTCAPSW caps{};
                names.push_back(waveOutGetDevCapsW(i, &caps, sizeof caps) == MMSYSERR_NOERROR ? caps.szPname : L"");
            }
            break;
        case TDeviceKind::Recording:
            for (UINT i = 0, n = waveInGetNumDevs(); i < n; ++i) {
                WAVEINCAPSW caps{};
                names.push_back(waveInGetDevCapsW(i, &caps, sizeof caps) == MMSYSERR_NOERROR ? caps.szPname : L"");
            }
            break;
        case TDeviceKind::Midi:
            for (UINT i = 0, n = midiOutGetNumDevs(); i < n; ++i) {
                MIDIOUTCAPSW caps{};
                names.push_back(midiOutGetDevCapsW(i, &caps, sizeof caps) == MMSYSERR_NOERROR ? caps.szPname : L"");
            }
            break;
    }
    return names;
}

int PreferredDevice(TDeviceKind kind) {
    // Wine's winmm finds its devices at the first call that counts them;
    // before that the mapper names no device.
    const size_t count = DeviceNames(kind).size();
    DWORD device = 0, flags = 0;
    if (DeviceMessage(kind, -1, kPreferredGet, reinterpret_cast<DWORD_PTR>(&device),
                      reinterpret_cast<DWORD_PTR>(&flags)) != MMSYSERR_NOERROR)
        return -1;
    return device < count ? static_cast<int>(device) : -1;
}

bool MakeDefault(TDeviceKind kind, int index) {
    if (index < 0) return false;
    if (DeviceMessage(kind, -1, kPreferredSet, static_cast<DWORD_PTR>(index), 0) == MMSYSERR_NOERROR) return true;
    // Wine's winmm does not take a preferred device; its audio driver does.
    if (kind == TDeviceKind::Midi) return false;
    const std::wstring id = WaveDeviceId(kind, index);
    return !id.empty() && SetWineDefaultDevice(kind, id);
}

std::wstring WaveDeviceId(TDeviceKind kind, int index) {
    if (kind == TDeviceKind::Midi || index < 0) return {};
    DWORD_PTR size = 0;
    if (DeviceMessage(kind, index, DRV_QUERYFUNCTIONINSTANCEIDSIZE, reinterpret_cast<DWORD_PTR>(&size), 0) !=
            MMSYSERR_NOERROR ||
        size < sizeof(wchar_t))
        return {};
    std::wstring id(size / sizeof(wchar_t), L'\0');
    if (DeviceMessage(kind, index, DRV_QUERYFUNCTIONINSTANCEID, reinterpret_cast<DWORD_PTR>(id.data()), size) !=
        MMSYSERR_NOERROR)
        return {};
    id.resize(wcsnlen(id.c_str(), id.size()));
    return id;
}

std::wstring WineDefaultDevice(TDeviceKind kind) {
    wchar_t value[256] = {};
    DWORD size = sizeof value - sizeof(wchar_t);
    RegKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, WineDriverKey().c_str(), 0, KEY_QUERY_VALUE, key.Put()) != ERROR_SUCCESS)
        return {};
    DWORD type = 0;
    const bool read = RegQueryValueExW(key.get(), WineValueName(kind), nullptr, &type, reinterpret_cast<BYTE*>(value),
                                       &size) == ERROR_SUCCESS &&
                      type == REG_SZ;
    return read ? std::wstring(value) : std::wstring();
}

bool SetWineDefaultDevice(TDeviceKind kind, const std::wstring& id) {
    RegKey key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, WineDriverKey().c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.Put(),
                        nullptr) != ERROR_SUCCESS)
        return false;
    if (id.empty()) {
        const LONG r = RegDeleteValueW(key.get(), WineValueName(kind));
        return r == ERROR_SUCCESS || r == ERROR_FILE_NOT_FOUND;
    }
    return RegSetValueExW(key.get(), WineValueName(kind), 0, REG_SZ, reinterpret_cast<const BYTE*>(id.c_str()),
                          static_cast<DWORD>((id.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace dorvane::soundpanel
