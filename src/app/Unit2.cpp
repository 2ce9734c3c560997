#include "app/Unit2.h"
#include "app/Application.h"
#include <stdexcept>

namespace dorvane {
namespace {
constexpr char kOverlayClass[] = "TForm2";

void RegisterOverlayClass() {
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        wc.lpszClassName = kOverlayClass;
        return RegisterClassA(&wc) != 0;
    }();
    (void)registered;
}
}  // namespace

TForm2::TForm2(TApplication& application) {
    RegisterOverlayClass();
    window_.reset(CreateWindowExA(WS_EX_TOOLWINDOW, kOverlayClass, "", WS_POPUP, 0, 0, 100, 32,
                                  application.Handle(), nullptr, GetModuleHandleA(nullptr), nullptr));
    if (!window_) throw std::runtime_error("Cannot create the status overlay");
}

}  // namespace dorvane
