// The endpoint path when the library is not beside the program: the copy
// the program carries is written out and loaded; where that cannot be
// written, the mixer runs without a library and finds nothing.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "SimWinmm.h"
#include "audio/Audiomixer.h"

namespace dorvane::test {
namespace {

std::string FreshFolder() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder =
        std::string(temp) + "dorvane-audio-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

DWORD FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return data.nFileSizeLow;
}

TEST(LibraryFallback, CarriedCopyIsWrittenAndLoaded) {
    // Only where the program is not already given a library by name.
    if (HMODULE existing = LoadLibraryA(TAudioMixer::kLibraryName)) {
        FreeLibrary(existing);
        GTEST_SKIP() << "a zeldevtopvolctrl.dll is on the search path";
    }
    HRSRC image = FindResourceA(nullptr, "ZELDEVTOPVOLCTRL", MAKEINTRESOURCEA(10));
    ASSERT_NE(nullptr, image) << "the test program carries the library like the panel does";
    const std::string folder = FreshFolder();
    const std::string path = folder + TAudioMixer::kLibraryName;
    {
        // A stale, damaged copy is replaced.
        HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD n = 0;
        WriteFile(f, "junk", 4, &n, nullptr);
        CloseHandle(f);
    }
    {
        SimWinmm sim;
        TAudioMixer mixer(3, SimWinmm::Table(), folder);
        EXPECT_TRUE(mixer.EndpointMode());
        ASSERT_TRUE(mixer.LibraryLoaded());
        EXPECT_EQ(SizeofResource(nullptr, image), FileSize(path));
        const TEndpointLibraryTable& t = mixer.LibraryTable();
        const void* entries[] = {reinterpret_cast<const void*>(t.zelInitDeviceNotification),
                                 reinterpret_cast<const void*>(t.zeldevenum),
                                 reinterpret_cast<const void*>(t.zelGetDevListCnt),
                                 reinterpret_cast<const void*>(t.zelSlctDevFromList),
                                 reinterpret_cast<const void*>(t.zelGetVolume),
                                 reinterpret_cast<const void*>(t.zelSetVolume),
                                 reinterpret_cast<const void*>(t.zelGetMute),
                                 reinterpret_cast<const void*>(t.zelSetMute),
                                 reinterpret_cast<const void*>(t.zelGetVolRange),
                                 t.RenderDevList,
                                 t.CaptureDevList};
        for (const void* entry : entries) EXPECT_NE(nullptr, entry);
        // The carried library asks the platform; without a device topology
        // (Wine) the enumeration fails and no device is offered.
        mixer.Enum();
        if (!mixer.Enumerated()) {
            EXPECT_EQ(0, mixer.WaveOutDevNum());
        }
        mixer.FreeDll();
        EXPECT_FALSE(mixer.LibraryLoaded());
        EXPECT_EQ(nullptr, mixer.LibraryTable().RenderDevList);
    }
    EXPECT_TRUE(DeleteFileA(path.c_str()));
    RemoveDirectoryA(folder.c_str());
}

TEST(LibraryFallback, UnwritableFolderLeavesAnEmptyTableAndNoDevices) {
    if (HMODULE existing = LoadLibraryA(TAudioMixer::kLibraryName)) {
        FreeLibrary(existing);
        GTEST_SKIP() << "a zeldevtopvolctrl.dll is on the search path";
    }
    SimWinmm sim;
    sim.AddWaveOut("USB Audio Device", -1);  // never asked on this path
    TAudioMixer mixer(3, SimWinmm::Table(), "Q:\\no such folder\\");
    EXPECT_FALSE(mixer.LibraryLoaded());
    EXPECT_EQ(nullptr, mixer.LibraryTable().zeldevenum);
    mixer.Enum();
    EXPECT_FALSE(mixer.Enumerated());
    EXPECT_EQ(0, mixer.WaveOutDevNum());
    EXPECT_EQ(0, mixer.WaveInDevNum());
    EXPECT_EQ("", mixer.WaveOutDevName(0, false));
    std::string out = "x", in = "x";
    EXPECT_FALSE(mixer.ActiveMixer("USB", "USB", out, in, true));
    EXPECT_EQ("", out);
    EXPECT_EQ("", in);
    int level = 5, level2 = 5, mute = 5;
    bool levelMissing = false, muteMissing = false;
    EXPECT_TRUE(mixer.GetVolume(0, -1, level, level2, mute, levelMissing, muteMissing));
    EXPECT_TRUE(levelMissing);
    EXPECT_TRUE(muteMissing);
    EXPECT_TRUE(mixer.SetVolume(0, -1, 100, -1, 1));  // nothing to write to, no crash
    // The line change of the endpoint path is raised even without a phone.
    int lines = 0;
    mixer.OnLineChange = [&](TAudioMixer&, UINT, UINT) { ++lines; };
    SendMessageA(mixer.Window(), TAudioMixer::kLineChangeMessage, 1, 0);
    EXPECT_EQ(1, lines);
}

}  // namespace
}  // namespace dorvane::test
