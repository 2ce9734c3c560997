#include <windows.h>
#include <gtest/gtest.h>
#include <commctrl.h>
#include <stdexcept>
#include "ControlTestSupport.h"
#include "controls/HandlerGuard.h"
#include "controls/TrackBar.h"

namespace dorvane::test {
namespace {

class TrackBarTest : public ::testing::Test {
protected:
    TestForm form;
    TsuiTrackBar bar{form.Handle(), "suiTrackBarVolRing", 10, 10, 200, 30};
    EventLog log;

    void SetUp() override {
        bar.SetRange(0, 15);
        bar.OnChange = [this] { log.push_back("change " + std::to_string(bar.Position())); };
    }
    int NativePosition() const { return static_cast<int>(SendMessageA(bar.Handle(), TBM_GETPOS, 0, 0)); }
    // What the native bar does when the user drags the thumb.
    void UserMove(int position, int code = TB_THUMBTRACK) {
        SendMessageA(bar.Handle(), TBM_SETPOS, TRUE, position);
        SendMessageA(form.Handle(), WM_HSCROLL, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(bar.Handle()));
    }
};

TEST_F(TrackBarTest, CodeSetsAreClampedAndRaiseOnlyRealChanges) {
    bar.SetPosition(5);
    bar.SetPosition(5);
    bar.SetPosition(20);
    bar.SetPosition(15);
    bar.SetPosition(-3);
    bar.SetPosition(-1);
    EXPECT_EQ(log, (EventLog{"change 5", "change 15", "change 0"}));
    EXPECT_EQ(NativePosition(), 0);
}

TEST_F(TrackBarTest, RangeChangeThatMovesThePositionRaisesOnce) {
    bar.SetPosition(10);
    bar.SetMax(8);      // clamps 10 -> 8
    bar.SetMax(8);      // nothing
    bar.SetMin(9);      // lifts the maximum, clamps 8 -> 9
    bar.SetRange(0, 65535);  // position 9 stays
    EXPECT_EQ(log, (EventLog{"change 10", "change 8", "change 9"}));
    EXPECT_EQ(bar.Min(), 0);
    EXPECT_EQ(bar.Max(), 65535);
    EXPECT_EQ(NativePosition(), 9);
    EXPECT_EQ(SendMessageA(bar.Handle(), TBM_GETRANGEMAX, 0, 0), 65535);
}

TEST_F(TrackBarTest, UserMoveRaisesOncePerRealChange) {
    UserMove(7, TB_THUMBTRACK);
    UserMove(7, TB_THUMBPOSITION);
    SendMessageA(form.Handle(), WM_HSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(bar.Handle()));
    UserMove(3, TB_THUMBTRACK);
    EXPECT_EQ(log, (EventLog{"change 7", "change 3"}));
    EXPECT_EQ(bar.Position(), 3);
}

TEST_F(TrackBarTest, KeyboardPageStepGoesThroughTheNativeBar) {
    bar.SetPageSize(4);
    bar.SetPosition(2);
    log.clear();
    // The native bar moves by the page size and notifies its parent itself.
    SendMessageA(bar.Handle(), WM_KEYDOWN, VK_NEXT, 0);
    SendMessageA(bar.Handle(), WM_KEYUP, VK_NEXT, 0);
    EXPECT_EQ(log, (EventLog{"change 6"}));
    EXPECT_EQ(bar.PageSize(), 4);
}

TEST(TrackBarVertical, VerticalBarReportsThroughVScroll) {
    TestForm form;
    TsuiTrackBar bar(form.Handle(), "bar", 10, 10, 30, 200, TsuiTrackBar::Orientation::Vertical);
    bar.SetRange(0, 100);
    EventLog log;
    bar.OnChange = [&] { log.push_back("change " + std::to_string(bar.Position())); };
    SendMessageA(bar.Handle(), TBM_SETPOS, TRUE, 40);
    SendMessageA(form.Handle(), WM_VSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 40), reinterpret_cast<LPARAM>(bar.Handle()));
    EXPECT_EQ(log, (EventLog{"change 40"}));
}

TEST_F(TrackBarTest, HandlerExceptionOnUserMoveIsReportedNotUnwound) {
    std::string reported;
    SetExceptionReporter([&](const std::string& message) { reported = message; });
    bar.OnChange = [] { throw std::runtime_error("device gone"); };
    UserMove(4);
    SetExceptionReporter({});
    EXPECT_EQ(reported, "device gone");
    EXPECT_EQ(bar.Position(), 4);
}

}  // namespace
}  // namespace dorvane::test
