#include <windows.h>
#include <gtest/gtest.h>
#include "ControlTestSupport.h"
#include "controls/Label.h"
#include "controls/URLLabel.h"

namespace dorvane::test {
namespace {

// The text colour the label asks its parent for, as it does when painting.
COLORREF PaintColor(HWND form, const TControl& label) {
    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageA(form, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label.Handle()));
    const COLORREF color = GetTextColor(dc);
    DeleteDC(dc);
    return color;
}

TEST(URLLabel, LooksLikeALinkWhileEnabled) {
    TestForm form;
    TsuiURLLabel link(form.Handle(), "suiURLLabelWeb0", 56, 20, 200, 20, "Skype");
    EXPECT_EQ(PaintColor(form.Handle(), link), RGB(0, 0, 255));
    EXPECT_TRUE(DescribeFont(link.ShownFont()).underline);

    link.SetEnabled(false);
    EXPECT_EQ(PaintColor(form.Handle(), link), GetSysColor(COLOR_GRAYTEXT));
    EXPECT_FALSE(DescribeFont(link.ShownFont()).underline);

    link.SetEnabled(true);
    link.SetFontColor(RGB(255, 0, 0));
    EXPECT_EQ(PaintColor(form.Handle(), link), RGB(255, 0, 0));
    EXPECT_TRUE(DescribeFont(link.ShownFont()).underline);
}

TEST(URLLabel, HotWhileTheMouseIsOver) {
    TestForm form;
    TsuiURLLabel link(form.Handle(), "link", 56, 20, 200, 20, "Skype");
    SendMessageA(link.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    const COLORREF hot = PaintColor(form.Handle(), link);
    SendMessageA(link.Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ((std::vector<COLORREF>{hot, PaintColor(form.Handle(), link)}),
              (std::vector<COLORREF>{RGB(128, 0, 128), RGB(0, 0, 255)}));
}

TEST(URLLabel, ClickOnlyWhileEnabled) {
    TestForm form;
    TsuiURLLabel link(form.Handle(), "link", 56, 20, 200, 20, "Skype");
    link.SetURL("http://www.skype.com/");
    EventLog log;
    link.OnClick = [&] { log.push_back("open " + link.URL()); };
    // The native static reports a button press on it as a click.
    SendMessageA(link.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(link.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    link.Click();
    link.SetEnabled(false);
    link.Click();
    SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(0, STN_CLICKED), reinterpret_cast<LPARAM>(link.Handle()));
    EXPECT_EQ(log, (EventLog{"open http://www.skype.com/", "open http://www.skype.com/"}));
}

TEST(Label, FontColorAndCaption) {
    TestForm form;
    TLabel number(form.Handle(), "LabelWeb0", 4, 20, 24, 20, "1", TLabel::Alignment::Center);
    number.SetFontColor(RGB(255, 0, 0));
    EXPECT_EQ(PaintColor(form.Handle(), number), RGB(255, 0, 0));
    EXPECT_EQ(number.Caption(), "1");
    EXPECT_TRUE(GetWindowLongPtrA(number.Handle(), GWL_STYLE) & SS_CENTER);
}

}  // namespace
}  // namespace dorvane::test
