// The panel in a program folder the system code page cannot name: a per-user
// install under a Cyrillic user name on a Western system.
#include <windows.h>
#include <gtest/gtest.h>
#include <memory>
#include "PanelProcess.h"
#include "PeerWindow.h"
#include "TempFolder.h"
#include "i18n/TextConvert.h"
#include "phonesim/PhoneService.h"

namespace dorvane::testing {
namespace {

std::wstring LongPath(const std::wstring& path) {
    std::wstring full(32768, L'\0');
    const DWORD n = GetLongPathNameW(path.c_str(), full.data(), static_cast<DWORD>(full.size()));
    full.resize(n < full.size() ? n : 0);
    return full;
}

TEST(ProgramFolderScenario, FilesBesideThePanelAndSkypesSilentToneWorkUnderAnyUserName) {
    if (FindPanelForm()) RunPanelToEnd({"VobDestroyMode"});
    const std::wstring user = L"\x0418\x0432\x0430\x043D";
    if (WidenText(NarrowText(user, CP_ACP), CP_ACP) == user) GTEST_SKIP() << "the system code page has the name";
    dorvane::test::TempFolder base;
    const std::wstring program = WidenText(base.Path(), CP_ACP) + L"\\" + user + L"\\DorvaneUI";
    ASSERT_TRUE(CreateDirectoryW((WidenText(base.Path(), CP_ACP) + L"\\" + user).c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(program.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((program + L"\\ring").c_str(), nullptr));
    ASSERT_TRUE(CopyFileW(WidenText(ProgramPath("DorvaneUI.exe"), CP_ACP).c_str(), (program + L"\\DorvaneUI.exe").c_str(), FALSE));
    ASSERT_TRUE(CopyFileW(WidenText(ProgramPath("ring\\ring_in.wav"), CP_ACP).c_str(),
                          (program + L"\\ring\\ring_in.wav").c_str(), FALSE));

    phonesim::ServiceConfig config;
    config.phone_present = config.softphone_present = true;
    phonesim::PhoneService service(config);
    ASSERT_TRUE(service.Start());
    PanelProcess panel({}, program);
    ASSERT_NE(WaitForPanelForm(), nullptr);

    // Skype is given a path that leads to the silent tone.
    ASSERT_TRUE(PumpUntil([&] { return !service.RingTonePath().empty(); }, 8000));
    const std::wstring told = Utf8ToWide(service.RingTonePath());
    EXPECT_EQ(LongPath(told), LongPath(program + L"\\ring\\mute.wav")) << service.RingTonePath();
    // The files beside the program are where the program is.
    for (const wchar_t* file : {L"defaultWeb.vob", L"urlList.vob", L"ring.vob", L"ring\\mute.wav"})
        EXPECT_NE(GetFileAttributesW((program + L"\\" + file).c_str()), INVALID_FILE_ATTRIBUTES) << NarrowText(file, CP_ACP);
}

}  // namespace
}  // namespace dorvane::testing
