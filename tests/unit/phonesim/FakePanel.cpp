#include "FakePanel.h"
#include "link/LinkProtocol.h"

namespace phonesim_test {
namespace {
constexpr char kFakePanelClass[] = "PhoneSimTestPanel";
}

FakePanel::FakePanel()
    : discover_msg(RegisterWindowMessageA(dorvane::kDiscoverMessageName)),
      attach_msg(RegisterWindowMessageA(dorvane::kAttachMessageName)) {
    dorvane::BoundWindow::Shape shape;
    shape.style = WS_OVERLAPPEDWINDOW;
    shape.width = shape.height = 100;
    shape.title = "fake panel";
    dorvane::WindowClassDesc window_class;
    window_class.name = kFakePanelClass;
    window_.Create(window_class, shape,
                   [this](HWND window, UINT msg, WPARAM wp, LPARAM lp) { return Handle(window, msg, wp, lp); });
}

LRESULT FakePanel::Handle(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == discover_msg) {
        discovers.push_back(reinterpret_cast<HWND>(wp));
        return 1;
    }
    if (msg == attach_msg) return 1;  // our own broadcast comes back to us
    if (msg == dorvane::WM_PHONE_EVENT) {
        events.push_back({static_cast<uint32_t>(wp), static_cast<uint32_t>(lp)});
        return 1;
    }
    if (msg == WM_COPYDATA) {
        auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lp);
        CopyData copy{reinterpret_cast<HWND>(wp), cds->dwData, {}, in_send_};
        if (cds->lpData) copy.bytes.assign(static_cast<const char*>(cds->lpData), cds->cbData);
        copies.push_back(std::move(copy));
        return 1;
    }
    return DefWindowProcA(window, msg, wp, lp);
}

bool FakePanel::PumpUntil(const std::function<bool()>& done, DWORD timeout_ms) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done()) return true;
        DWORD spent = GetTickCount() - start;
        if (spent >= timeout_ms) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, timeout_ms - spent, QS_ALLINPUT);
    }
}

void FakePanel::PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

void FakePanel::PostAttach(HWND service) {
    PostMessageA(service, attach_msg, reinterpret_cast<WPARAM>(Window()), 0);
}

void FakePanel::SendDetach(HWND service) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(service, attach_msg, 0, 0, SMTO_ABORTIFHUNG, 500, &result);
}

LRESULT FakePanel::SendCommand(HWND service, const std::string& text) {
    std::vector<char> payload = dorvane::BuildCommandPayload(text);
    return SendRawCopyData(service, payload.data(), static_cast<DWORD>(payload.size()));
}

LRESULT FakePanel::SendRawCopyData(HWND service, const void* data, DWORD size) {
    COPYDATASTRUCT cds{};
    cds.dwData = 0;
    cds.cbData = size;
    cds.lpData = const_cast<void*>(data);
    DWORD_PTR result = 0;
    in_send_ = true;
    SendMessageTimeoutA(service, WM_COPYDATA, reinterpret_cast<WPARAM>(Window()), reinterpret_cast<LPARAM>(&cds),
                        SMTO_ABORTIFHUNG, 500, &result);
    in_send_ = false;
    return static_cast<LRESULT>(result);
}

std::vector<PhoneEvent> FakePanel::StatusUpdates() const {
    std::vector<PhoneEvent> out;
    for (const PhoneEvent& e : events) {
        if (dorvane::KeyCodeOf(e.event) == dorvane::kStatusUpdateKey) out.push_back(e);
    }
    return out;
}

std::vector<PhoneEvent> FakePanel::KeyReports() const {
    std::vector<PhoneEvent> out;
    for (const PhoneEvent& e : events) {
        if (dorvane::KeyCodeOf(e.event) != dorvane::kStatusUpdateKey) out.push_back(e);
    }
    return out;
}

void FakePanel::Clear() {
    discovers.clear();
    events.clear();
    copies.clear();
}

}  // namespace phonesim_test
