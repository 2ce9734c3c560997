#include "phonesim/PhoneService.h"
#include <algorithm>
#include "LogFormat.h"
#include "controls/BoundWindow.h"
#include "link/LinkProtocol.h"

namespace phonesim {
namespace {

using dorvane::kAttachBroadcastTag;
using dorvane::kLinkSendTimeoutMs;

// Private messages of the service window. Only the service itself posts or
// sends them; one that comes from elsewhere finds no call to run and no
// answer to deliver.
constexpr UINT kMsgRunCall = WM_APP + 1;     // wParam: id of a waiting call
constexpr UINT kMsgDeliver = WM_APP + 2;     // send the queued softphone answers
constexpr UINT kMsgSendStatus = WM_APP + 3;  // one status update now
// A thread message (no window): leave the message loop.
constexpr UINT kMsgStop = WM_APP + 4;

constexpr UINT_PTR kStatusTimerId = 1;

UINT ClampInterval(UINT ms) { return std::clamp(ms, kMinIntervalMs, kMaxIntervalMs); }

}  // namespace

uint32_t PhoneService::MakeStatusWord(bool softphone_present, bool phone_present, bool typing_locked) {
    return (softphone_present ? dorvane::kSkypeBit : 0u) | (phone_present ? dorvane::kDeviceBit : 0u) |
           (typing_locked ? dorvane::kKeyboardLockBit : 0u);
}

PhoneService::PhoneService(ServiceConfig config)
    : log_(std::move(config.log_sink)), periodic_(config.periodic_updates) {
    state_.phone_present = config.phone_present;
    state_.softphone_present = config.softphone_present;
    state_.typing_locked = config.typing_locked;
    state_.navigation = config.navigation;
    state_.call_state = config.call_state;
    state_.interval_ms = config.interval_ms ? ClampInterval(config.interval_ms) : kDefaultIntervalMs;
    softphone_.SetOutputDevice(std::move(config.output_device));
    softphone_.SetInputDevice(std::move(config.input_device));
    discover_msg_ = RegisterWindowMessageA(dorvane::kDiscoverMessageName);
    attach_msg_ = RegisterWindowMessageA(dorvane::kAttachMessageName);
}

PhoneService::~PhoneService() { Stop(); }

bool PhoneService::Start() {
    if (thread_.joinable()) return false;
    if (!discover_msg_ || !attach_msg_) {
        log_.Add("cannot register the link messages");
        return false;
    }
    std::promise<HWND> ready;
    std::future<HWND> window = ready.get_future();
    thread_ = std::thread(&PhoneService::ThreadMain, this, &ready);
    if (window.get() == nullptr) {
        thread_.join();
        return false;
    }
    return true;
}

void PhoneService::Stop() {
    if (!thread_.joinable()) return;
    if (GetCurrentThreadId() == thread_id_.load()) return;  // the service cannot wait for itself
    PostThreadMessageA(thread_id_.load(), kMsgStop, 0, 0);
    thread_.join();
    std::lock_guard<std::mutex> lock(state_mutex_);
    state_.panel = nullptr;
}

void PhoneService::ThreadMain(std::promise<HWND>* ready) {
    thread_id_ = GetCurrentThreadId();
    // Top-level (no parent, not message-only): HWND_BROADCAST reaches only
    // top-level windows, and the panel's attach broadcast must.
    dorvane::BoundWindow window;
    dorvane::BoundWindow::Shape shape;
    shape.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    shape.x = shape.y = CW_USEDEFAULT;
    shape.width = 240;
    shape.height = 120;
    shape.title = "Phone service simulator";
    dorvane::WindowClassDesc window_class;
    window_class.name = kServiceWindowClass;
    if (!window.Create(window_class, shape,
                       [this](HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return Handle(hwnd, msg, wp, lp); })) {
        log_.Add("cannot create the service window");
        ready->set_value(nullptr);
        return;
    }
    // The message queue exists now (the window made it): Stop can post.
    window_ = window.get();
    log_.Add("service window " + Hex(window.get()) + " class " + kServiceWindowClass + " discover=" +
             Hex(discover_msg_) + " attach=" + Hex(attach_msg_));
    ready->set_value(window.get());

    BroadcastDiscover();
    RestartTimer();

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.hwnd == nullptr && msg.message == kMsgStop) break;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    KillTimer(window.get(), kStatusTimerId);
    window_ = nullptr;
    outbox_.clear();
    log_.Add("service stopped");
}

LRESULT PhoneService::Handle(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == discover_msg_) {
        OnDiscover(wp, lp);
        return 1;
    }
    if (msg == attach_msg_) {
        OnAttach(wp, lp);
        return 1;
    }
    switch (msg) {
    case WM_COPYDATA:
        return OnCopyData(wp, reinterpret_cast<const COPYDATASTRUCT*>(lp));
    case kMsgRunCall:
        return RunPendingCall(wp);
    case kMsgDeliver:
        DeliverAnswers();
        return 0;
    case kMsgSendStatus:
        SendPhoneEvent(dorvane::kStatusUpdateKey, "status");
        return 0;
    case WM_TIMER:
        if (wp == kStatusTimerId) {
            SendPhoneEvent(dorvane::kStatusUpdateKey, nullptr);
            return 0;
        }
        break;
    case WM_CLOSE:
        // The service lives until Stop, whoever asks its window to close.
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, msg, wp, lp);
}

bool PhoneService::RunOnServiceThread(const std::function<void()>& work) {
    HWND window = window_.load();
    if (!window || GetCurrentThreadId() == thread_id_.load()) {
        // Not running: nothing else touches the state, the caller may.
        work();
        return window != nullptr;
    }
    WPARAM id;
    {
        std::lock_guard<std::mutex> lock(calls_mutex_);
        id = ++next_call_;
        calls_[id] = &work;
    }
    // Sent, not posted: the caller waits, and while it waits it still takes
    // what the service sends to its own windows.
    SendMessageA(window, kMsgRunCall, id, 0);
    std::lock_guard<std::mutex> lock(calls_mutex_);
    // Still listed: the service stopped before it ran the call.
    return calls_.erase(id) == 0;
}

LRESULT PhoneService::RunPendingCall(WPARAM id) {
    const std::function<void()>* work = nullptr;
    {
        std::lock_guard<std::mutex> lock(calls_mutex_);
        auto it = calls_.find(id);
        if (it == calls_.end()) return 0;
        work = it->second;
        calls_.erase(it);
    }
    (*work)();
    return 1;
}

void PhoneService::RestartTimer() {
    HWND window = window_.load();
    if (!window || !periodic_) return;
    UINT interval;
    {
        std::lock_guard<std::mutex> lock(state_mutex_);
        interval = state_.interval_ms;
    }
    SetTimer(window, kStatusTimerId, interval, nullptr);  // replaces a running one
}

void PhoneService::BroadcastDiscover() {
    RunOnServiceThread([this] {
        HWND self = window_.load();
        if (!self) return;
        log_.Add("send discover to HWND_BROADCAST wParam=" + Hex(self));
        DWORD_PTR result = 0;
        SendMessageTimeoutA(HWND_BROADCAST, discover_msg_, reinterpret_cast<WPARAM>(self), 0, SMTO_ABORTIFHUNG,
                            kLinkSendTimeoutMs, &result);
    });
}

void PhoneService::OnDiscover(WPARAM wp, LPARAM lp) {
    HWND from = reinterpret_cast<HWND>(wp);
    log_.Add("recv discover wParam=" + Hex(from) + " lParam=" + Hex(static_cast<uint64_t>(lp)) +
             (from == window_.load() ? " (own broadcast)" : " (another service), ignored"));
}

void PhoneService::OnAttach(WPARAM wp, LPARAM lp) {
    HWND self = window_.load();
    HWND from = reinterpret_cast<HWND>(wp);
    log_.Add("recv attach wParam=" + Hex(from) + " lParam=" + Hex(static_cast<uint64_t>(lp)));
    if (lp == kAttachBroadcastTag) {
        // The panel's start-up broadcast: tell it where we are. Posted, so the
        // panel's broadcast never waits on us; the panel attaches in return.
        if (!from || from == self) {
            log_.Add("attach broadcast without a panel window, ignored");
            return;
        }
        bool posted = PostMessageA(from, discover_msg_, reinterpret_cast<WPARAM>(self), 0) != FALSE;
        log_.Add("send discover to " + Hex(from) + " wParam=" + Hex(self) + (posted ? " (posted)" : " (post failed)"));
        return;
    }
    if (!from) {
        bool had_panel;
        {
            std::lock_guard<std::mutex> lock(state_mutex_);
            had_panel = state_.panel != nullptr;
            state_.panel = nullptr;
        }
        log_.Add(had_panel ? "panel detached" : "panel detached (none was attached)");
        return;
    }
    if (from == self) {
        log_.Add("attach naming the service window itself, ignored");
        return;
    }
    {
        std::lock_guard<std::mutex> lock(state_mutex_);
        state_.panel = from;
    }
    log_.Add("panel attached " + Hex(from));
    // A first update at once brings the panel's link up without waiting a
    // full interval; posted so the attach is finished first.
    PostMessageA(self, kMsgSendStatus, 0, 0);
}

LRESULT PhoneService::OnCopyData(WPARAM wp, const COPYDATASTRUCT* cds) {
    HWND sender = reinterpret_cast<HWND>(wp);
    std::string head = "recv copydata from " + Hex(sender);
    if (!cds) {
        log_.Add(head + " without a COPYDATASTRUCT, ignored");
        return 0;
    }
    head += " dwData=" + Hex(static_cast<uint64_t>(cds->dwData)) + " cbData=" + std::to_string(cds->cbData);
    std::optional<std::string> text = dorvane::ReadCopyDataText(cds);
    if (!text) {
        log_.Add(head + " without payload, ignored");
        return 0;
    }
    // The text was read up to the first 0 byte: as long as cbData, it had none.
    if (text->size() >= cds->cbData) {
        log_.Add(head + " " + Quoted(*text) + " not ended by a 0 byte, ignored");
        return 0;
    }
    log_.Add(head + " " + Quoted(*text));
    if (text->empty() || text->front() != '!') {
        log_.Add("command without the leading '!', ignored");
        return 0;
    }
    std::string command = text->substr(1);

    bool present;
    Softphone::Reply reply;
    std::string ring_tone;
    HWND panel;
    {
        std::lock_guard<std::mutex> lock(state_mutex_);
        received_.push_back(command);
        present = state_.softphone_present;
        panel = state_.panel;
        if (present) reply = softphone_.Handle(command);
        ring_tone = softphone_.RingTonePath();
    }
    if (!present) {
        log_.Add("softphone absent: " + Quoted(command) + " not relayed");
        return 1;
    }
    switch (reply.outcome) {
    case Softphone::Outcome::Unknown:
        log_.Add("softphone: unknown command " + Quoted(command) + ", ignored");
        break;
    case Softphone::Outcome::Done:
        log_.Add("softphone: ring tone 1 is " + Quoted(ring_tone));
        break;
    case Softphone::Outcome::Answered: {
        HWND target = IsWindow(sender) ? sender : panel;
        if (!target) {
            log_.Add("softphone: " + Quoted(command) + " -> " + Quoted(reply.answer) + ", no window to answer");
            break;
        }
        log_.Add("softphone: " + Quoted(command) + " -> " + Quoted(reply.answer));
        // The panel is still inside its send and cannot take the answer yet:
        // it goes out once this message has been answered.
        outbox_.push_back(Answer{target, std::move(reply.answer)});
        PostMessageA(window_.load(), kMsgDeliver, 0, 0);
        break;
    }
    }
    return 1;
}

void PhoneService::DeliverAnswers() {
    while (!outbox_.empty()) {
        Answer answer = std::move(outbox_.front());
        outbox_.pop_front();
        COPYDATASTRUCT cds{};
        cds.dwData = 0;
        cds.cbData = static_cast<DWORD>(answer.text.size() + 1);  // with the 0 byte
        cds.lpData = const_cast<char*>(answer.text.c_str());
        DWORD_PTR result = 0;
        LRESULT sent = SendMessageTimeoutA(answer.target, WM_COPYDATA, reinterpret_cast<WPARAM>(window_.load()),
                                           reinterpret_cast<LPARAM>(&cds), SMTO_ABORTIFHUNG, kLinkSendTimeoutMs,
                                           &result);
        log_.Add("send copydata to " + Hex(answer.target) + " cbData=" + std::to_string(cds.cbData) + " " +
                 Quoted(answer.text) + (sent ? "" : " (not delivered)"));
    }
}

bool PhoneService::SendPhoneEvent(uint8_t key, const char* what) {
    HWND panel;
    uint32_t status, event;
    {
        std::lock_guard<std::mutex> lock(state_mutex_);
        panel = state_.panel;
        status = MakeStatusWord(state_.softphone_present, state_.phone_present, state_.typing_locked);
        event = dorvane::MakeKeyEvent(key, state_.navigation, state_.call_state);
    }
    std::string label = key == dorvane::kStatusUpdateKey ? std::string("status") : "key " + std::to_string(key);
    if (!panel) {
        // The timer (what == nullptr) keeps quiet while no panel is attached.
        if (what) log_.Add(label + " not sent: no panel attached");
        return false;
    }
    DWORD_PTR result = 0;
    LRESULT sent = SendMessageTimeoutA(panel, dorvane::WM_PHONE_EVENT, status, event, SMTO_ABORTIFHUNG,
                                       kLinkSendTimeoutMs, &result);
    log_.Add("send " + label + " wParam=" + Word(status) + " lParam=" + Word(event) + " to " + Hex(panel) +
             (sent ? "" : " (not delivered)"));
    if (!sent) ForgetPanelIfGone(panel);
    return sent != 0;
}

void PhoneService::ForgetPanelIfGone(HWND panel) {
    if (IsWindow(panel)) return;  // only slow or hung: it keeps its place
    {
        std::lock_guard<std::mutex> lock(state_mutex_);
        if (state_.panel != panel) return;
        state_.panel = nullptr;
    }
    log_.Add("panel " + Hex(panel) + " is gone");
}

// ---- operations from any thread ----

void PhoneService::SetPhonePresent(bool present) {
    RunOnServiceThread([&] {
        {
            std::lock_guard<std::mutex> lock(state_mutex_);
            state_.phone_present = present;
        }
        log_.Add(std::string("cmd phone present ") + OnOff(present));
    });
}

void PhoneService::SetSoftphonePresent(bool present) {
    RunOnServiceThread([&] {
        {
            std::lock_guard<std::mutex> lock(state_mutex_);
            state_.softphone_present = present;
        }
        log_.Add(std::string("cmd softphone present ") + OnOff(present));
    });
}

void PhoneService::SetTypingLock(bool locked) {
    RunOnServiceThread([&] {
        {
            std::lock_guard<std::mutex> lock(state_mutex_);
            state_.typing_locked = locked;
        }
        log_.Add(std::string("cmd typing lock ") + OnOff(locked));
    });
}

void PhoneService::SetNavigation(uint8_t navigation) {
    RunOnServiceThread([&] {
        {
            std::lock_guard<std::mutex> lock(state_mutex_);
            state_.navigation = navigation;
        }
        log_.Add("cmd navigation " + std::to_string(navigation));
    });
}

void PhoneService::SetCallState(uint8_t call_state) {
    RunOnServiceThread([&] {
        {
            std::lock_guard<std::mutex> lock(state_mutex_);
            state_.call_state = call_state;
        }
        log_.Add("cmd call state " + std::to_string(call_state));
    });
}

void PhoneService::SetOutputDevice(const std::string& name) {
    RunOnServiceThread([&] {
        {
            std::lock_guard<std::mutex> lock(state_mutex_);
            softphone_.SetOutputDevice(name);
        }
        log_.Add("cmd softphone out " + Quoted(name));
    });
}

void PhoneService::SetInputDevice(const std::string& name) {
    RunOnServiceThread([&] {
        {
            std::lock_guard<std::mutex> lock(state_mutex_);
            softphone_.SetInputDevice(name);
        }
        log_.Add("cmd softphone in " + Quoted(name));
    });
}

void PhoneService::KeyDown(uint8_t code) {
    RunOnServiceThread([&] {
        if (code == 0 || code == dorvane::kStatusUpdateKey) {
            log_.Add("cmd key down " + std::to_string(code) + " refused: not a key code");
            return;
        }
        bool changed;
        {
            std::lock_guard<std::mutex> lock(state_mutex_);
            changed = state_.held_key != code;
            state_.held_key = code;
        }
        log_.Add("cmd key down " + std::to_string(code) + (changed ? "" : " (held already)"));
        if (changed) SendPhoneEvent(code, "key");
    });
}

void PhoneService::KeyUp() {
    RunOnServiceThread([&] {
        bool changed;
        {
            std::lock_guard<std::mutex> lock(state_mutex_);
            changed = state_.held_key != 0;
            state_.held_key = 0;
        }
        log_.Add(std::string("cmd key up") + (changed ? "" : " (no key held)"));
        if (changed) SendPhoneEvent(0, "key");
    });
}

UINT PhoneService::SetStatusInterval(UINT ms) {
    UINT in_force = 0;
    RunOnServiceThread([&] {
        if (ms == 0) {
            log_.Add("cmd interval 0 refused");
            return;
        }
        in_force = ClampInterval(ms);
        {
            std::lock_guard<std::mutex> lock(state_mutex_);
            state_.interval_ms = in_force;
        }
        RestartTimer();
        log_.Add("cmd interval " + std::to_string(ms) +
                 (in_force != ms ? " (clamped to " + std::to_string(in_force) + ")" : std::string()));
    });
    return in_force;
}

bool PhoneService::SendStatusNow() {
    bool sent = false;
    RunOnServiceThread([&] { sent = SendPhoneEvent(dorvane::kStatusUpdateKey, "status"); });
    return sent;
}

// ---- observers ----

ServiceState PhoneService::State() const {
    std::lock_guard<std::mutex> lock(state_mutex_);
    return state_;
}

HWND PhoneService::PanelWindow() const {
    std::lock_guard<std::mutex> lock(state_mutex_);
    return state_.panel;
}

uint32_t PhoneService::StatusWord() const {
    std::lock_guard<std::mutex> lock(state_mutex_);
    return MakeStatusWord(state_.softphone_present, state_.phone_present, state_.typing_locked);
}

std::string PhoneService::OutputDevice() const {
    std::lock_guard<std::mutex> lock(state_mutex_);
    return softphone_.OutputDevice();
}

std::string PhoneService::InputDevice() const {
    std::lock_guard<std::mutex> lock(state_mutex_);
    return softphone_.InputDevice();
}

std::string PhoneService::RingTonePath() const {
    std::lock_guard<std::mutex> lock(state_mutex_);
    return softphone_.RingTonePath();
}

std::vector<std::string> PhoneService::ReceivedCommands() const {
    std::lock_guard<std::mutex> lock(state_mutex_);
    return received_;
}

bool PhoneService::WaitForPanel(std::chrono::milliseconds timeout) const {
    return log_.WaitUntil([this] { return PanelWindow() != nullptr; }, timeout);
}

}  // namespace phonesim
