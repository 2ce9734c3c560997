#include <windows.h>
#include <gtest/gtest.h>
#include "ControlTestSupport.h"
#include "controls/PopupMenu.h"

namespace dorvane::test {
namespace {

// The marks of a native item as "C" (checked), "R" (radio), "D" (default),
// "G" (greyed), "-" (separator).
std::string Marks(HMENU menu, int index) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(index), TRUE, &info)) return "?";
    std::string marks;
    if (info.fType & MFT_SEPARATOR) marks += "-";
    if (info.fState & MFS_CHECKED) marks += "C";
    if (info.fType & MFT_RADIOCHECK) marks += "R";
    if (info.fState & MFS_DEFAULT) marks += "D";
    if (info.fState & MFS_GRAYED) marks += "G";
    return marks;
}

std::vector<std::string> AllMarks(HMENU menu) {
    std::vector<std::string> all;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) all.push_back(Marks(menu, i));
    return all;
}

class PopupMenuTest : public ::testing::Test {
protected:
    TestForm form;
    TsuiPopupMenu menu{form.Handle()};
    TMenuItem& setup = menu.Items().Add("Setup", "ItemSetup");
    TMenuItem& language = menu.Items().Add("Language", "ItemLanguage");
    TMenuItem& bar = menu.Items().AddSeparator("ItemBar1");
    TMenuItem& exit = menu.Items().Add("Exit", "ItemExit");
    EventLog log;

    void SetUp() override {
        for (const char* name : {"English", "Deutsch", "Francais"}) {
            TMenuItem& item = language.Add(name);
            item.SetRadioItem(true);
            item.OnClick = [this, &item] { log.push_back("click " + item.Caption()); };
        }
        setup.OnClick = [this] { log.push_back("click Setup"); };
        exit.OnClick = [this] { log.push_back("click Exit"); };
    }
};

TEST_F(PopupMenuTest, NativeMenuHasTheItemsInOrder) {
    HMENU top = menu.Handle();
    EXPECT_EQ(GetMenuItemCount(top), 4);
    char text[32] = {};
    GetMenuStringA(top, 3, text, sizeof(text), MF_BYPOSITION);
    EXPECT_STREQ(text, "Exit");
    EXPECT_EQ(GetSubMenu(top, 1), language.SubMenu());
    EXPECT_EQ(GetMenuItemCount(language.SubMenu()), 3);
    EXPECT_EQ(AllMarks(top), (std::vector<std::string>{"", "", "-", ""}));
    EXPECT_TRUE(bar.IsSeparator());
}

TEST_F(PopupMenuTest, CheckingARadioItemUnchecksTheOthersOfItsGroup) {
    language.Item(0).SetChecked(true);
    language.Item(2).SetChecked(true);
    EXPECT_EQ(AllMarks(language.SubMenu()), (std::vector<std::string>{"R", "R", "CR"}));
    EXPECT_EQ((std::vector<bool>{language.Item(0).Checked(), language.Item(2).Checked()}),
              (std::vector<bool>{false, true}));
}

TEST_F(PopupMenuTest, OneDefaultItemPerMenu) {
    language.Item(1).SetDefault(true);
    language.Item(2).SetDefault(true);
    EXPECT_EQ(GetMenuDefaultItem(language.SubMenu(), TRUE, 0), 2u);
    EXPECT_EQ(AllMarks(language.SubMenu()), (std::vector<std::string>{"R", "R", "RD"}));
    EXPECT_FALSE(language.Item(1).Default());
    // Captions change under the default mark without losing it.
    language.Item(2).SetCaption("Français");
    EXPECT_EQ(AllMarks(language.SubMenu()), (std::vector<std::string>{"R", "R", "RD"}));
}

TEST_F(PopupMenuTest, ChosenCommandRunsTheItemsClick) {
    exit.SetEnabled(false);
    EXPECT_EQ(Marks(menu.Handle(), 3), "G");
    EXPECT_EQ(menu.DispatchCommand(language.Item(1).Command()), &language.Item(1));
    EXPECT_EQ(menu.DispatchCommand(setup.Command()), &setup);
    EXPECT_EQ(menu.DispatchCommand(exit.Command()), nullptr);      // disabled
    EXPECT_EQ(menu.DispatchCommand(language.Command()), nullptr);  // a submenu
    EXPECT_EQ(menu.DispatchCommand(0), nullptr);                   // dismissed
    EXPECT_EQ(log, (EventLog{"click Deutsch", "click Setup"}));
}

TEST_F(PopupMenuTest, PopupRaisesOnPopupFirstThenRunsTheChosenItem) {
    menu.OnPopup = [this] {
        log.push_back("popup");
        // Keys the menu reads once it tracks: first item, Enter.
        PostMessageA(form.Handle(), WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(form.Handle(), WM_KEYDOWN, VK_RETURN, 0);
    };
    POINT at{100, 100};
    ClientToScreen(form.Handle(), &at);
    TMenuItem* chosen = menu.Popup(at.x, at.y);
    EXPECT_EQ(chosen, &setup);
    EXPECT_EQ(log, (EventLog{"popup", "click Setup"}));
}

TEST_F(PopupMenuTest, DismissedPopupRunsNothing) {
    menu.OnPopup = [this] {
        log.push_back("popup");
        PostMessageA(form.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    };
    EXPECT_EQ(menu.Popup(50, 50), nullptr);
    EXPECT_EQ(log, (EventLog{"popup"}));
}

}  // namespace
}  // namespace dorvane::test
