// The website page of the real panel in a program folder of its own: the
// two files on a first start, entries typed in and saved as a user does it,
// and the addresses that reach the program Wine starts for http addresses.
#include <windows.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>
#include <vector>
#include "PanelProcess.h"
#include "PeerWindow.h"
#include "TempFolder.h"
#include "controls/Handles.h"
#include "link/KeypadKeys.h"
#include "phonesim/PhoneService.h"

namespace dorvane::testing {
namespace {
using dorvane::test::FileContents;
using dorvane::test::TempFolder;

// The windows of a class below `parent`, top to bottom, left to right.
std::vector<HWND> Below(HWND parent, const char* window_class) {
    std::vector<HWND> found;
    Collect(parent, window_class, found);
    std::sort(found.begin(), found.end(), [](HWND a, HWND b) {
        RECT ra{}, rb{};
        GetWindowRect(a, &ra);
        GetWindowRect(b, &rb);
        return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
    });
    return found;
}

HWND FocusOf(HWND form) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &info);
    return info.hwndFocus;
}

// Typed as the keyboard types: one character message each, in order.
void Type(HWND field, const std::string& text) {
    for (char c : text) PostMessageA(field, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void Click(HWND window) {
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

// Points Wine's handling of http addresses at urllog.exe while it lives.
class HttpHandler {
public:
    HttpHandler() {
        RegCreateKeyExA(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        key_.Put(), nullptr);
        char old[1024] = {};
        DWORD size = sizeof old - 1;
        if (RegQueryValueExA(key_.get(), nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(old), &size) == 0)
            old_ = old;
        Set("\"" + std::string(DORVANE_URLLOG_WINDOWS) + "\" \"%1\"");
        DeleteFileA(LogPath().c_str());
    }
    ~HttpHandler() { Set(old_); }
    HttpHandler(const HttpHandler&) = delete;
    HttpHandler& operator=(const HttpHandler&) = delete;

    // The addresses that have arrived, one a line, once `count` are there.
    static std::string Arrived(size_t count) {
        std::string log;
        PumpUntil([&] {
            log = FileContents(LogPath());
            return static_cast<size_t>(std::count(log.begin(), log.end(), '\n')) >= count;
        }, 8000);
        return log;
    }

private:
    static std::string LogPath() {
        const std::string exe = DORVANE_URLLOG_WINDOWS;
        return exe.substr(0, exe.rfind('\\') + 1) + "urllog.txt";
    }
    void Set(const std::string& command) {
        RegSetValueExA(key_.get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                       static_cast<DWORD>(command.size() + 1));
    }

    RegKey key_;
    std::string old_;
};

class WebsiteScenario : public ::testing::Test {
protected:
    void SetUp() override {
        if (FindPanelForm()) RunPanelToEnd({"VobDestroyMode"});
        CopyFileA(ProgramPath("DorvaneUI.exe").c_str(), (program.Path() + "\\DorvaneUI.exe").c_str(), FALSE);
    }
    bool Start() {
        phonesim::ServiceConfig config;
        config.phone_present = true;
        service = std::make_unique<phonesim::PhoneService>(config);
        if (!service->Start()) return false;
        panel = std::make_unique<PanelProcess>(std::vector<std::string>{}, program.Path());
        form = WaitForPanelForm();
        return form && OpenAndClosePanelWindow(form);
    }
    std::string File(const char* name) const { return FileContents(program.Path() + "\\" + name); }
    // The five radio buttons and the save button of the website page.
    std::vector<HWND> Radios() const {
        std::vector<HWND> found;
        for (HWND b : Below(form, "Button")) {
            const auto type = GetWindowLongPtrA(b, GWL_STYLE) & BS_TYPEMASK;
            if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) found.push_back(b);
        }
        return found;
    }
    HWND SaveButton() const {
        HWND save = nullptr;
        for (HWND b : Below(GetParent(Below(form, "Edit").at(0)), "Button"))
            if ((GetWindowLongPtrA(b, GWL_STYLE) & BS_TYPEMASK) <= BS_DEFPUSHBUTTON) save = b;
        return save;
    }

    TempFolder program;
    HttpHandler handler;
    std::unique_ptr<phonesim::PhoneService> service;  // outlives the panel
    std::unique_ptr<PanelProcess> panel;
    HWND form = nullptr;
};

TEST_F(WebsiteScenario, EntriesAreTypedInSavedAndOpenedByClickAndByTheKeypad) {
    ASSERT_TRUE(Start());
    const std::string home = "http://www.skype.com/";
    EXPECT_EQ(File("defaultWeb.vob"), "Skype\r\n" + home + "\r\nN/A\r\n\r\nSkype\r\n" + home + "\r\n");
    std::string placeholders;
    for (int i = 0; i < 4; ++i) placeholders += "N/A\r\n\r\n";
    EXPECT_EQ(File("urlList.vob"), placeholders);

    // The second start brings the window to the front, on the website page.
    RunPanelToEnd({});
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(form) && GetForegroundWindow() == form; }, 3000));
    const std::vector<HWND> radios = Radios(), edits = Below(form, "Edit");
    ASSERT_EQ(radios.size(), 5u);
    ASSERT_EQ(edits.size(), 2u);
    const HWND name = edits[0], address = edits[1], page = GetParent(name), save = SaveButton();
    ASSERT_NE(save, nullptr);
    EXPECT_FALSE(IsWindowEnabled(name));  // entry 0 is not the user's

    // Entry 1: the placeholder is selected, so typing replaces it; Save.
    SendMessageA(radios[1], BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return FocusOf(form) == name; }, 2000));
    Type(name, "Mail");
    Type(address, "mail.example/");
    ASSERT_TRUE(PumpUntil([&] { return IsWindowEnabled(save) != FALSE; }, 2000));
    PostMessageA(save, BM_CLICK, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return File("urlList.vob").rfind("Mail\r\nhttp://mail.example/\r\n", 0) == 0; }, 3000))
        << File("urlList.vob");

    // Entry 2 by the keyboard: Enter in the name only moves on, Enter in
    // the address saves.
    SendMessageA(radios[2], BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return FocusOf(form) == name; }, 2000));
    Type(name, "News\r");
    ASSERT_TRUE(PumpUntil([&] { return FocusOf(form) == address; }, 2000));
    EXPECT_EQ(File("urlList.vob").find("News"), std::string::npos);
    Type(address, "HtTp://news.example/\r");
    const std::string saved = "Mail\r\nhttp://mail.example/\r\nNews\r\nhttp://news.example/\r\n" + placeholders.substr(0, 14);
    EXPECT_TRUE(PumpUntil([&] { return File("urlList.vob") == saved; }, 3000)) << File("urlList.vob");

    // A click on entry 1's link, then the keypad's third row key (entry 2).
    std::vector<HWND> labels;
    for (HWND s : Below(page, "Static")) {
        RECT r{}, radio{};
        GetWindowRect(s, &r);
        GetWindowRect(radios[1], &radio);
        if (r.left > radio.right && r.top >= radio.top - 8 && r.bottom <= radio.bottom + 8) labels.push_back(s);
    }
    ASSERT_EQ(labels.size(), 1u);
    Click(labels[0]);
    EXPECT_EQ(HttpHandler::Arrived(1), "http://mail.example/\n");
    service->SetNavigation(1);
    service->KeyDown(kKeyRow3);
    service->KeyUp();
    EXPECT_EQ(HttpHandler::Arrived(2), "http://mail.example/\nhttp://news.example/\n");
}

TEST_F(WebsiteScenario, AnExistingSettingsFileIsOnlyRead) {
    const std::string settings = "Home\r\nhttp://home.example/\r\n-\r\n\r\nPortal\r\nhttp://portal.example/";
    program.File("defaultWeb.vob", settings);
    ASSERT_TRUE(Start());
    EXPECT_EQ(File("urlList.vob"), "-\r\n\r\n-\r\n\r\n-\r\n\r\n-\r\n\r\n");
    panel.reset();
    EXPECT_EQ(File("defaultWeb.vob"), settings);
}

TEST_F(WebsiteScenario, ANameAndAnAddressTypedLongerThanALineReadBackAsSavedAfterARestart) {
    // Each entry's name and address as its fields show them once selected;
    // another process's edit text comes only by the message.
    const auto entries = [&] {
        std::vector<std::string> shown;
        for (HWND radio : Radios()) {
            SendMessageA(radio, BM_CLICK, 0, 0);
            for (HWND edit : Below(form, "Edit")) {
                std::string text(4096, '\0');
                const auto length = SendMessageA(edit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
                text.resize(static_cast<size_t>(length));
                shown.push_back(text);
            }
        }
        return shown;
    };
    std::string typed;
    for (int i = 0; i < 110; ++i) typed += "0123456789";
    ASSERT_TRUE(Start());
    RunPanelToEnd({});
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(form) && GetForegroundWindow() == form; }, 3000));
    const std::vector<HWND> edits = Below(form, "Edit");
    const struct {
        size_t entry;
        std::string name, address;
    } typing[] = {{1, typed, typed}, {2, "News", "news.example/"}};
    for (const auto& t : typing) {
        SendMessageA(Radios().at(t.entry), BM_CLICK, 0, 0);
        ASSERT_TRUE(PumpUntil([&] { return FocusOf(form) == edits.at(0); }, 2000));
        Type(edits[0], t.name);
        Type(edits[1], t.address);
        PostMessageA(SaveButton(), BM_CLICK, 0, 0);
        // Typed a character at a time: a long text takes a while.
        const auto saved = [&] { return File("urlList.vob").find(t.name.substr(0, 4)) != std::string::npos; };
        ASSERT_TRUE(PumpUntil(saved, 30000));
    }
    const auto saved = entries();
    ASSERT_EQ(saved.size(), 10u);
    // The fields hold the start of the long texts.
    EXPECT_EQ(typed.rfind(saved[2], 0), 0u);
    EXPECT_EQ(("http://" + typed).rfind(saved[3], 0), 0u);

    panel.reset();
    service.reset();
    ASSERT_TRUE(Start());
    EXPECT_EQ(entries(), saved);
}

}  // namespace
}  // namespace dorvane::testing
