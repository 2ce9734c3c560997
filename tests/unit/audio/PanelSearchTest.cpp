// The search pass and the clean-up pass of the default-device worker over
// fake panels in the test process: which dialog shapes are operated, and the
// messages each control receives, compared as one sequence.
#include <gtest/gtest.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>
#include "audio/FoundwindowSearch.h"
#include "controls/Handles.h"

namespace dorvane::test {
namespace {
using Log = std::vector<std::string>;

// What the fake controls received from outside, in order. Messages that a
// control sends itself while handling one are the control's own business.
Log g_log;
int g_depth = 0;
struct Fake {
    std::string name;
    WNDPROC original;
};
std::map<HWND, Fake> g_fakes;

std::string MessageName(UINT msg) {
    switch (msg) {
        case WM_KEYDOWN: return "keydown";
        case WM_KEYUP: return "keyup";
        case CB_SETCURSEL: return "setcursel";
        case CB_GETCURSEL: return "getcursel";
        case WM_KILLFOCUS: return "killfocus";
        case WM_LBUTTONDOWN: return "lbuttondown";
        case WM_LBUTTONUP: return "lbuttonup";
        default: return {};
    }
}

LRESULT CALLBACK Recording(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    const Fake fake = g_fakes.at(window);
    if (msg == WM_NCDESTROY) g_fakes.erase(window);
    if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED)
        g_log.push_back(fake.name + " clicked " + std::to_string(LOWORD(wp)));
    const std::string what = MessageName(msg);
    if (g_depth == 0 && !what.empty()) {
        char text[64];
        std::snprintf(text, sizeof text, " %s %llx %llx", what.c_str(), static_cast<unsigned long long>(wp),
                      static_cast<unsigned long long>(static_cast<ULONG_PTR>(lp)));
        g_log.push_back(fake.name + text);
    }
    ++g_depth;
    const LRESULT r = CallWindowProcA(fake.original, window, msg, wp, lp);
    --g_depth;
    return r;
}

// A dialog of the panel's kind, built from parts, every part recording.
class FakePanel {
public:
    FakePanel() { top_.reset(Make("#32770", "dialog", WS_POPUP, nullptr, 0)); }
    HWND Page() { return Make("#32770", "page", WS_CHILD | DS_CONTROL, top_.get(), 0); }
    HWND List(HWND parent, const char* name, int id, int selected) {
        HWND list = Make("ComboBox", name, WS_CHILD | CBS_DROPDOWNLIST, parent, id);
        for (const char* item : {"a", "b", "c", "d"})
            SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
        return list;
    }
    HWND Button(HWND parent, const char* name, int id) {
        return Make("Button", name, WS_CHILD | BS_PUSHBUTTON, parent, id);
    }
    HWND Top() const { return top_.get(); }
    // The whole shape: three lists in a page, OK and Cancel.
    void Full(int playback, int recording, int third) {
        HWND page = Page();
        List(page, "playback", 6662, playback);
        List(page, "recording", 6663, recording);
        List(page, "third", 6664, third);
        Button(top_.get(), "ok", IDOK);
        Button(top_.get(), "cancel", IDCANCEL);
    }
    int Selection(int id) const {
        for (const auto& [window, fake] : g_fakes)
            if (GetDlgCtrlID(window) == id && IsChild(top_.get(), window))
                return static_cast<int>(SendMessageA(window, CB_GETCURSEL, 0, 0));
        return -2;
    }

private:
    static HWND Make(const char* cls, const char* name, DWORD style, HWND parent, int id) {
        HWND w = CreateWindowExA(0, cls, "", style, 0, 0, 200, 100, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
        g_fakes[w] = {name, reinterpret_cast<WNDPROC>(GetWindowLongPtrA(w, GWLP_WNDPROC))};
        SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Recording));
        return w;
    }
    WindowHandle top_;
};

Log Select(const char* list, int entry) {
    const std::string n = list;
    return {n + " keydown 26 1480001", n + " keyup 26 c1480001", n + " keydown 28 1500001", n + " keyup 28 c1500001",
            n + " setcursel " + std::to_string(entry) + " 0", n + " killfocus 0 0"};
}

// The click, and the button's parent hearing of it.
Log Click(const char* button, int id, const char* parent = "dialog") {
    const std::string n = button;
    return {n + " lbuttondown 1 0", n + " lbuttonup 0 0", std::string(parent) + " clicked " + std::to_string(id),
            n + " killfocus 0 0"};
}

Log Join(std::initializer_list<Log> parts) {
    Log all;
    for (const Log& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

TEST(PanelSearch, OnlyTheKnownShapeOfTheStartedProcessIsOperated) {
    const DWORD self = GetCurrentProcessId();
    const struct Case {
        const char* what;
        void (*build)(FakePanel&);
        bool set;
        DWORD process;
        bool found;
        int out, in;
        Log messages;
    } cases[] = {
        {"query: the two selections are read, then Cancel", [](FakePanel& p) { p.Full(2, 1, 3); }, false, self,
         true, 2, 1, Join({{"playback getcursel 0 0", "recording getcursel 0 0"}, Click("cancel", IDCANCEL)})},
        {"set: both chosen, the third selected again as it was, then OK", [](FakePanel& p) { p.Full(0, 2, 1); },
         true, self, true, 3, 0,
         Join({Select("playback", 3), Select("recording", 0), {"third getcursel 0 0"}, Select("third", 1),
               Click("ok", IDOK)})},
        {"a page with two lists", [](FakePanel& p) {
             HWND page = p.Page();
             p.List(page, "playback", 6662, 0);
             p.List(page, "recording", 6663, 0);
             p.Button(p.Top(), "ok", IDOK);
             p.Button(p.Top(), "cancel", IDCANCEL);
         }, false, self, false, -1, -1, {}},
        {"a fourth list", [](FakePanel& p) {
             p.Full(0, 0, 0);
             p.List(p.Page(), "extra", 6663, 0);
         }, false, self, false, -1, -1, {}},
        {"lists outside a page", [](FakePanel& p) {
             p.List(p.Top(), "playback", 6662, 0);
             p.List(p.Top(), "recording", 6663, 0);
             p.List(p.Top(), "third", 6664, 0);
             p.Button(p.Top(), "ok", IDOK);
             p.Button(p.Top(), "cancel", IDCANCEL);
         }, false, self, false, -1, -1, {}},
        {"no Cancel", [](FakePanel& p) {
             HWND page = p.Page();
             p.List(page, "playback", 6662, 0);
             p.List(page, "recording", 6663, 0);
             p.List(page, "third", 6664, 0);
             p.Button(p.Top(), "ok", IDOK);
         }, false, self, false, -1, -1, {}},
        {"another process's panel", [](FakePanel& p) { p.Full(2, 1, 3); }, false, self + 4, false, -1, -1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakePanel panel;
        c.build(panel);
        g_log.clear();
        TPanelSearch search;
        search.SetMode = c.set;
        search.ProcessId = c.process;
        search.OutIndex = c.set ? 3 : -1;
        search.InIndex = c.set ? 0 : -1;
        EXPECT_EQ(c.found, search.Pass());
        EXPECT_EQ(c.found, search.Found);
        EXPECT_EQ(c.out, search.OutIndex);
        EXPECT_EQ(c.in, search.InIndex);
        EXPECT_EQ(c.messages, g_log);
        if (c.found && c.set) {
            EXPECT_EQ(3, panel.Selection(6662));
            EXPECT_EQ(0, panel.Selection(6663));
            EXPECT_EQ(1, panel.Selection(6664));
        }
    }
}

TEST(PanelSearch, TheCleanUpCancelsEveryDialogWhateverItsShape) {
    FakePanel full, odd;
    full.Full(0, 0, 0);
    HWND page = odd.Page();
    odd.Button(page, "inner cancel", IDCANCEL);
    odd.Button(odd.Top(), "other", 3);
    g_log.clear();
    CleanUpPanels();
    // The dialogs come in the desktop's order.
    const Log first = Click("cancel", IDCANCEL), second = Click("inner cancel", IDCANCEL, "page");
    EXPECT_TRUE(g_log == Join({first, second}) || g_log == Join({second, first})) << ::testing::PrintToString(g_log);
}

}  // namespace
}  // namespace dorvane::test
