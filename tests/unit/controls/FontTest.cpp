#include <windows.h>
#include <gtest/gtest.h>
#include "ControlTestSupport.h"
#include "controls/Button.h"
#include "controls/GroupBox.h"
#include "controls/Label.h"
#include "controls/URLLabel.h"

namespace dorvane::test {
namespace {

FontDesc Shown(const TControl& c) {
    return DescribeFont(reinterpret_cast<HFONT>(SendMessageA(c.Handle(), WM_GETFONT, 0, 0)));
}

TEST(Font, SharedFontSkipsControlsWithTheirOwnFont) {
    TestForm form;
    TsuiButton shared(form.Handle(), "suiButtonWebSave", 10, 10, 80, 24, "Save");
    TLabel own(form.Handle(), "LabelWeb0", 10, 40, 24, 20, "1");
    own.SetFont(FontDesc{"Tahoma", -13, ANSI_CHARSET, true, false});
    own.SetOwnFont(true);

    const FontDesc korean{"Arial Unicode MS", FontHeightForPoints(10), HANGEUL_CHARSET};
    EXPECT_TRUE(shared.ApplySharedFont(korean));
    EXPECT_FALSE(own.ApplySharedFont(korean));

    const FontDesc shown = Shown(shared);
    EXPECT_EQ((std::vector<std::string>{shown.face, std::to_string(shown.height), std::to_string(shown.charset)}),
              (std::vector<std::string>{"Arial Unicode MS", std::to_string(korean.height), "129"}));
    EXPECT_EQ(Shown(own), (FontDesc{"Tahoma", -13, ANSI_CHARSET, true, false}));
}

TEST(Font, SharedFontKeepsTheControlsOwnStyle) {
    TestForm form;
    TLabel bold(form.Handle(), "LabelWeb1", 10, 40, 24, 20, "2");
    bold.SetFont(FontDesc{"MS Sans Serif", -11, ANSI_CHARSET, true, false});
    TsuiURLLabel link(form.Handle(), "suiURLLabelWeb1", 40, 40, 100, 20, "N/A");
    bold.ApplySharedFont({"Fixedsys", -13, CHINESEBIG5_CHARSET});
    link.ApplySharedFont({"Fixedsys", -13, CHINESEBIG5_CHARSET});
    EXPECT_EQ(Shown(bold), (FontDesc{"Fixedsys", -13, CHINESEBIG5_CHARSET, true, false}));
    EXPECT_EQ(Shown(link), (FontDesc{"Fixedsys", -13, CHINESEBIG5_CHARSET, false, true}));
}

TEST(Font, ReplacedOwnFontIsReleasedAndCallersFontIsNot) {
    TestForm form;
    GdiObject callers = CreateFontFor({"Tahoma", -12, ANSI_CHARSET});
    HFONT first = nullptr;
    {
        TsuiButton button(form.Handle(), "b", 10, 10, 80, 24);
        button.SetFont(FontDesc{"Tahoma", -11, ANSI_CHARSET});
        first = button.Font();
        button.SetFont(static_cast<HFONT>(callers.get()));
        EXPECT_EQ(Shown(button).height, -12);
    }
    LOGFONTA lf{};
    EXPECT_EQ(GetObjectA(first, sizeof(lf), &lf), 0) << "the control's own font was not released";
    EXPECT_EQ(GetObjectA(callers.get(), sizeof(lf), &lf), static_cast<int>(sizeof(lf)));
}

TEST(Font, ChildrenStartWithACopyOfTheContainersFont) {
    TestForm form;
    TsuiGroupBox group(form.Handle(), "g", 10, 10, 300, 200, "Group");
    group.SetFont(FontDesc{"Courier New", -15, ANSI_CHARSET});
    TsuiButton inside(group.Handle(), "inside", 10, 20, 80, 24);
    EXPECT_EQ(Shown(inside).face, "Courier New");
    group.SetFont(FontDesc{"Tahoma", -11, ANSI_CHARSET});
    // The container has let go of its old font; the child's still draws.
    EXPECT_EQ(Shown(inside).face, "Courier New");
    LOGFONTA lf{};
    EXPECT_EQ(GetObjectA(inside.Font(), sizeof(lf), &lf), static_cast<int>(sizeof(lf)));
}

}  // namespace
}  // namespace dorvane::test
