// Files dropped onto the real panel's ring list from another process, as the
// shell drops them: the drop block is written into the panel's own memory,
// then WM_DROPFILES is posted to the list.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>
#include "PanelProcess.h"
#include "PeerWindow.h"
#include "Surroundings.h"
#include "TempFolder.h"
#include "controls/Handles.h"
#include "i18n/TextConvert.h"
#include "link/KeypadKeys.h"
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
    KernelHandle panel(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION, FALSE, pid));
    if (!panel) return false;
    void* remote = VirtualAllocEx(panel.get(), nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!remote || !WriteProcessMemory(panel.get(), remote, block.data(), block.size(), nullptr)) return false;
    // The block's header is the same for a 32-bit panel, but its handle is
    // this address cut to 32 bits: it must lie below 4 GiB there.
    BOOL wow64 = FALSE;
    if (!IsWow64Process(panel.get(), &wow64)) return false;
    if (wow64 && reinterpret_cast<std::uintptr_t>(remote) > 0xFFFFFFFFu) return false;
    return PostMessageA(list, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0) != FALSE;
}

// The panel in a program folder of its own, its ring page open by the
// keypad, so that its file list takes drops.
class DropScenario : public ::testing::Test {
protected:
    void SetUp() override {
        if (FindPanelForm()) RunPanelToEnd({"VobDestroyMode"});
        CopyFileA(ProgramPath("DorvaneUI.exe").c_str(), (program.Path() + "\\DorvaneUI.exe").c_str(), FALSE);
        program.Folder("ring");
        program.File("ring\\ring_in.wav", "the user's own tone");
        config.phone_present = true;
    }
    // The panel's program folder.
    virtual std::string Home() const { return program.Path(); }
    void OpenRingPage() {
        service = std::make_unique<phonesim::PhoneService>(config);
        ASSERT_TRUE(service->Start());
        panel = std::make_unique<PanelProcess>(std::vector<std::string>{}, Home());
        form = WaitForPanelForm();
        ASSERT_NE(form, nullptr);
        ASSERT_TRUE(OpenAndClosePanelWindow(form));
        list = FileList(form);
        ASSERT_NE(list, nullptr);
        EXPECT_FALSE(Accepts());

        // The page key opens the window, then turns to the ring page.
        auto page_key = [&] {
            service->KeyDown(kKeyPage);
            service->KeyUp();
        };
        // Keys reach only a panel the service knows.
        ASSERT_TRUE(PumpUntil([&] { return service->WaitForPanel(std::chrono::milliseconds(0)); }, 8000));
        page_key();
        ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(form) != FALSE; }, 5000));
        page_key();
        ASSERT_TRUE(PumpUntil([&] { return Accepts(); }, 5000));
        Collect(form, PROGRESS_CLASSA, bars);
        ASSERT_EQ(bars.size(), 1u);
    }
    bool Accepts() const { return (GetWindowLongPtrA(list, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0; }
    // Drops the names and waits for the progress bar to stand full at their count.
    bool Drop(const std::vector<std::string>& dropped) {
        auto full = [&] {
            const LRESULT top = SendMessageA(bars[0], PBM_GETRANGE, FALSE, 0);
            return top == static_cast<LRESULT>(dropped.size()) && SendMessageA(bars[0], PBM_GETPOS, 0, 0) == top;
        };
        return DropInto(list, dropped) && PumpUntil(full, 5000);
    }
    std::string Ring(const std::string& name) const { return FileContents(program.Path() + "\\ring\\" + name); }

    TempFolder program, incoming;
    phonesim::ServiceConfig config;
    std::unique_ptr<phonesim::PhoneService> service;  // outlives the panel
    std::unique_ptr<PanelProcess> panel;
    HWND form = nullptr, list = nullptr;
    std::vector<HWND> bars;
};

TEST_F(DropScenario, DroppedFilesAreCopiedIntoTheRingFolderAndNothingThereIsOverwritten) {
    const std::vector<std::string> dropped = {incoming.File("bell.wav", "bell"), incoming.File("ring_in.wav", "other"),
                                              incoming.File("notes.txt", "notes"), incoming.Folder("sounds.wav")};
    OpenRingPage();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(Drop(dropped));
    EXPECT_EQ(FileContents(program.Path() + "\\ring\\bell.wav"), "bell");
    EXPECT_EQ(FileContents(program.Path() + "\\ring\\ring_in.wav"), "the user's own tone");
    EXPECT_EQ(FileContents(program.Path() + "\\ring\\notes.txt"), "notes");  // copied, though not listed
    EXPECT_EQ(GetFileAttributesA((program.Path() + "\\ring\\sounds.wav").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(Items(list), (std::vector<std::wstring>{L"bell.wav", L"mute.wav", L"ring_in.wav"}));
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(panel->Running());
}

TEST_F(DropScenario, NamesTooLongForTheirBufferAreSkippedNeverCut) {
    // Dropped names are fetched into 259 characters and a 0: a name of 258
    // fits, a longer one is skipped whole. A folder of its own makes the
    // lengths.
    const std::string base = incoming.Path() + "\\";
    const std::string folder = base + std::string(150 - base.size(), 'd');
    CreateDirectoryA(folder.c_str(), nullptr);
    auto named = [&](size_t length, char letter) {
        const std::string path = folder + "\\" + std::string(length - folder.size() - 1 - 4, letter) + ".wav";
        return path;
    };
    // Past MAX_PATH only the W calls with the "\\\\?\\" prefix reach a file.
    auto wide = [](const std::string& path) { return L"\\\\?\\" + std::wstring(path.begin(), path.end()); };
    auto make = [&](const std::string& path, const std::string& bytes) {
        KernelHandle file(CreateFileW(wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        DWORD written = 0;
        if (file) WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        return static_cast<bool>(file);
    };
    auto leaf = [](const std::string& path) { return path.substr(path.rfind('\\') + 1); };
    const std::string fits = named(258, 'a'), one_over = named(259, 'b'), two_over = named(260, 'c');
    // Cut to 258, this one would name an existing file.
    const std::string cut_exists = named(258, 'e');
    const std::string longer = cut_exists + std::string(40, 'x');
    const std::vector<std::pair<std::string, std::string>> files = {
        {fits, "fits"}, {one_over, "one over"}, {two_over, "two over"}, {cut_exists, "the cut name"}, {longer, "longer"}};
    for (const auto& [path, bytes] : files)
        ASSERT_TRUE(make(path, bytes)) << path.size();

    OpenRingPage();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(Drop({fits, one_over, two_over, longer}));
    const struct {
        const char* name;
        std::string file, bytes;
    } cases[] = {
        {"258 characters: copied", leaf(fits), "fits"},
        {"259: skipped", leaf(one_over), "<none>"},
        {"260: skipped", leaf(two_over), "<none>"},
        {"longer, cut to an existing name: not that one", leaf(cut_exists), "<none>"},
        {"longer, under its own name: not copied", leaf(longer), "<none>"},
    };
    for (const auto& c : cases) EXPECT_EQ(Ring(c.file), c.bytes) << c.name;
    EXPECT_TRUE(panel->Running());
    EXPECT_TRUE(SendMessageTimeoutA(form, WM_NULL, 0, 0, SMTO_NORMAL, 3000, nullptr));
    // The folder's own removal stops at paths this long.
    for (const auto& [path, bytes] : files) DeleteFileW(wide(path).c_str());
}

// A file's bytes through its UTF-16 name, or "<none>".
std::string ContentsOf(const std::wstring& path) {
    KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return "<none>";
    std::string bytes(GetFileSize(file.get(), nullptr), '\0');
    DWORD read = 0;
    ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    return bytes.substr(0, read);
}

std::wstring MakeFile(const std::wstring& path, const std::string& bytes) {
    KernelHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    if (file) WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    return path;
}

std::wstring Trimmed(const std::wstring& line) { return line.substr(std::min(line.find_first_not_of(L' '), line.size())); }

// What the folder list shows on the way down to a folder: the drive root,
// then each folder's name.
std::vector<std::wstring> WayDown(const std::wstring& folder) {
    std::vector<std::wstring> lines{folder.substr(0, 3)};
    for (size_t start = 3; start < folder.size();) {
        const size_t end = std::min(folder.find(L'\\', start), folder.size());
        lines.push_back(folder.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// A press and release of the left button on a line of a list, or a double click.
void ClickLine(HWND list, int index, bool twice = false) {
    const auto top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    const auto height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    const LPARAM at = MAKELPARAM(10, (index - top) * height + height / 2);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
    if (!twice) return;
    PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
}

// The panel at home in a folder named in code page 932 with characters whose
// second byte is the backslash's: 予定表 ends in one (表), ソフト begins with
// one (ソ). Its first start there, its folder list, files of such names
// dropped, and one of them made the ring tone.
class Cp932Scenario : public DropScenario, public ::testing::WithParamInterface<const wchar_t*> {
protected:
    void SetUp() override {
        if (GetACP() != 932) GTEST_SKIP() << "needs the system code page 932 (LC_ALL=ja_JP.UTF-8)";
        if (FindPanelForm()) RunPanelToEnd({"VobDestroyMode"});
        config.phone_present = true;
        // Play, which adopts a tone, needs an output device: the simulated
        // endpoints give one.
        home = WidenText(program.Path(), CP_ACP) + L"\\" + GetParam();
        ASSERT_TRUE(CreateDirectoryW(home.c_str(), nullptr));
        for (const char* file : {"DorvaneUI.exe", "zeldevtopvolctrl.dll"})
            ASSERT_TRUE(CopyFileW(WidenText(EndpointSimFolder() + "\\" + file, CP_ACP).c_str(),
                                  (home + L"\\" + WidenText(file, CP_ACP)).c_str(), FALSE));
    }
    std::string Home() const override { return NarrowText(home, CP_ACP); }
    HWND Folders() const {
        for (HWND sibling : Descendants(GetParent(list), "ListBox"))
            if (sibling != list) return sibling;
        return nullptr;
    }
    std::vector<std::wstring> FolderLines(size_t count) const {
        std::vector<std::wstring> lines;
        for (const auto& item : Items(Folders())) lines.push_back(Trimmed(item));
        lines.resize(std::min(count, lines.size()));
        return lines;
    }
    LRESULT FolderHighlight() const { return SendMessageW(Folders(), LB_GETCURSEL, 0, 0); }
    bool Shows(const std::wstring& text) const { return ChildTexts(form).count(NarrowText(text, CP_ACP)) > 0; }

    std::wstring home;
};

TEST_P(Cp932Scenario, AFirstStartDropsAndTheRingToneKeepEveryCharacterWhole) {
    const std::wstring table = L"\x8868.wav", song = L"\x30BD\x30F3\x30B0.wav";  // 表.wav, ソング.wav
    const std::wstring in = WidenText(incoming.Path(), CP_ACP) + L"\\";
    const std::string tone = FileContents(ProgramPath("ring\\ring_in.wav"));
    MakeFile(in + table, tone);
    MakeFile(in + song, tone);
    MakeFile(home + L"\\\x80FD.wav", "x");  // 能.wav beside the program
    OpenRingPage();
    ASSERT_FALSE(HasFatalFailure());
    const std::wstring ring = home + L"\\ring";
    EXPECT_EQ(ContentsOf(home + L"\\ring.vob"), NarrowText(ring + L"\\ring_in.wav\r\n", CP_ACP));

    // The folder list shows the way down to the ring folder, that one highlighted.
    const auto way = WayDown(ring);
    EXPECT_EQ(FolderLines(way.size()), way);
    EXPECT_EQ(FolderHighlight(), static_cast<LRESULT>(way.size() - 1));

    // Both files are copied under their own names and listed.
    EXPECT_TRUE(Drop({NarrowText(in + song, CP_ACP), NarrowText(in + table, CP_ACP)}));
    for (const auto& name : {song, table}) EXPECT_TRUE(ContentsOf(ring + L"\\" + name) == tone) << "not copied whole";
    const auto files = Items(list);
    const auto table_line = std::find(files.begin(), files.end(), table);
    ASSERT_NE(table_line, files.end());
    EXPECT_EQ(std::count(files.begin(), files.end(), song), 1);

    // Played, 表.wav is the ring tone, its folder and name on the two labels.
    ClickLine(list, static_cast<int>(table_line - files.begin()));
    HWND play = FindControl(form, "Button", "Play");
    ASSERT_TRUE(PumpUntil([&] { return IsWindowEnabled(play) != FALSE; }, 3000));
    PostMessageA(play, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(play, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(PumpUntil([&] { return Shows(table); }, 3000));
    EXPECT_TRUE(Shows(ring + L"\\"));
    EXPECT_EQ(ContentsOf(home + L"\\ring.vob"), NarrowText(ring + L"\\" + table + L"\r\n", CP_ACP));
    HWND stop = FindControl(form, "Button", "Stop");
    PostMessageA(stop, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(stop, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));

    // A double click opens the program folder; the file list follows.
    ClickLine(Folders(), static_cast<int>(way.size() - 2), true);
    EXPECT_TRUE(PumpUntil([&] { return FolderHighlight() == static_cast<LRESULT>(way.size() - 2); }, 3000));
    EXPECT_EQ(FolderLines(way.size()), way);  // ring is now the one subfolder
    EXPECT_EQ(Items(list), std::vector<std::wstring>{L"\x80FD.wav"});
    EXPECT_TRUE(Answers(form));
}

INSTANTIATE_TEST_SUITE_P(ProgramFolders, Cp932Scenario,
                         ::testing::Values(L"\x4E88\x5B9A\x8868", L"\x30BD\x30D5\x30C8"));  // 予定表, ソフト

}  // namespace
}  // namespace dorvane::testing
