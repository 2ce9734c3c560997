#include "app/Unit2.h"
#include "app/Application.h"
#include "app/Artwork.h"
#include "controls/ControlRouting.h"
#include <stdexcept>

namespace dorvane {
namespace {
constexpr char kOverlayClass[] = "TForm2";
constexpr int kWidth = 100;
constexpr int kHeight = 32;

LRESULT OverlayProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT routed = 0;
    if (RouteControlMessage(hwnd, msg, wp, lp, routed)) return routed;
    return DefWindowProcA(hwnd, msg, wp, lp);
}


// Layered windows arrived with Windows 2000; looked up at run time so the
// program still starts where user32 lacks them.
void MakeBlackSeeThrough(HWND window) {
    using SetLayered = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    auto set_layered = reinterpret_cast<SetLayered>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "SetLayeredWindowAttributes")));
    if (!set_layered) return;
    SetWindowLongPtrA(window, GWL_EXSTYLE, GetWindowLongPtrA(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    set_layered(window, RGB(0, 0, 0), 255, LWA_COLORKEY);
}
}  // namespace

TForm2::TForm2(TApplication& application) {
    // Placed once, in the bottom-right corner of the work area.
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int left = (work.right - work.left) - kWidth;
    const int top = (work.bottom - work.top) - kHeight;
    BoundWindow::Shape shape;
    shape.ex_style = WS_EX_TOOLWINDOW;
    shape.style = WS_POPUP;
    shape.x = left;
    shape.y = top;
    shape.width = kWidth;
    shape.height = kHeight;
    shape.parent = application.Handle();
    WindowClassDesc window_class;
    window_class.name = kOverlayClass;
    window_class.background = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    window_class.arrow_cursor = true;
    if (!window_.Create(window_class, shape, OverlayProc)) throw std::runtime_error("Cannot create the status overlay");
    MakeBlackSeeThrough(window_.get());
    Image1 = std::make_unique<TImage>(window_.get(), "Image1", 8, 0, 84, 32);
    Image1->SetBitmap(BitmapFromPicture(LockedKeyboardPicture(), 0x000000));
}

TForm2::~TForm2() { Image1.reset(); }

}  // namespace dorvane
