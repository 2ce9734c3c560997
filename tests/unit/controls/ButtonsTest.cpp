#include <windows.h>
#include <gtest/gtest.h>
#include "ControlTestSupport.h"
#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/RadioButton.h"

namespace dorvane::test {
namespace {

bool NativeChecked(const TControl& c) { return SendMessageA(c.Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

TEST(CheckBox, ClickRaisedOnlyWhenTheStateReallyChanges) {
    TestForm form;
    TsuiCheckBox box(form.Handle(), "suiCheckBoxVolOut", 10, 10, 100, 20, "Mute");
    EventLog log;
    box.OnClick = [&] { log.push_back(box.Checked() ? "click on" : "click off"); };

    box.SetChecked(false);                          // already clear
    box.SetChecked(true);
    box.SetChecked(true);                           // already set
    box.Click();                                    // toggles off
    SendMessageA(box.Handle(), BM_CLICK, 0, 0);     // the user: toggles on
    box.SetEnabled(false);
    SendMessageA(box.Handle(), BM_CLICK, 0, 0);     // disabled: nothing
    SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(box.Handle()));

    EXPECT_EQ(log, (EventLog{"click on", "click off", "click on"}));
    EXPECT_TRUE(box.Checked());
    EXPECT_TRUE(NativeChecked(box));
    EXPECT_EQ(box.Caption(), "Mute");
}

TEST(RadioButton, GroupKeepsOneCheckedAndRaisesOncePerChange) {
    TestForm form;
    TsuiRadioButton r0(form.Handle(), "r0", 10, 10, 100, 20, "0");
    TsuiRadioButton r1(form.Handle(), "r1", 10, 40, 100, 20, "1");
    TsuiRadioButton r2(form.Handle(), "r2", 10, 70, 100, 20, "2");
    TsuiRadioButton other(form.Handle(), "other", 10, 100, 100, 20, "x", 1);
    EventLog log;
    for (auto* r : {&r0, &r1, &r2, &other})
        r->OnClick = [&log, r] { log.push_back(r->Name()); };

    other.SetChecked(true);
    r0.SetChecked(true);
    SendMessageA(r1.Handle(), BM_CLICK, 0, 0);  // the user picks r1
    SendMessageA(r1.Handle(), BM_CLICK, 0, 0);  // already checked
    r2.Click();
    r2.SetChecked(false);                        // unchecking raises nothing
    r0.SetEnabled(false);
    SendMessageA(r0.Handle(), BM_CLICK, 0, 0);   // disabled: nothing

    EXPECT_EQ(log, (EventLog{"other", "r0", "r1", "r2"}));
    EXPECT_EQ((std::vector<bool>{r0.Checked(), r1.Checked(), r2.Checked(), other.Checked()}),
              (std::vector<bool>{false, false, false, true}));
    EXPECT_EQ((std::vector<bool>{NativeChecked(r0), NativeChecked(r1), NativeChecked(r2), NativeChecked(other)}),
              (std::vector<bool>{false, false, false, true}));
}

TEST(RadioButton, CheckingOneUnchecksTheOthersOnScreenToo) {
    TestForm form;
    TsuiRadioButton r0(form.Handle(), "r0", 10, 10, 100, 20);
    TsuiRadioButton r1(form.Handle(), "r1", 10, 40, 100, 20);
    r0.SetTabStop(false);
    r1.SetTabStop(false);
    r0.SetChecked(true);
    SendMessageA(r1.Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(NativeChecked(r0));
    EXPECT_TRUE(NativeChecked(r1));
    EXPECT_FALSE(r0.Checked());
    // The native button makes a checked radio a tab stop by itself; the
    // program's choice holds.
    EXPECT_FALSE(r0.TabStop());
    EXPECT_FALSE(r1.TabStop());
}

TEST(Button, ClickFromCodeAndFromTheUser) {
    TestForm form;
    TsuiButton button(form.Handle(), "suiButtonWebSave", 10, 10, 80, 24, "Save");
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    button.Click();
    SendMessageA(button.Handle(), BM_CLICK, 0, 0);
    button.SetEnabled(false);
    SendMessageA(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(button.Enabled());
}

}  // namespace
}  // namespace dorvane::test
