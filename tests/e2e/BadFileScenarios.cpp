// What users leave in the registry and beside the program by hand: values
// of the wrong type, files of garbage, huge lines, old Mac line ends, files
// and folders that cannot be written, and no endpoint library. The real
// panel starts on each, shows what the files say or its defaults, and
// leaves the user's odd values and files as they were.
#include <windows.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <future>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>
#include "PanelProcess.h"
#include "PeerWindow.h"
#include "Surroundings.h"
#include "TempFolder.h"
#include "i18n/LanguageTable.h"
#include "link/LinkProtocol.h"

namespace dorvane::testing {
namespace {
using dorvane::test::FileContents;
using dorvane::test::TempFolder;

bool Shows(HWND form, const std::string& text) { return ChildTexts(form).count(text) != 0; }

// Bytes of every value, as a file a user's tool could leave behind.
std::string Garbage(size_t size) {
    std::string bytes(size, '\0');
    uint32_t x = 12345;
    for (char& c : bytes) {
        x = x * 1103515245u + 12345u;
        c = static_cast<char>(x >> 24);
    }
    return bytes;
}

RawValue Dword(uint32_t v) { return {REG_DWORD, std::string(reinterpret_cast<const char*>(&v), 4)}; }

// Runs the panel with this folder as its current one: the endpoint library's
// fallback copy is written there.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::string& folder) {
        GetCurrentDirectoryA(MAX_PATH, old_);
        SetCurrentDirectoryA(folder.c_str());
    }
    ~CurrentFolder() { SetCurrentDirectoryA(old_); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    char old_[MAX_PATH] = {};
};

class BadFileScenario : public ::testing::Test {
protected:
    void SetUp() override {
        if (FindPanelForm()) RunPanelToEnd({"VobDestroyMode"});
        settings_before = SettingsValues();
    }
    void TearDown() override {
        Stop();
        SetSettingsValues(settings_before);
    }
    // A program folder of its own: the panel, and a ring folder with the
    // default tone.
    std::unique_ptr<TempFolder> ProgramFolder(bool with_ring_folder = true) const {
        auto program = std::make_unique<TempFolder>();
        CopyFileA(ProgramPath("DorvaneUI.exe").c_str(), (program->Path() + "\\DorvaneUI.exe").c_str(), FALSE);
        if (with_ring_folder) {
            program->Folder("ring");
            program->File("ring\\ring_in.wav", FileContents(ProgramPath("ring\\ring_in.wav")));
        }
        return program;
    }
    // Starts the panel from that folder; true once its window answers.
    bool Start(const std::string& folder = {}) {
        panel = std::make_unique<PanelProcess>(std::vector<std::string>{}, folder);
        form = WaitForPanelForm();
        return form && Answers(form) && OpenAndClosePanelWindow(form);
    }
    // Ends it the ordinary way; true when it ended by itself.
    bool Stop() {
        if (!panel && !form) return true;
        // The request a second start makes, without waiting for one to start.
        auto exit = std::async(std::launch::async, [form = form] {
            DWORD_PTR r = 0;
            return SendMessageTimeoutA(form, WM_UI_EXIT, kInstanceSignatureW, kInstanceSignatureL, SMTO_NORMAL, 3000, &r);
        });
        // One started from Linux is known only by its semaphore.
        const bool ended = panel ? panel->WaitExit(5000) == 0 : PumpUntil([] { return !PanelRuns(); }, 5000);
        exit.wait();
        panel.reset();
        form = nullptr;
        return ended;
    }
    // Opens the window, names entry 1 and saves it as a user does; true once
    // the save button is disabled again, the save done.
    bool SaveEntryOne(const std::string& name) {
        auto show = std::async(std::launch::async, [&] {
            DWORD_PTR r = 0;
            return SendMessageTimeoutA(form, WM_UI_SHOW, kInstanceSignatureW, kInstanceSignatureL, SMTO_NORMAL, 3000, &r);
        });
        PumpUntil([&] { return show.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
        std::vector<HWND> radios, edits;
        for (HWND b : Descendants(form, "Button")) {
            const auto type = GetWindowLongPtrA(b, GWL_STYLE) & BS_TYPEMASK;
            if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) radios.push_back(b);
        }
        Collect(form, "Edit", edits);
        if (radios.size() != 5 || edits.size() != 2) return false;
        auto top = [](HWND w) {
            RECT r{};
            GetWindowRect(w, &r);
            return r.top;
        };
        std::sort(radios.begin(), radios.end(), [&](HWND a, HWND b) { return top(a) < top(b); });
        std::sort(edits.begin(), edits.end(), [&](HWND a, HWND b) { return top(a) < top(b); });
        HWND save = nullptr;
        for (HWND b : Descendants(GetParent(edits[0]), "Button"))
            if ((GetWindowLongPtrA(b, GWL_STYLE) & BS_TYPEMASK) <= BS_DEFPUSHBUTTON) save = b;
        if (!save) return false;
        SendMessageA(radios[1], BM_CLICK, 0, 0);
        SendMessageA(edits[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
        if (!PumpUntil([&] { return IsWindowEnabled(save) != FALSE; }, 2000)) return false;
        SendMessageA(save, BM_CLICK, 0, 0);
        return PumpUntil([&] { return !IsWindowEnabled(save); }, 2000);
    }

    RawValues settings_before;
    std::unique_ptr<PanelProcess> panel;
    HWND form = nullptr;
};

TEST_F(BadFileScenario, SettingsOfAnotherTypeOrSizeAreTakenAsAbsentAndKept) {
    int picked = LanguageIndexOf(MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN));
    if (picked == LanguageIndexOf(GetSystemDefaultLangID())) picked = LanguageIndexOf(MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH));
    ASSERT_GE(picked, 0);
    const auto as = [](DWORD type, std::string bytes) { return RawValue{type, std::move(bytes)}; };
    const std::string index(1, static_cast<char>(picked));

    SetSettingsValues({});
    ASSERT_TRUE(Start());
    const auto defaults = ChildTexts(form);
    ASSERT_TRUE(Stop());
    // The same language stored as it should be is taken: the texts differ.
    SetSettingsValues({{"LanguageID", Dword(static_cast<uint32_t>(picked))}});
    ASSERT_TRUE(Start());
    ASSERT_NE(ChildTexts(form), defaults) << "the stored language does not show";
    ASSERT_TRUE(Stop());

    const struct {
        const char* name;
        RawValues values;
    } cases[] = {
        {"language as text", {{"LanguageID", as(REG_SZ, std::to_string(picked) + '\0')}}},
        {"language as 2 binary bytes", {{"LanguageID", as(REG_BINARY, index + '\0')}}},
        {"language as 8 binary bytes", {{"LanguageID", as(REG_BINARY, index + std::string(7, '\0'))}}},
        {"language as a 64-bit number", {{"LanguageID", as(REG_QWORD, index + std::string(7, '\0'))}}},
        {"ring volume as 8 binary bytes", {{"RingTone", as(REG_BINARY, "\x35" + std::string(7, '\0'))}}},
        {"ring volume as a 64-bit number", {{"RingTone", as(REG_QWORD, "\x35" + std::string(7, '\0'))}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetSettingsValues(c.values);
        ASSERT_TRUE(Start());
        EXPECT_EQ(ChildTexts(form), defaults);
        // A settings change reads the language again.
        SendMessageTimeoutA(form, WM_SETTINGCHANGE, 0, 0, SMTO_NORMAL, 3000, nullptr);
        EXPECT_TRUE(Answers(form));
        EXPECT_EQ(ChildTexts(form), defaults);
        EXPECT_TRUE(Stop());
        EXPECT_EQ(SettingsValues(), c.values) << Describe(SettingsValues());
    }
}

TEST_F(BadFileScenario, OddFilesBesideTheProgramAreReadAsTheyAreAndNeverRewritten) {
    const std::string mib_line(1 << 20, 'a');
    const std::string cr_list = "Mail\rhttp://mail.example/\rNews\rhttp://news.example/\r";
    const struct {
        const char* name;
        const char* file;
        std::optional<std::string> bytes;  // nothing: missing
        bool read_only;
        std::vector<std::string> shown;    // texts the window shows
        std::vector<std::string> not_shown;
    } cases[] = {
        {"ring.vob of garbage", "ring.vob", Garbage(4096), false, {}, {"ring_in.wav"}},
        {"ring.vob, one line of 1 MiB", "ring.vob", mib_line, false, {}, {"ring_in.wav"}},
        {"ring.vob with CR line ends", "ring.vob", "<ring>\\ring_in.wav\r<ring>\\ring_in.wav\r", false, {}, {"ring_in.wav"}},
        {"ring.vob read-only", "ring.vob", "<ring>\\ring_in.wav\r\n", true, {"ring_in.wav"}, {}},
        {"ring.vob missing", "ring.vob", std::nullopt, false, {"ring_in.wav"}, {}},
        {"urlList.vob of garbage", "urlList.vob", Garbage(4096), false, {}, {}},
        {"urlList.vob, one line of 1 MiB", "urlList.vob", mib_line, false, {std::string(1022, 'a')}, {}},
        {"urlList.vob with CR line ends", "urlList.vob", cr_list, false, {cr_list}, {"Mail"}},
        {"urlList.vob read-only", "urlList.vob", "Mail\r\nhttp://mail.example/\r\n", true, {"Mail", "N/A"}, {}},
        {"urlList.vob missing", "urlList.vob", std::nullopt, false, {"N/A"}, {}},
        {"defaultWeb.vob of garbage", "defaultWeb.vob", Garbage(4096), false, {}, {}},
        {"defaultWeb.vob, one line of 1 MiB", "defaultWeb.vob", "b" + mib_line, false, {"b" + std::string(1021, 'a')}, {}},
        {"defaultWeb.vob with CR line ends", "defaultWeb.vob", "Home\rhttp://home.example/\r-\r", false,
         {"Home\rhttp://home.example/\r-\r"}, {"Home"}},
        {"defaultWeb.vob read-only", "defaultWeb.vob", "Home\r\nhttp://home.example/\r\n-\r\n", true, {"Home", "-"}, {}},
        {"defaultWeb.vob missing", "defaultWeb.vob", std::nullopt, false, {"Skype"}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto program = ProgramFolder();
        const std::string path = program->Path() + "\\" + c.file;
        if (c.bytes) {
            std::string bytes = *c.bytes;
            for (size_t at; (at = bytes.find("<ring>")) != std::string::npos;) bytes.replace(at, 6, program->Path() + "\\ring");
            program->File(c.file, bytes);
        }
        const FileState before = StateOf(path);
        std::optional<Immutable> locked;
        if (c.read_only) {
            locked.emplace(std::vector<std::string>{path});
            ASSERT_TRUE(locked->Ok()) << "chattr +i failed";
        }
        ASSERT_TRUE(Start(program->Path()));
        for (const auto& text : c.shown) EXPECT_TRUE(Shows(form, text)) << text.substr(0, 40);
        for (const auto& text : c.not_shown) EXPECT_FALSE(Shows(form, text)) << text.substr(0, 40);
        // A save that cannot write is silent; the entry keeps what was typed.
        if (c.read_only && std::string(c.file) == "urlList.vob") {
            EXPECT_TRUE(SaveEntryOne("Typed"));
            EXPECT_TRUE(Answers(form));
            EXPECT_TRUE(Shows(form, "Typed"));
        }
        EXPECT_TRUE(Stop());
        if (c.bytes) {
            EXPECT_TRUE(StateOf(path) == before) << "rewritten";
        } else {
            EXPECT_TRUE(StateOf(path).exists) << "not made again";
        }
    }
}

TEST_F(BadFileScenario, AProgramFolderThatCannotBeWrittenIsLeftAsItIs) {
    // Wine runs as root here and writes past missing permission bits: only
    // an immutable folder (and files) stops it.
    const struct {
        const char* name;
        bool with_library;
        bool read_only;
        int devices;  // Skype's lists hold devices beside the default entry; -1: not looked at
    } cases[] = {
        {"read-only, with the endpoint library", true, true, 1},
        {"read-only, no endpoint library", false, true, 0},
        // The real library finds no endpoints under Wine.
        {"writable, no endpoint library: its carried copy is written", false, false, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto program = ProgramFolder(false);
        if (c.with_library)
            CopyFileA((EndpointSimFolder() + "\\zeldevtopvolctrl.dll").c_str(),
                      (program->Path() + "\\zeldevtopvolctrl.dll").c_str(), FALSE);
        program->File("urlList.vob", "Mail\r\nhttp://mail.example/\r\n");
        const std::string list = program->Path() + "\\urlList.vob";
        const FileState list_before = StateOf(list);
        std::optional<Immutable> locked;
        if (c.read_only) {
            locked.emplace(std::vector<std::string>{program->Path(), list});
            ASSERT_TRUE(locked->Ok()) << "chattr +i failed";
        }
        {
            CurrentFolder current(program->Path());
            ASSERT_TRUE(Start(program->Path()));
        }
        // Skype's two lists share their group box; the drive list is alone.
        std::vector<HWND> combos;
        Collect(form, "ComboBox", combos);
        size_t most = 0, lists = 0;
        for (HWND combo : combos) {
            if (std::count_if(combos.begin(), combos.end(), [&](HWND o) { return GetParent(o) == GetParent(combo); }) != 2)
                continue;
            ++lists;
            most = std::max(most, static_cast<size_t>(SendMessageA(combo, CB_GETCOUNT, 0, 0)));
        }
        EXPECT_EQ(lists, 2u);
        if (c.devices != -1) {
            EXPECT_EQ(most > 1, c.devices == 1) << most << " entries";
        }
        if (c.read_only) {
            EXPECT_TRUE(SaveEntryOne("Typed"));
            EXPECT_TRUE(Shows(form, "Typed"));
        }
        EXPECT_TRUE(Answers(form));
        EXPECT_TRUE(Stop());
        const std::string made = program->Path() + "\\";
        EXPECT_EQ(GetFileAttributesA((made + "zeldevtopvolctrl.dll").c_str()) != INVALID_FILE_ATTRIBUTES,
                  c.with_library || !c.read_only);
        if (c.read_only) {
            EXPECT_TRUE(StateOf(list) == list_before) << "rewritten";
            for (const char* name : {"ring", "ring.vob", "defaultWeb.vob"})
                EXPECT_EQ(GetFileAttributesA((made + name).c_str()), INVALID_FILE_ATTRIBUTES) << name;
        }
    }
}

// The names in a folder.
std::set<std::string> Listing(const std::string& folder) {
    std::set<std::string> names;
    WIN32_FIND_DATAA found{};
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (std::string(found.cFileName) != "." && std::string(found.cFileName) != "..") names.insert(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

TEST_F(BadFileScenario, AFullDiskLeavesNoFileCutAndTheNextStartHasTheToneAndTheEntries) {
    // A first start that writes ring.vob, defaultWeb.vob and the mute file,
    // and a save of the user's list, all on a disk that takes no more bytes.
    const auto program = ProgramFolder();
    const std::string list = program->File("urlList.vob", "Mail\r\nhttp://mail.example/\r\n");
    const FileState list_before = StateOf(list);
    ASSERT_TRUE(StartPanelOnFullDisk(program->Path()));
    form = WaitForPanelForm();
    ASSERT_TRUE(form && Answers(form) && OpenAndClosePanelWindow(form));
    EXPECT_TRUE(SaveEntryOne("Typed"));
    EXPECT_TRUE(Shows(form, "Typed"));
    EXPECT_TRUE(Stop());
    EXPECT_TRUE(StateOf(list) == list_before) << "cut";
    EXPECT_EQ(Listing(program->Path()), (std::set<std::string>{"DorvaneUI.exe", "ring", "urlList.vob"}));
    EXPECT_EQ(Listing(program->Path() + "\\ring"), (std::set<std::string>{"ring_in.wav"}));

    // With room again, the files are made whole.
    ASSERT_TRUE(Start(program->Path()));
    EXPECT_TRUE(Shows(form, "ring_in.wav"));
    EXPECT_TRUE(Shows(form, "Mail"));
    EXPECT_TRUE(Stop());
    for (const char* name : {"ring.vob", "defaultWeb.vob", "ring\\mute.wav"})
        EXPECT_NE(StateOf(program->Path() + "\\" + name).bytes, "") << name;
}

}  // namespace
}  // namespace dorvane::testing
