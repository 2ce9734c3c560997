// The endpoint library against fake platform objects: the tables, the
// topology walk and the controls it finds, selection, and the posted
// notifications. One test asks the real platform (Wine with PulseAudio).
#include <gtest/gtest.h>
#include <cstddef>
#include <memory>
#include <thread>
#include "FakeAudio.h"
#include "controls/Handles.h"
#include "controls/OleApartment.h"
#include "endpointlib/EndpointLibrary.h"

namespace dorvane::test {
namespace {
using Log = std::vector<std::string>;

struct EndpointLibrary : ::testing::Test {
    FakeScene scene;
    TEndpointDeviceRecord render[kEndpointTableSize];
    TEndpointDeviceRecord capture[kEndpointTableSize];
    std::unique_ptr<TEndpointLibrary> lib;

    void SetUp() override { FakeLog().clear(); }
    void Load() {
        lib = std::make_unique<TEndpointLibrary>(render, capture, ComPtr<IMMDeviceEnumerator>::Share(scene.enumerator.Get()));
    }
    static std::wstring Name(const TEndpointDeviceRecord& r) { return r.Name; }
};

TEST(EndpointRecord, LayoutIsTheOneTheProgramReads) {
    EXPECT_EQ(520u, sizeof(TEndpointDeviceRecord));
    EXPECT_EQ(0u, offsetof(TEndpointDeviceRecord, Index));
    EXPECT_EQ(4u, offsetof(TEndpointDeviceRecord, Name));
    EXPECT_EQ(516u, offsetof(TEndpointDeviceRecord, Default));
    EXPECT_EQ(517u, offsetof(TEndpointDeviceRecord, Mute));
    EXPECT_EQ(518u, offsetof(TEndpointDeviceRecord, Selected));
    EXPECT_EQ(519u, offsetof(TEndpointDeviceRecord, Reserved));
}

TEST_F(EndpointLibrary, EnumerationFillsTheTablesAndWatchesTheDefaults) {
    scene.Add(0, L"Speakers (USB Audio Device)", L"usb-out");
    scene.Add(0, L"Speakers (USB Audio Device)", L"usb-out-2");  // same name, other endpoint
    scene.Add(1, L"Microphone (USB Audio Device)", L"usb-in");
    scene.SetDefault(0, 1);
    scene.SetDefault(1, 0);
    Load();
    EXPECT_TRUE(lib->DevEnum());
    EXPECT_EQ((Log{"register client", "watch usb-out-2.level level", "watch usb-out-2.mute mute",
                   "watch usb-in.level level", "watch usb-in.mute mute"}),
              FakeLog());
    EXPECT_EQ(L"Speakers (USB Audio Device)", Name(render[0]));
    EXPECT_EQ(L"Speakers (USB Audio Device)", Name(render[1]));
    EXPECT_EQ((std::vector<int>{0, 1, 0}), (std::vector<int>{render[0].Index, render[1].Index, render[2].Index}));
    EXPECT_EQ((std::vector<int>{0, 1}), (std::vector<int>{render[0].Default, render[1].Default}));
    EXPECT_EQ((std::vector<int>{0, 1}), (std::vector<int>{render[0].Selected, render[1].Selected}));
    EXPECT_EQ((std::vector<int>{0, 1}), (std::vector<int>{render[0].Mute, render[1].Mute}));
    EXPECT_EQ(1, capture[0].Default);
    EXPECT_EQ(1, lib->SelectedIndex(0));
    EXPECT_EQ(2u, lib->GetDevListCnt(0));
    EXPECT_EQ(1u, lib->GetDevListCnt(1));

    // A second enumeration starts over: the client stays registered once.
    FakeLog().clear();
    EXPECT_TRUE(lib->DevEnum());
    EXPECT_EQ((Log{"unwatch usb-out-2.level", "unwatch usb-out-2.mute", "unwatch usb-in.level", "unwatch usb-in.mute",
                   "watch usb-out-2.level level", "watch usb-out-2.mute mute", "watch usb-in.level level",
                   "watch usb-in.mute mute"}),
              FakeLog());
}

TEST_F(EndpointLibrary, NoRecordingEndpointFailsButThePlaybackTableIsFilled) {
    scene.Add(0, L"Speakers (USB Audio Device)", L"usb-out");
    scene.SetDefault(0, 0);
    Load();
    EXPECT_FALSE(lib->DevEnum());
    EXPECT_EQ(L"Speakers (USB Audio Device)", Name(render[0]));
    EXPECT_EQ(1, render[0].Default);
    EXPECT_EQ(0u, lib->GetDevListCnt(1));
}

TEST_F(EndpointLibrary, EndpointWithoutANameKeepsAZeroRecord) {
    FakeScene::Options unnamed;
    unnamed.unreadableName = true;
    scene.Add(0, L"Hidden", L"a", unnamed);
    scene.Add(0, L"Speakers (USB Audio Device)", L"b");
    scene.Add(1, L"Microphone (USB Audio Device)", L"c");
    scene.SetDefault(0, 1);
    scene.SetDefault(1, 0);
    Load();
    EXPECT_TRUE(lib->DevEnum());
    EXPECT_EQ(L"", Name(render[0]));
    EXPECT_EQ(0, render[0].Index);
    EXPECT_EQ(1, render[1].Index);
    EXPECT_EQ(1, render[1].Default);
}

TEST_F(EndpointLibrary, WithoutTopologyTheTablesStillHoldTheEndpoints) {
    FakeScene::Options wine;  // what Wine answers for IDeviceTopology
    wine.topology = false;
    scene.Add(0, L"Speakers (USB Audio Device)", L"a", wine);
    scene.Add(1, L"Microphone (USB Audio Device)", L"b", wine);
    scene.SetDefault(0, 0);
    scene.SetDefault(1, 0);
    Load();
    EXPECT_FALSE(lib->DevEnum());
    EXPECT_EQ(1, render[0].Default);
    EXPECT_EQ(1, capture[0].Default);
    int valid = 7;
    EXPECT_EQ(0.0f, lib->GetVolume(0, 0, &valid));
    EXPECT_EQ(0, valid);
}

TEST_F(EndpointLibrary, WalkCrossesConnectorsInsideThePath) {
    FakeScene::Options bridged;
    bridged.bridge = true;
    auto out = scene.Add(0, L"Speakers (USB Audio Device)", L"o", bridged);
    auto in = scene.Add(1, L"Microphone (USB Audio Device)", L"i", bridged);
    scene.SetDefault(0, 0);
    scene.SetDefault(1, 0);
    Load();
    EXPECT_TRUE(lib->DevEnum());
    EXPECT_EQ(1u, out.levelPart->watchers.size());
    EXPECT_EQ(1u, in.mutePart->watchers.size());
}

// A topology that loops back on itself must not hang the walk: the playback
// path keeps the level it found before the loop, the recording path (nothing
// found) fails.
TEST_F(EndpointLibrary, ACyclicTopologyEndsTheWalk) {
    FakeScene::Options levelOnly, nothing;
    levelOnly.mute = false;
    nothing.level = nothing.mute = false;
    auto out = scene.Add(0, L"Speakers (USB Audio Device)", L"o", levelOnly);
    out.levelPart->next = out.levelPart;
    out.levelPart->nextIsIncoming = true;
    scene.Add(1, L"Microphone (USB Audio Device)", L"i", nothing);
    FakePart* plain = scene.parts.back().Get();
    plain->next = plain;
    plain->nextIsIncoming = false;
    scene.SetDefault(0, 0);
    scene.SetDefault(1, 0);
    Load();

    EXPECT_FALSE(lib->DevEnum());
    EXPECT_TRUE(lib->SlctDevFromList(0, 0));
    EXPECT_FALSE(lib->SlctDevFromList(1, 0));
    EXPECT_EQ(0, render[0].Mute);
    int valid = 0;
    lib->GetVolume(0, 0, &valid);
    EXPECT_EQ(1, valid);
}

TEST_F(EndpointLibrary, SelectionMovesTheWatchesAndTheMarks) {
    scene.Add(0, L"Speakers (High Definition Audio Device)", L"hd");
    FakeScene::Options noMute;
    noMute.mute = false;
    auto usb = scene.Add(0, L"Speakers (USB Audio Device)", L"usb", noMute);
    FakeScene::Options nothing;
    nothing.level = nothing.mute = false;
    scene.Add(0, L"Digital Output", L"spdif", nothing);
    scene.Add(1, L"Microphone", L"mic");
    scene.SetDefault(0, 0);
    scene.SetDefault(1, 0);
    Load();
    ASSERT_TRUE(lib->DevEnum());
    FakeLog().clear();

    // A level control and no mute control: selectable, mute mark clear.
    EXPECT_TRUE(lib->SlctDevFromList(0, 1));
    EXPECT_EQ((Log{"unwatch hd.level", "unwatch hd.mute", "watch usb.level level"}), FakeLog());
    EXPECT_EQ((std::vector<int>{0, 1}), (std::vector<int>{render[0].Selected, render[1].Selected}));
    EXPECT_EQ(0, render[1].Mute);
    EXPECT_EQ(0, lib->GetMute(0));
    EXPECT_EQ(0, lib->SetMute(0, 1));
    usb.levelPart->level->level[1] = -12.5f;
    int valid = 0;
    EXPECT_EQ(-12.5f, lib->GetVolume(0, 1, &valid));
    EXPECT_EQ(1, valid);

    // Neither control: not selectable, and the controls of before are gone.
    FakeLog().clear();
    EXPECT_FALSE(lib->SlctDevFromList(0, 2));
    EXPECT_EQ((Log{"unwatch usb.level"}), FakeLog());
    EXPECT_EQ(0.0f, lib->GetVolume(0, 0, &valid));
    EXPECT_EQ(0, valid);
    EXPECT_EQ(0, lib->SetVolume(0, -3.0f, 0));

    EXPECT_FALSE(lib->SlctDevFromList(0, 9));
    EXPECT_EQ(2, lib->SelectedIndex(0));
}

TEST_F(EndpointLibrary, LevelsMuteAndRange) {
    auto out = scene.Add(0, L"Speakers", L"o");
    auto in = scene.Add(1, L"Microphone", L"i");
    scene.SetDefault(0, 0);
    scene.SetDefault(1, 0);
    in.levelPart->level->lo = 0.0f;
    in.levelPart->level->hi = 24.0f;
    Load();
    ASSERT_TRUE(lib->DevEnum());
    FakeLog().clear();

    int valid = 0;
    lib->GetVolume(1, 1, &valid);  // recording: always channel 0
    lib->GetVolume(0, 1, &valid);
    EXPECT_EQ(1, lib->SetVolume(1, 6.0f, 1));
    EXPECT_EQ(1, lib->SetVolume(0, -6.0f, 1));
    EXPECT_EQ((Log{"i GetLevel 0", "o GetLevel 1", "i SetLevel 0 6.000000", "o SetLevel 1 -6.000000"}), FakeLog());

    EXPECT_EQ(S_OK, lib->SetMute(0, 1));
    EXPECT_EQ(1, lib->GetMute(0));
    EXPECT_EQ(0, lib->GetMute(1));

    float lo = 1, hi = 1, step = 1;
    EXPECT_EQ(0, lib->GetVolRange(1, &lo, &hi, &step));
    EXPECT_EQ((std::vector<float>{0.0f, 24.0f, 0.5f}), (std::vector<float>{lo, hi, step}));
    in.levelPart->level->rangeResult = E_FAIL;
    EXPECT_NE(0, lib->GetVolRange(1, &lo, &hi, &step));
    EXPECT_EQ((std::vector<float>{0.0f, 0.0f, 0.0f}), (std::vector<float>{lo, hi, step}));
    (void)out;
}

TEST_F(EndpointLibrary, FailedLevelReadIsNoLevelAndFailedWriteIsReported) {
    auto out = scene.Add(0, L"Speakers", L"o");
    scene.Add(1, L"Microphone", L"i");
    scene.SetDefault(0, 0);
    scene.SetDefault(1, 0);
    Load();
    ASSERT_TRUE(lib->DevEnum());
    out.levelPart->level->readResult = E_FAIL;
    out.levelPart->level->writeResult = E_FAIL;
    int valid = 1;
    EXPECT_EQ(0.0f, lib->GetVolume(0, 0, &valid));
    EXPECT_EQ(0, valid);
    EXPECT_EQ(0, lib->SetVolume(0, -1.0f, 0));
}

TEST_F(EndpointLibrary, RangeWithoutLevelControl) {
    Load();
    float lo = 1, hi = 1, step = 1;
    EXPECT_NE(0, lib->GetVolRange(0, &lo, &hi, &step));
    EXPECT_EQ((std::vector<float>{0.0f, 0.0f, 0.0f}), (std::vector<float>{lo, hi, step}));
}

TEST_F(EndpointLibrary, NamesFromTheListWithoutChangingTheSelection) {
    scene.Add(0, L"Speakers", L"o");
    scene.Add(0, L"Headphones", L"h");
    scene.Add(1, L"Microphone", L"i");
    scene.SetDefault(0, 0);
    scene.SetDefault(1, 0);
    Load();
    ASSERT_TRUE(lib->DevEnum());
    wchar_t buffer[8];
    lib->GetListDevName(0, 1, buffer, 8);
    EXPECT_STREQ(L"Headpho", buffer);
    lib->GetListDevName(0, 5, buffer, 8);
    EXPECT_STREQ(L"<Device", buffer);
    lib->GetListDevName(0, 1, nullptr, 8);  // no buffer, no crash
    EXPECT_EQ(0, lib->SelectedIndex(0));
    EXPECT_EQ(S_OK, lib->RefreshDeviceList(0));
    EXPECT_EQ(2u, lib->GetDevListCnt(0));
}

// Notifications go to the window given last, once one is given.
struct Notifications : EndpointLibrary {
    dorvane::WindowHandle window;
    void SetUp() override {
        EndpointLibrary::SetUp();
        window.reset(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr));
        ASSERT_TRUE(window);
        Load();
    }
    Log Posted() {
        Log out;
        MSG msg;
        while (PeekMessageA(&msg, window.get(), 0, 0, PM_REMOVE))
            out.push_back(std::to_string(msg.message) + " " + std::to_string(msg.wParam) + " " +
                          std::to_string(msg.lParam));
        return out;
    }
};

TEST_F(Notifications, EachCallbackPostsItsMessage) {
    IMMNotificationClient* client = lib->DeviceClient();
    PROPERTYKEY key{};
    client->OnDeviceStateChanged(L"x", DEVICE_STATE_UNPLUGGED);
    EXPECT_EQ(Log{}, Posted());  // no target yet

    lib->InitDeviceNotification(window.get(), 0x3D0, 0xC123, 0x3D1);
    EXPECT_EQ(S_OK, client->OnDeviceStateChanged(L"x", DEVICE_STATE_UNPLUGGED));
    EXPECT_EQ(S_OK, client->OnDeviceStateChanged(L"x", 0x10));  // outside the state mask
    EXPECT_EQ(S_OK, client->OnDeviceAdded(L"x"));
    EXPECT_EQ(S_OK, client->OnDeviceRemoved(L"x"));
    EXPECT_EQ(S_OK, client->OnDefaultDeviceChanged(eRender, eMultimedia, L"x"));
    EXPECT_EQ(S_OK, client->OnPropertyValueChanged(L"x", key));
    EXPECT_EQ(S_OK, lib->LevelClient(0)->OnNotify(0, nullptr));
    EXPECT_EQ(S_OK, lib->MuteClient(1)->OnNotify(0, nullptr));
    const std::string c = std::to_string(0xC123);
    EXPECT_EQ((Log{"976 1 0", "976 1 0", c + " 1 0", "977 0 1", "977 0 1"}), Posted());
}

TEST_F(Notifications, CallbacksAnswerOnlyTheirOwnInterfaces) {
    void* out = reinterpret_cast<void*>(1);
    IMMNotificationClient* client = lib->DeviceClient();
    EXPECT_EQ(S_OK, client->QueryInterface(IID_IUnknown, &out));
    EXPECT_EQ(static_cast<void*>(client), out);
    client->Release();
    EXPECT_EQ(S_OK, client->QueryInterface(IID_IZelNotification, &out));
    client->Release();
    EXPECT_EQ(E_NOINTERFACE, client->QueryInterface(__uuidof(IMMNotificationClient), &out));
    EXPECT_EQ(nullptr, out);
    out = reinterpret_cast<void*>(1);
    EXPECT_EQ(E_NOINTERFACE, lib->LevelClient(0)->QueryInterface(__uuidof(IAudioMute), &out));
    EXPECT_EQ(nullptr, out);
}

TEST_F(Notifications, CallbackObjectsOutliveTheLibrarySafely) {
    lib->InitDeviceNotification(window.get(), 0x3D0, 0xC123, 0x3D1);
    IMMNotificationClient* held = lib->DeviceClient();
    held->AddRef();  // as the platform would
    lib.reset();
    held->OnDefaultDeviceChanged(eRender, eConsole, L"x");
    held->Release();
    EXPECT_EQ(Log{}, Posted());
}

TEST_F(EndpointLibrary, UnloadingUnregistersEverything) {
    scene.Add(0, L"Speakers", L"o");
    scene.Add(1, L"Microphone", L"i");
    scene.SetDefault(0, 0);
    scene.SetDefault(1, 0);
    Load();
    ASSERT_TRUE(lib->DevEnum());
    FakeLog().clear();
    lib.reset();
    EXPECT_EQ((Log{"unregister client", "unwatch o.level", "unwatch o.mute", "unwatch i.level", "unwatch i.mute"}),
              FakeLog());
    EXPECT_EQ(nullptr, scene.enumerator->client);
}

// The real platform: Wine lists PulseAudio's devices as endpoints but has no
// device topology, so the enumeration reports failure with the tables filled.
// The library runs on the panel's thread, which is OLE's single-threaded
// apartment from the start: its own wish for the multithreaded one fails, it
// works in the apartment it finds, and it leaves that apartment as it was.
TEST(EndpointLibraryOnThisPlatform, ListsTheSoundDevicesInThePanelsApartment) {
    struct Seen {
        HRESULT ole = E_FAIL, afterLibrary = E_FAIL, afterOle = E_FAIL;
        bool enumerated = false, usb = false;
        UINT count = 0;
        int defaults = 0, valid = 7;
    } seen;
    std::thread([&] {
        {
            OleApartment ole;
            seen.ole = ole.Result();
            {
                TEndpointDeviceRecord render[kEndpointTableSize], capture[kEndpointTableSize];
                TEndpointLibrary lib(render, capture);
                seen.enumerated = lib.DevEnum();
                seen.count = lib.GetDevListCnt(0);
                for (UINT i = 0; i < seen.count && i < kEndpointTableSize; ++i) {
                    seen.defaults += render[i].Default;
                    seen.usb = seen.usb || std::wstring(render[i].Name).find(L"USB Audio Device") != std::wstring::npos;
                }
                lib.GetVolume(0, 0, &seen.valid);
            }
            seen.afterLibrary = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
            if (SUCCEEDED(seen.afterLibrary)) CoUninitialize();
        }
        // Nothing of the library's stays initialised on the thread.
        seen.afterOle = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (SUCCEEDED(seen.afterOle)) CoUninitialize();
    }).join();
    ASSERT_EQ(S_OK, seen.ole);
    EXPECT_EQ(RPC_E_CHANGED_MODE, seen.afterLibrary);
    EXPECT_EQ(S_OK, seen.afterOle);
    if (seen.count == 0) GTEST_SKIP() << "no playback endpoint on this machine";
    EXPECT_EQ(1, seen.defaults);
    EXPECT_TRUE(seen.usb) << "the session's \"USB Audio Device\" sink";
    if (!seen.enumerated) {
        EXPECT_EQ(0, seen.valid);
    }
}

}  // namespace
}  // namespace dorvane::test
