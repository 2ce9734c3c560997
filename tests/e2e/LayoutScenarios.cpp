// The main window's layout as another process sees it: the sizes the
// pages' controls were placed for.
#include <gtest/gtest.h>
#include <vector>
#include "PanelProcess.h"

namespace dorvane::testing {
namespace {

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        found.push_back(child);
    return found;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

SIZE SizeOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

TEST(LayoutScenario, EveryPageIs575By260AndTheWebBrowserFillsItsPage) {
    if (FindPanelForm()) RunPanelToEnd({"VobDestroyMode"});
    PanelProcess panel;
    HWND form = WaitForPanelForm();
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(OpenAndClosePanelWindow(form));

    // The page control is the form's child at (4, 8); its pages are the
    // windows beside its tab strip.
    HWND page_control = nullptr;
    for (HWND child : Children(form)) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(HWND_DESKTOP, form, reinterpret_cast<POINT*>(&r), 2);
        if (r.left == 4 && r.top == 8 && SizeOf(child).cx == 581) page_control = child;
    }
    ASSERT_NE(page_control, nullptr);
    EXPECT_EQ(SizeOf(page_control).cy, 285);
    std::vector<HWND> pages;
    for (HWND child : Children(page_control))
        if (ClassOf(child) != "SysTabControl32") pages.push_back(child);
    ASSERT_EQ(pages.size(), 4u);
    for (HWND page : pages) {
        EXPECT_EQ(SizeOf(page).cx, 575);
        EXPECT_EQ(SizeOf(page).cy, 260);
    }
    // The web page holds nothing but its browser control, as large as the
    // page; in it, the system's browser, made on the panel's own thread (the
    // thread OLE was set up on), and as large again.
    int web_pages = 0;
    for (HWND page : pages) {
        std::vector<HWND> inside = Children(page);
        if (inside.size() != 1) continue;
        ++web_pages;
        EXPECT_EQ(SizeOf(inside.front()).cx, 575);
        EXPECT_EQ(SizeOf(inside.front()).cy, 260);
        std::vector<HWND> browser = Children(inside.front());
        ASSERT_EQ(browser.size(), 1u) << "no browser in the web page's control";
        EXPECT_EQ(GetWindowThreadProcessId(browser.front(), nullptr), GetWindowThreadProcessId(form, nullptr));
        EXPECT_EQ(SizeOf(browser.front()).cx, 575);
        EXPECT_EQ(SizeOf(browser.front()).cy, 260);
    }
    EXPECT_EQ(web_pages, 1);
}

}  // namespace
}  // namespace dorvane::testing
