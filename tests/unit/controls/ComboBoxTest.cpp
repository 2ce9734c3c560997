#include <windows.h>
#include <gtest/gtest.h>
#include "ControlTestSupport.h"
#include "controls/ComboBox.h"

namespace dorvane::test {
namespace {

class ComboBoxTest : public ::testing::Test {
protected:
    TestForm form;
    TsuiComboBox box{form.Handle(), "suiComboBoxSkypeOut", 10, 10, 200, 21};
    EventLog log;
    void SetUp() override {
        box.SetItems({"Default device", "Speakers (USB Audio Device)", "Speakers (High Definition Audio Device)"});
        box.OnChange = [this] { log.push_back("change " + std::to_string(box.ItemIndex())); };
    }
};

TEST_F(ComboBoxTest, SelectingFromCodeRaisesNothing) {
    box.SetItemIndex(1);
    box.SetItemIndex(2);
    box.SetItemIndex(7);  // out of range: nothing selected
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(box.ItemIndex(), -1);
    box.SetItemIndex(1);
    EXPECT_EQ(box.Text(), "Speakers (USB Audio Device)");
}

TEST_F(ComboBoxTest, UserSelectionRaisesChange) {
    // As the list does when the user picks an entry.
    SendMessageA(box.Handle(), CB_SETCURSEL, 2, 0);
    SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box.Handle()));
    // The native box itself, driven by the keyboard.
    SendMessageA(box.Handle(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(log, (EventLog{"change 2", "change 1"}));
}

TEST_F(ComboBoxTest, ItemsReadBackAndClear) {
    EXPECT_EQ(box.Count(), 3);
    EXPECT_EQ(box.IndexOf("Speakers (High Definition Audio Device)"), 2);
    EXPECT_EQ(box.IndexOf("missing"), -1);
    EXPECT_EQ(box.Item(3), "");
    box.SetItemIndex(0);
    box.Clear();
    EXPECT_EQ(box.Count(), 0);
    EXPECT_EQ(box.ItemIndex(), -1);
    EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace dorvane::test
