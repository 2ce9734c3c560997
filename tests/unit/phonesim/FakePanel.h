// A stand-in for the control panel's main window: a real top-level window on
// the test thread that records what the phone service sends it, the way the
// panel receives it (sent messages, so the test thread must pump).
#pragma once
#include <windows.h>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include "controls/BoundWindow.h"

namespace phonesim_test {

struct PhoneEvent {
    uint32_t status;
    uint32_t event;
    bool operator==(const PhoneEvent&) const = default;
};

struct CopyData {
    HWND sender;
    ULONG_PTR dw_data;
    std::string bytes;  // all cbData bytes, the 0 byte included
    bool during_own_send;  // arrived while the panel itself was sending
};

class FakePanel {
public:
    FakePanel();
    ~FakePanel() = default;
    FakePanel(const FakePanel&) = delete;
    FakePanel& operator=(const FakePanel&) = delete;

    HWND Window() const { return window_.get(); }
    explicit operator bool() const { return bool(window_); }

    // Pumps this thread's messages until `done` holds or `timeout_ms` pass.
    bool PumpUntil(const std::function<bool()>& done, DWORD timeout_ms = 3000);
    // Pumps for a fixed time: only to show that nothing arrives.
    void PumpFor(DWORD ms);

    // The panel's own sends, as the panel makes them.
    void PostAttach(HWND service);  // attach after a discover, lParam 0
    void SendDetach(HWND service);  // wParam 0
    LRESULT SendCommand(HWND service, const std::string& text);  // "!" + text + 0
    LRESULT SendRawCopyData(HWND service, const void* data, DWORD size);

    // Everything received, in order.
    std::vector<HWND> discovers;
    std::vector<PhoneEvent> events;
    std::vector<CopyData> copies;

    std::vector<PhoneEvent> StatusUpdates() const;  // key code 0xFF
    std::vector<PhoneEvent> KeyReports() const;     // any other key code
    void Clear();

    UINT discover_msg;
    UINT attach_msg;

private:
    LRESULT Handle(HWND window, UINT msg, WPARAM wp, LPARAM lp);

    bool in_send_ = false;
    dorvane::BoundWindow window_;
};

}  // namespace phonesim_test
