// The simulated phone service: a real top-level window on a thread of its
// own that does the phone service's duties toward the control panel:
// - registers "TALVEXWiredUIDiscover" and "TALVEXWiredUIAttach", broadcasts
//   the discover message at start and answers the panel's attach broadcast
//   (lParam 0x8001) with the discover message posted to the panel;
// - takes an attach message with a window as the panel to talk to and one
//   with wParam 0 as the detach notice;
// - sends WM_PHONE_EVENT status updates every interval (below 3000 ms) and
//   key reports when the held key changes;
// - relays WM_COPYDATA commands ("!" + text + 0 byte) to a simulated
//   softphone and sends its "AUDIO_OUT "/"AUDIO_IN " answers back after the
//   panel's send has returned, as a real softphone answers asynchronously.
// Every operation may be called from any thread: it runs on the service's
// thread (a message sent to its window) and returns when done, so anything
// it sent to a panel on the calling thread has been handled by then.
//
// Log lines (after the "HH:MM:SS.mmm " time stamp) a test may wait for:
//   "recv discover wParam=...", "recv attach wParam=W lParam=L",
//   "send discover to W", "panel attached W", "panel detached",
//   "recv copydata from W cbData=N \"!...\"", "softphone: ...",
//   "send copydata to W cbData=N \"AUDIO_OUT ...\"",
//   "send status wParam=0x........ lParam=0x........ to W",
//   "send key K wParam=... lParam=... to W", "cmd ..." for the operations.
#pragma once
#include <windows.h>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <future>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>
#include "link/LinkProtocol.h"
#include "phonesim/ServiceLog.h"
#include "phonesim/Softphone.h"

namespace phonesim {

constexpr char kServiceWindowClass[] = "PhoneSimWindow";
constexpr UINT kDefaultIntervalMs = 1000;
// The panel's watchdog fires after this long without an update.
constexpr UINT kMaxIntervalMs = dorvane::kWatchdogMs - 1;
constexpr UINT kMinIntervalMs = USER_TIMER_MINIMUM;

struct ServiceConfig {
    bool phone_present = false;
    bool softphone_present = false;
    bool typing_locked = false;
    uint8_t navigation = 0;
    uint8_t call_state = 0;
    UINT interval_ms = kDefaultIntervalMs;  // clamped as SetStatusInterval does; 0 means the default
    // Off only for tests that compare exact message sequences: then updates
    // go out only on attach and SendStatusNow. The phone service's duty is on.
    bool periodic_updates = true;
    std::string output_device = kDefaultOutputDevice;
    std::string input_device = kDefaultInputDevice;
    ServiceLog::Sink log_sink;  // besides the in-memory log
};

// A snapshot of the switches and the link, read from any thread.
struct ServiceState {
    bool phone_present = false;
    bool softphone_present = false;
    bool typing_locked = false;
    uint8_t navigation = 0;
    uint8_t call_state = 0;
    uint8_t held_key = 0;
    UINT interval_ms = kDefaultIntervalMs;
    HWND panel = nullptr;
};

class PhoneService {
public:
    explicit PhoneService(ServiceConfig config = {});
    // Stops the service thread.
    ~PhoneService();
    PhoneService(const PhoneService&) = delete;
    PhoneService& operator=(const PhoneService&) = delete;

    // Creates the window on a new thread and returns once it exists; the
    // discover broadcast follows on the service's thread. False when the
    // window could not be made (or the service runs already).
    bool Start();
    // Ends the service thread and destroys its window; no detach is sent.
    // Not from the service thread itself (a log sink, say): it cannot wait
    // for its own end.
    void Stop();
    bool Running() const { return Window() != nullptr; }
    HWND Window() const { return window_.load(); }

    // The switches. They change what the next update carries; none sends.
    void SetPhonePresent(bool present);
    void SetSoftphonePresent(bool present);
    void SetTypingLock(bool locked);
    void SetNavigation(uint8_t navigation);
    void SetCallState(uint8_t call_state);
    // Sets the simulated softphone's devices (what "GET" answers).
    void SetOutputDevice(const std::string& name);
    void SetInputDevice(const std::string& name);

    // Keypad: a key report goes to the panel only when the held key changes.
    // Codes 0 and 0xFF cannot be held (0 is "no key", 0xFF a status update):
    // KeyDown ignores them.
    void KeyDown(uint8_t code);
    void KeyUp();

    // Interval of the status updates, clamped to [kMinIntervalMs,
    // kMaxIntervalMs]; 0 is refused. Gives the interval in force afterwards,
    // or 0 when refused.
    UINT SetStatusInterval(UINT ms);
    // One status update to the panel now. True when a panel took it.
    bool SendStatusNow();
    // The discover message to HWND_BROADCAST again, as at start.
    void BroadcastDiscover();

    // Observers, from any thread.
    ServiceState State() const;
    HWND PanelWindow() const;
    uint32_t StatusWord() const;
    std::string OutputDevice() const;
    std::string InputDevice() const;
    std::string RingTonePath() const;
    // Command texts (without the "!") in the order they arrived.
    std::vector<std::string> ReceivedCommands() const;
    ServiceLog& Log() { return log_; }
    const ServiceLog& Log() const { return log_; }
    // Waits (without pumping) until a panel has attached.
    bool WaitForPanel(std::chrono::milliseconds timeout) const;

    // The status word for the given switches: bit 0 softphone, bit 8 phone,
    // bit 9 typing lock.
    static uint32_t MakeStatusWord(bool softphone_present, bool phone_present, bool typing_locked);

private:
    struct Answer {
        HWND target;
        std::string text;
    };

    LRESULT Handle(HWND window, UINT msg, WPARAM wp, LPARAM lp);
    void ThreadMain(std::promise<HWND>* ready);
    // Runs `work` on the service thread and waits for it; false when the
    // service is not running.
    bool RunOnServiceThread(const std::function<void()>& work);
    LRESULT RunPendingCall(WPARAM id);

    // Service-thread work.
    void OnDiscover(WPARAM wp, LPARAM lp);
    void OnAttach(WPARAM wp, LPARAM lp);
    LRESULT OnCopyData(WPARAM wp, const COPYDATASTRUCT* cds);
    void DeliverAnswers();
    bool SendPhoneEvent(uint8_t key, const char* what);
    void ForgetPanelIfGone(HWND panel);
    void RestartTimer();

    ServiceLog log_;
    std::atomic<HWND> window_{nullptr};
    std::thread thread_;
    std::atomic<DWORD> thread_id_{0};
    bool periodic_ = true;
    UINT discover_msg_ = 0;
    UINT attach_msg_ = 0;

    // State read from other threads; written only on the service thread.
    mutable std::mutex state_mutex_;
    ServiceState state_;
    Softphone softphone_;
    std::vector<std::string> received_;

    // Calls from other threads waiting for the service thread.
    std::mutex calls_mutex_;
    std::map<WPARAM, const std::function<void()>*> calls_;
    WPARAM next_call_ = 0;

    std::deque<Answer> outbox_;  // service thread only
};

}  // namespace phonesim
