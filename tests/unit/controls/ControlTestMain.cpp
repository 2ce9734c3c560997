#include <windows.h>
#include <gtest/gtest.h>
#include <shellapi.h>
#include "ControlTestSupport.h"
#include "controls/ControlRouting.h"

namespace dorvane::test {
namespace {
LRESULT FormProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (RouteControlMessage(hwnd, msg, wp, lp, result)) return result;
    return DefWindowProcA(hwnd, msg, wp, lp);
}

BOOL CALLBACK CountChild(HWND, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    EnumChildWindows(hwnd, CountChild, counter);
    return TRUE;
}
}  // namespace

TestForm::TestForm() {
    BoundWindow::Shape shape;
    shape.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    shape.x = shape.y = 10;
    shape.width = 640;
    shape.height = 400;
    shape.title = "controls";
    WindowClassDesc window_class;
    window_class.name = "DorvaneTestForm";
    window_class.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_.Create(window_class, shape, FormProc);
    ShowWindow(window_.get(), SW_SHOW);
    SetForegroundWindow(window_.get());
}

int CountThreadWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&count));
    return count;
}


}  // namespace dorvane::test

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
