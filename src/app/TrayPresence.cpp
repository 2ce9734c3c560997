// The tray icon's image and the status overlay, as the link state drives them.
#include "app/Unit1.h"
#include "link/LinkProtocol.h"

namespace dorvane {

void TForm1::SetTrayImage(int image) {
    if (image == TrayImage) return;
    TrayImage = image;
}

void TForm1::UpdateTrayIcon() {
    if (!(StatusWord & kDeviceBit)) SetTrayImage(0);
    else SetTrayImage(NavigationByteOf(KeyEvent) != 0 ? 2 : 1);
}

void TForm1::UpdateOverlay(bool) {}

void TForm1::ApplicationEvents1Message(const MSG& msg) {
    switch (msg.message) {
        case WM_KEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_MOUSEWHEEL:
            TimerMin.RestartIfRunning();
            break;
        case WM_MOUSEMOVE:
            // Plain movement is not use; a drag or a modifier held is.
            if (msg.wParam != 0) TimerMin.RestartIfRunning();
            break;
        default:
            break;
    }
}

}  // namespace dorvane
