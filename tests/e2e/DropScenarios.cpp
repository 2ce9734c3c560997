// Files dropped onto the real panel's ring list from another process, as the
// shell drops them: the drop block is written into the panel's own memory,
// then WM_DROPFILES is posted to the list.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>
#include "PanelProcess.h"
#include "PeerWindow.h"
#include "TempFolder.h"
#include "controls/Handles.h"
#include "phonesim/PhoneService.h"

namespace dorvane::testing {
namespace {
using dorvane::test::FileContents;
using dorvane::test::TempFolder;

// The rightmost list box: the ring page's file list (the folder list is
// left of it).
HWND FileList(HWND form) {
    std::vector<HWND> lists;
    Collect(form, "ListBox", lists);
    HWND right = nullptr;
    RECT best{};
    for (HWND l : lists) {
        RECT r{};
        GetWindowRect(l, &r);
        if (!right || r.left > best.left) right = l, best = r;
    }
    return right;
}

std::vector<std::wstring> Items(HWND list) {
    std::vector<std::wstring> items;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[MAX_PATH] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.emplace_back(text);
    }
    return items;
}

// A drop block of 8-bit names, written into the panel's process: a handle
// from this process would mean nothing there.
bool DropInto(HWND list, const std::vector<std::string>& names) {
    std::string block(sizeof(DROPFILES), '\0');
    auto* header = reinterpret_cast<DROPFILES*>(block.data());
    header->pFiles = sizeof(DROPFILES);
    for (const auto& name : names) block += name + '\0';
    block += '\0';
    DWORD pid = 0;
    GetWindowThreadProcessId(list, &pid);
    KernelHandle panel(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, pid));
    if (!panel) return false;
    void* remote = VirtualAllocEx(panel.get(), nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!remote || !WriteProcessMemory(panel.get(), remote, block.data(), block.size(), nullptr)) return false;
    return PostMessageA(list, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0) != FALSE;
}

TEST(DropScenario, DroppedFilesAreCopiedIntoTheRingFolderAndNothingThereIsOverwritten) {
    if (FindPanelForm()) RunPanelToEnd({"VobDestroyMode"});
    TempFolder program, incoming;
    CopyFileA(ProgramPath("DorvaneUI.exe").c_str(), (program.Path() + "\\DorvaneUI.exe").c_str(), FALSE);
    program.Folder("ring");
    program.File("ring\\ring_in.wav", "the user's own tone");
    const std::vector<std::string> dropped = {incoming.File("bell.wav", "bell"), incoming.File("ring_in.wav", "other"),
                                              incoming.File("notes.txt", "notes"), incoming.Folder("sounds.wav")};

    phonesim::ServiceConfig config;
    config.phone_present = true;
    phonesim::PhoneService service(config);
    ASSERT_TRUE(service.Start());
    PanelProcess panel({}, program.Path());
    HWND form = WaitForPanelForm();
    ASSERT_NE(form, nullptr);
    HWND list = FileList(form);
    ASSERT_NE(list, nullptr);
    auto accepts = [&] { return (GetWindowLongPtrA(list, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0; };
    EXPECT_FALSE(accepts());

    // The page key opens the window, then turns to the ring page.
    auto page_key = [&] {
        service.KeyDown(36);
        service.KeyUp();
    };
    // Keys reach only a panel the service knows.
    ASSERT_TRUE(PumpUntil([&] { return service.WaitForPanel(std::chrono::milliseconds(0)); }, 8000));
    page_key();
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(form) != FALSE; }, 5000));
    page_key();
    ASSERT_TRUE(PumpUntil(accepts, 5000));

    std::vector<HWND> bars;
    Collect(form, PROGRESS_CLASSA, bars);
    ASSERT_EQ(bars.size(), 1u);
    auto full = [&] {
        const LRESULT top = SendMessageA(bars[0], PBM_GETRANGE, FALSE, 0);
        return top == static_cast<LRESULT>(dropped.size()) && SendMessageA(bars[0], PBM_GETPOS, 0, 0) == top;
    };
    ASSERT_TRUE(DropInto(list, dropped));
    EXPECT_TRUE(PumpUntil(full, 5000));
    EXPECT_EQ(FileContents(program.Path() + "\\ring\\bell.wav"), "bell");
    EXPECT_EQ(FileContents(program.Path() + "\\ring\\ring_in.wav"), "the user's own tone");
    EXPECT_EQ(FileContents(program.Path() + "\\ring\\notes.txt"), "notes");  // copied, though not listed
    EXPECT_EQ(GetFileAttributesA((program.Path() + "\\ring\\sounds.wav").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(Items(list), (std::vector<std::wstring>{L"bell.wav", L"mute.wav", L"ring_in.wav"}));
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(panel.Running());
}

}  // namespace
}  // namespace dorvane::testing
