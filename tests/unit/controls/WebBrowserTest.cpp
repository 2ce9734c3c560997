#include <windows.h>
#include <gtest/gtest.h>
#include <functional>
#include <thread>
#include "ControlTestSupport.h"
#include "FakeBrowser.h"
#include "controls/CppWebBrowser.h"
#include "controls/KeyUse.h"
#include "controls/OleApartment.h"
#include "controls/OleBrowserHost.h"

namespace dorvane::test {
namespace {

class RecordingHost : public IBrowserHost {
public:
    explicit RecordingHost(std::vector<std::wstring>& log) : log_(log) {}
    bool Attach(HWND window) override {
        log_.push_back(L"attach " + HandleText(window));
        return true;
    }
    void Navigate(const std::wstring& url) override { log_.push_back(L"navigate " + url); }
    void Resize(int width, int height) override {
        log_.push_back(L"size " + std::to_wstring(width) + L"x" + std::to_wstring(height));
    }
    void Focus() override { log_.push_back(L"focus"); }
    bool TranslateAccelerator(MSG&) override { return false; }

private:
    std::vector<std::wstring>& log_;
};

// Windows belong to the thread that makes them, and a thread's COM apartment
// stays until the thread ends: a test that sets up either runs on its own.
void OnOwnThread(const std::function<void()>& body) { std::thread(body).join(); }

// Named: the system's callbacks take its own calling convention on 32-bit
// Windows, which a lambda's function pointer does not have.
BOOL CALLBACK CountVisible(HWND window, LPARAM count) {
    if (IsWindowVisible(window)) ++*reinterpret_cast<int*>(count);
    return TRUE;
}

std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        found.push_back(child);
    return found;
}

TEST(CppWebBrowser, NavigateHandsTheAddressToTheHostAndFollowsTheSize) {
    TestForm form;
    std::vector<std::wstring> log;
    TCppWebBrowser browser(form.Handle(), "CppWebBrowser1", 0, 0, 575, 241, std::make_unique<RecordingHost>(log));
    browser.Navigate("http://www.skype.com/");
    browser.SetHeight(260);
    EXPECT_EQ(log, (std::vector<std::wstring>{L"attach " + HandleText(browser.Handle()),
                                              L"navigate http://www.skype.com/", L"size 575x260"}));
    EXPECT_TRUE(browser.HasHost());
    EXPECT_EQ(browser.LocationURL(), "http://www.skype.com/");
    EXPECT_EQ(browser.Height(), 260);
}

// The whole life of the embedded object as the object sees it: put in place
// in the control's window, told to keep script errors to itself (the page
// loads while nobody looks), asked once for the page, sized with the
// control, closed with it.
TEST(OleBrowserHost, ActivatesTheObjectInPlaceNavigatesOnceAndClosesIt) {
    if (GetACP() != 1252) GTEST_SKIP() << "the address below is written in code page 1252";
    TestForm form;
    auto fake = MakeCom<FakeBrowser>();
    auto browser = std::make_unique<TCppWebBrowser>(
        form.Handle(), "CppWebBrowser1", 0, 0, 575, 241,
        std::make_unique<TOleBrowserHost>([&] { return ComPtr<IOleObject>::Share(fake.Get()); }));
    ASSERT_TRUE(browser->HasHost());
    const std::wstring control = HandleText(browser->Handle()), top = HandleText(form.Handle());
    browser->Navigate("http://example.invalid/caf\xE9");
    browser->SetHeight(260);
    browser.reset();

    EXPECT_EQ(fake->log, (std::vector<std::wstring>{
                             L"SetClientSite a site",
                             L"DoVerb in-place activate in " + control + L" 575x241",
                             L"site: window " + control,
                             L"site: context ok, frame window " + top +
                                 L", no document window, 575x241 clipped 575x241, top window " + top,
                             L"put_Silent true",
                             L"Navigate http://example.invalid/caf\u00e9 omitted omitted omitted omitted",
                             L"SetObjectRects 575x260 clipped 575x260",
                             L"InPlaceDeactivate",
                             L"Close without saving",
                             L"SetClientSite none",
                         }));
    // The host holds no reference to the object any more, and the site the
    // object kept no longer leads to the window that is gone.
    EXPECT_EQ(fake->References(), 1u);
    auto site = fake->keptSite.As<IOleInPlaceSite>(IID_IOleInPlaceSite);
    ASSERT_TRUE(site);
    HWND window = form.Handle();
    EXPECT_EQ(site->GetWindow(&window), E_FAIL);
    EXPECT_EQ(window, nullptr);
    EXPECT_EQ(site->CanInPlaceActivate(), S_FALSE);
}

// Keys for the page go to the part of it the user is in first (its Tab
// among links and fields, Ctrl+C); what it leaves is typed into it, but Tab,
// with which the dialog manager moves on past the page.
TEST(OleBrowserHost, KeysForThePageGoToItsActivePartFirst) {
    TestForm form;
    auto fake = MakeCom<FakeBrowser>();
    auto browser = std::make_unique<TCppWebBrowser>(
        form.Handle(), "CppWebBrowser1", 0, 0, 575, 241,
        std::make_unique<TOleBrowserHost>([&] { return ComPtr<IOleObject>::Share(fake.Get()); }));
    const HWND page = fake->Page();
    ASSERT_TRUE(page && IsChild(browser->Handle(), page));
    // Tab onto the control: the page takes the focus and becomes active.
    EXPECT_TRUE(browser->TabStop());
    browser->SetFocus();
    EXPECT_EQ(GetFocus(), page);
    EXPECT_EQ(fake->log.back(), L"DoVerb activate");
    const struct Case {
        const char* what;
        bool active, takes;
        HWND to;
        UINT message;
        WPARAM key;
        KeyUse use;
    } cases[] = {
        {"before the user is in the page", false, true, page, WM_KEYDOWN, VK_DELETE, KeyUse::Typed},
        {"its copy key", true, true, page, WM_KEYDOWN, 'C', KeyUse::Taken},
        {"Tab among its links", true, true, page, WM_KEYDOWN, VK_TAB, KeyUse::Taken},
        {"Delete it leaves to its field", true, false, page, WM_KEYDOWN, VK_DELETE, KeyUse::Typed},
        {"an arrow it leaves", true, false, page, WM_KEYDOWN, VK_DOWN, KeyUse::Typed},
        {"a character", true, false, page, WM_CHAR, 'x', KeyUse::Typed},
        {"Tab past its last field", true, false, page, WM_KEYDOWN, VK_TAB, KeyUse::Dialog},
        {"a window beside the page", true, true, form.Handle(), WM_KEYDOWN, VK_TAB, KeyUse::Dialog},
        {"after the user left the page", false, true, page, WM_KEYDOWN, 'C', KeyUse::Typed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fake->SetActive(c.active);
        fake->takesKeys = c.takes;
        const size_t logged = fake->log.size();
        MSG msg{};
        msg.hwnd = c.to;
        msg.message = c.message;
        msg.wParam = c.key;
        EXPECT_EQ(browser->RouteKey(msg), c.use);
        const bool offered = c.active && c.to == page;
        EXPECT_EQ(fake->log.size() - logged, offered ? 1u : 0u);
        if (offered) {
            EXPECT_EQ(fake->log.back(),
                      L"TranslateAccelerator " + std::to_wstring(c.message) + L" " + std::to_wstring(c.key));
        }
    }
    fake->SetActive(true);
    browser.reset();
    // The active part the site kept does not keep the object alive.
    EXPECT_EQ(fake->References(), 1u);
}

TEST(OleBrowserHost, WithoutAnObjectInPlaceTheControlIsAnEmptyPanel) {
    enum class Apartment { None, Multithreaded };
    auto refusing = MakeCom<FakeBrowser>();
    refusing->refuseActivation = true;
    struct Case {
        const char* name;
        Apartment apartment;
        std::function<std::unique_ptr<IBrowserHost>()> host;
    };
    const Case cases[] = {
        {"no host", Apartment::None, [] { return nullptr; }},
        {"no object", Apartment::None,
         [] { return std::make_unique<TOleBrowserHost>([] { return ComPtr<IOleObject>(); }); }},
        {"an object that will not go in place", Apartment::None,
         [&] { return std::make_unique<TOleBrowserHost>([&] { return ComPtr<IOleObject>::Share(refusing.Get()); }); }},
        {"the system control outside OLE", Apartment::None, [] { return std::make_unique<TOleBrowserHost>(); }},
        {"the system control in the multithreaded apartment", Apartment::Multithreaded,
         [] { return std::make_unique<TOleBrowserHost>(); }},
    };
    std::vector<std::string> seen, expected;
    for (const Case& c : cases) {
        OnOwnThread([&] {
            const HRESULT com = c.apartment == Apartment::Multithreaded ? CoInitializeEx(nullptr, COINIT_MULTITHREADED)
                                                                        : E_FAIL;
            {
                TestForm form;
                TCppWebBrowser browser(form.Handle(), "CppWebBrowser1", 0, 0, 575, 241, c.host());
                browser.Navigate("http://example.invalid/");
                seen.push_back(std::string(c.name) + (browser.HasHost() ? ": a host, " : ": no host, ") +
                               std::to_string(ChildrenOf(browser.Handle()).size()) + " windows inside, " +
                               browser.LocationURL());
            }
            if (SUCCEEDED(com)) CoUninitialize();
        });
        expected.push_back(std::string(c.name) + ": no host, 0 windows inside, http://example.invalid/");
    }
    EXPECT_EQ(seen, expected);
    // The object that did not go in place was closed and let go at once.
    ASSERT_GE(refusing->log.size(), 3u);
    EXPECT_EQ(std::vector<std::wstring>(refusing->log.end() - 3, refusing->log.end()),
              (std::vector<std::wstring>{L"InPlaceDeactivate", L"Close without saving", L"SetClientSite none"}));
    EXPECT_EQ(refusing->References(), 1u);
}

// The platform's own control, as the program hosts it on its OLE thread.
TEST(OleBrowserHost, TheSystemControlLivesInTheControlOnItsThread) {
    struct Seen {
        bool available = false, hosted = false, sameThread = false, goneWithControl = false;
        size_t inside = 0, leftInForm = 0;
        int width = 0, height = 0, newTopLevel = 0;
    } seen;
    OnOwnThread([&] {
        OleApartment ole;
        seen.available = static_cast<bool>(TOleBrowserHost::CreateWebBrowser());
        if (!seen.available) return;
        TestForm form;
        auto visibleTopLevel = [] {
            int count = 0;
            EnumThreadWindows(GetCurrentThreadId(), CountVisible, reinterpret_cast<LPARAM>(&count));
            return count;
        };
        const int before = visibleTopLevel();
        HWND object = nullptr;
        {
            TCppWebBrowser browser(form.Handle(), "CppWebBrowser1", 0, 0, 575, 241,
                                   std::make_unique<TOleBrowserHost>());
            seen.hosted = browser.HasHost();
            browser.Navigate("http://example.invalid/");
            browser.SetHeight(260);
            std::vector<HWND> inside = ChildrenOf(browser.Handle());
            seen.inside = inside.size();
            if (!inside.empty()) {
                object = inside.front();
                seen.sameThread = GetWindowThreadProcessId(object, nullptr) == GetCurrentThreadId();
                RECT r{};
                GetWindowRect(object, &r);
                seen.width = r.right - r.left;
                seen.height = r.bottom - r.top;
            }
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
            seen.newTopLevel = visibleTopLevel() - before;
        }
        seen.goneWithControl = object && !IsWindow(object);
        seen.leftInForm = ChildrenOf(form.Handle()).size();
    });
    if (!seen.available) GTEST_SKIP() << "this system has no web browser control";
    EXPECT_TRUE(seen.hosted);
    EXPECT_EQ(seen.inside, 1u);
    EXPECT_TRUE(seen.sameThread);
    EXPECT_EQ(seen.width, 575);
    EXPECT_EQ(seen.height, 260);
    EXPECT_EQ(seen.newTopLevel, 0) << "a window of its own (a prompt) showed";
    EXPECT_TRUE(seen.goneWithControl);
    EXPECT_EQ(seen.leftInForm, 0u);
}

}  // namespace
}  // namespace dorvane::test
