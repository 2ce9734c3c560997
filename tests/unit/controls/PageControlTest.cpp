#include <windows.h>
#include <gtest/gtest.h>
#include <commctrl.h>
#include <memory>
#include "ControlTestSupport.h"
#include "controls/CheckBox.h"
#include "controls/GroupBox.h"
#include "controls/PageControl.h"
#include "controls/TabSheet.h"

namespace dorvane::test {
namespace {

class PageControlTest : public ::testing::Test {
protected:
    TestForm form;
    TsuiPageControl pages{form.Handle(), "suiPageControl1", 4, 8, 581, 285};
    TsuiTabSheet url{pages, "suiTabSheetUrl", "Website"};
    TsuiTabSheet ring{pages, "suiTabSheetRing", "Ring Tone"};
    TsuiTabSheet audio{pages, "suiTabSheetAudio", "Setup"};
    EventLog log;

    void SetUp() override {
        pages.OnChange = [this] { log.push_back("change " + std::to_string(pages.ActivePageIndex())); };
    }
    // Which pages are enabled and visible, as "ev" letters per page.
    std::vector<std::string> PageStates() const {
        std::vector<std::string> states;
        for (int i = 0; i < pages.PageCount(); ++i) {
            const TsuiTabSheet* page = pages.Page(i);
            states.push_back(std::string(page->Enabled() ? "e" : "-") + (page->Visible() ? "v" : "-"));
        }
        return states;
    }
    void UserPicksTab(int index) {
        SendMessageA(pages.TabHandle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
        NMHDR header{pages.TabHandle(), 0, static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageA(pages.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    }
};

TEST_F(PageControlTest, NoPageIsActiveUntilOneIsMadeActive) {
    EXPECT_EQ(pages.PageCount(), 3);
    EXPECT_EQ(pages.ActivePageIndex(), -1);
    EXPECT_EQ(PageStates(), (std::vector<std::string>{"--", "--", "--"}));
    EXPECT_EQ(SendMessageA(pages.TabHandle(), TCM_GETCURSEL, 0, 0), -1);
}

TEST_F(PageControlTest, CodeChangesRaiseOnlyRealChangesAndSwitchEnabledPages) {
    pages.SetActivePageIndex(0);
    pages.SetActivePageIndex(0);
    pages.SetActivePageIndex(2);
    pages.SetActivePageIndex(3);   // out of range
    pages.SetActivePageIndex(-2);  // out of range
    EXPECT_EQ(log, (EventLog{"change 0", "change 2"}));
    EXPECT_EQ(PageStates(), (std::vector<std::string>{"--", "--", "ev"}));
    EXPECT_EQ(pages.ActivePage(), &audio);
    EXPECT_EQ(SendMessageA(pages.TabHandle(), TCM_GETCURSEL, 0, 0), 2);
}

TEST_F(PageControlTest, TabClickRaisesChangeAndSwitchesEnabledPages) {
    pages.SetActivePageIndex(0);
    UserPicksTab(1);
    // The native strip itself, driven by the keyboard.
    SendMessageA(pages.TabHandle(), WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(log, (EventLog{"change 0", "change 1", "change 2"}));
    EXPECT_EQ(PageStates(), (std::vector<std::string>{"--", "--", "ev"}));
}

TEST_F(PageControlTest, CaptionIsTheTabText) {
    ring.SetCaption("Klingelton");
    char text[64] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(pages.TabHandle(), TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, "Klingelton");
    EXPECT_EQ(ring.PageIndex(), 1);
}

TEST_F(PageControlTest, PagesFillThePageArea) {
    const RECT area = pages.PageRect();
    const RECT page = ring.Bounds();
    EXPECT_EQ((std::vector<LONG>{page.left, page.top, page.right, page.bottom}),
              (std::vector<LONG>{area.left, area.top, area.right, area.bottom}));
    EXPECT_GT(area.bottom - area.top, 200);
}

TEST_F(PageControlTest, PageGoingAwayIsNoPageChange) {
    pages.SetActivePageIndex(2);
    {
        TsuiTabSheet extra(pages, "extra", "Extra");
        pages.SetActivePageIndex(3);
    }
    EXPECT_EQ(pages.PageCount(), 3);
    EXPECT_EQ(pages.ActivePageIndex(), -1);
    EXPECT_EQ(SendMessageA(pages.TabHandle(), TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(log, (EventLog{"change 2", "change 3"}));
}

TEST_F(PageControlTest, NotificationsOfControlsOnPagesAndGroupsReachTheirObjects) {
    pages.SetActivePageIndex(2);
    TsuiGroupBox group(audio.Handle(), "suiGroupBoxVol", 8, 8, 300, 120, "Volume");
    TsuiCheckBox on_page(audio.Handle(), "onPage", 320, 8, 100, 20, "Page");
    TsuiCheckBox in_group(group.Handle(), "inGroup", 10, 20, 100, 20, "Mute");
    EventLog clicks;
    on_page.OnClick = [&] { clicks.push_back("onPage"); };
    in_group.OnClick = [&] { clicks.push_back("inGroup"); };
    SendMessageA(in_group.Handle(), BM_CLICK, 0, 0);
    SendMessageA(on_page.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, (EventLog{"inGroup", "onPage"}));
    char frame_text[32] = {};
    GetWindowTextA(group.FrameHandle(), frame_text, sizeof(frame_text));
    EXPECT_STREQ(frame_text, "Volume");
}

TEST_F(PageControlTest, InactivePageTakesNoInput) {
    pages.SetActivePageIndex(0);
    TsuiCheckBox box(ring.Handle(), "onRing", 10, 10, 100, 20);
    EXPECT_FALSE(IsWindowEnabled(ring.Handle()));
    pages.SetActivePageIndex(1);
    EXPECT_TRUE(IsWindowEnabled(ring.Handle()));
    EXPECT_FALSE(IsWindowEnabled(url.Handle()));
}

}  // namespace
}  // namespace dorvane::test
