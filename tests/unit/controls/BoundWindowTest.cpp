#include <windows.h>
#include <gtest/gtest.h>
#include <memory>
#include <vector>
#include "controls/BoundWindow.h"

namespace dorvane::test {
namespace {

// An owner that records what its window tells it.
struct Recorder {
    std::vector<UINT> seen;
    HWND during_create = nullptr;  // what the binding held while WM_NCCREATE ran
    BoundWindow window;

    bool Make(HWND parent) {
        BoundWindow::Shape shape;
        shape.style = parent ? WS_CHILD : WS_POPUP;
        shape.width = shape.height = 10;
        shape.parent = parent;
        WindowClassDesc window_class;
        window_class.name = "DorvaneBoundWindowTest";
        return window.Create(window_class, shape, [this](HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
            seen.push_back(msg);
            if (msg == WM_NCCREATE) during_create = window.get();
            return BoundWindow::Default(hwnd, msg, wp, lp);
        });
    }
    bool Saw(UINT msg) const {
        for (UINT m : seen)
            if (m == msg) return true;
        return false;
    }
};

TEST(BoundWindowTest, TheOwnerHearsItsWindowFromCreationUntilEitherSideLetsGo) {
    // Two owners of one class: the class is registered once and each window
    // reaches its own owner, beginning with WM_NCCREATE.
    Recorder first, second;
    ASSERT_TRUE(first.Make(nullptr));
    ASSERT_TRUE(second.Make(nullptr));
    ASSERT_FALSE(first.seen.empty());
    EXPECT_EQ(first.seen.front(), static_cast<UINT>(WM_NCCREATE));
    EXPECT_TRUE(first.Saw(WM_CREATE));
    EXPECT_EQ(first.during_create, first.window.get());
    first.seen.clear();
    second.seen.clear();
    SendMessageA(second.window.get(), WM_USER + 1, 0, 0);
    EXPECT_TRUE(first.seen.empty());
    EXPECT_TRUE(second.Saw(WM_USER + 1));

    // The owner lets go: the window is gone and its last messages reach no one.
    HWND gone = first.window.get();
    first.window.reset();
    EXPECT_FALSE(IsWindow(gone));
    EXPECT_FALSE(first.Saw(WM_DESTROY));
    EXPECT_FALSE(first.window);

    // The window goes first (its parent is destroyed): the owner is detached
    // and keeps no handle to a dead window.
    auto child = std::make_unique<Recorder>();
    ASSERT_TRUE(child->Make(second.window.get()));
    second.window.reset();
    EXPECT_TRUE(child->Saw(WM_DESTROY));
    EXPECT_FALSE(child->window);
    child.reset();  // nothing left to destroy twice
}

}  // namespace
}  // namespace dorvane::test
