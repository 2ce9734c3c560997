#include "PeerWindow.h"
#include <chrono>
#include <utility>
#include "controls/BoundWindow.h"

namespace dorvane::testing {
namespace {
constexpr char kPeerClass[] = "DorvaneTestPeer";
constexpr UINT WM_PEER_TASK = WM_APP + 0x3A1;
}  // namespace

PeerWindow::PeerWindow() {
    std::unique_lock lock(mutex_);
    thread_ = std::thread([this] { ThreadMain(); });
    ready_.wait(lock, [this] { return hwnd_ != nullptr; });
}

PeerWindow::~PeerWindow() {
    PostMessageA(hwnd_, WM_CLOSE, 0, 0);
    thread_.join();
}

void PeerWindow::ThreadMain() {
    BoundWindow window;
    BoundWindow::Shape shape;
    shape.style = WS_POPUP;
    shape.width = shape.height = 10;
    shape.title = "peer";
    WindowClassDesc window_class;
    window_class.name = kPeerClass;
    window.Create(window_class, shape,
                  [this](HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return WindowProc(hwnd, msg, wp, lp); });
    {
        std::lock_guard lock(mutex_);
        hwnd_ = window.get();
    }
    ready_.notify_all();
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

LRESULT PeerWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PEER_TASK) {
        std::packaged_task<LRESULT()> task;
        {
            std::lock_guard lock(mutex_);
            if (tasks_.empty()) return 0;
            task = std::move(tasks_.front());
            tasks_.pop_front();
        }
        task();
        return 0;
    }
    if (msg == WM_CLOSE) {
        DestroyWindow(hwnd);
        return 0;
    }
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    if (msg >= 0xC000 || msg == WM_COPYDATA || (msg >= WM_USER && msg < WM_USER + 0x200)) {
        Received r;
        r.msg = msg;
        r.wp = wp;
        r.lp = lp;
        if (msg == WM_COPYDATA) {
            auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lp);
            r.has_copydata = cds != nullptr;
            if (cds) {
                r.dwData = cds->dwData;
                r.cbData = cds->cbData;
                if (cds->lpData) r.bytes.assign(static_cast<const char*>(cds->lpData), cds->cbData);
            }
        }
        std::lock_guard lock(mutex_);
        received_.push_back(r);
        return reply;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

std::future<LRESULT> PeerWindow::Run(std::function<LRESULT()> fn) {
    std::packaged_task<LRESULT()> task(std::move(fn));
    auto future = task.get_future();
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    PostMessageA(hwnd_, WM_PEER_TASK, 0, 0);
    return future;
}

std::future<LRESULT> PeerWindow::Send(HWND to, UINT msg, WPARAM wp, LPARAM lp, UINT timeout_ms) {
    return Run([=] {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(to, msg, wp, lp, SMTO_ABORTIFHUNG, timeout_ms, &result)) return LRESULT(-1);
        return static_cast<LRESULT>(result);
    });
}

std::future<LRESULT> PeerWindow::SendCopyData(HWND to, std::string bytes, DWORD cbData, ULONG_PTR dwData) {
    return Run([=, this]() mutable {
        COPYDATASTRUCT cds{};
        cds.dwData = dwData;
        cds.cbData = cbData;
        cds.lpData = bytes.empty() ? nullptr : bytes.data();
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(to, WM_COPYDATA, reinterpret_cast<WPARAM>(hwnd_), reinterpret_cast<LPARAM>(&cds),
                                 SMTO_ABORTIFHUNG, 2000, &result))
            return LRESULT(-1);
        return static_cast<LRESULT>(result);
    });
}

std::vector<Received> PeerWindow::Messages() const {
    std::lock_guard lock(mutex_);
    return received_;
}

std::vector<Received> PeerWindow::MessagesOf(UINT msg) const {
    std::vector<Received> out;
    for (const auto& r : Messages())
        if (r.msg == msg) out.push_back(r);
    return out;
}

void PeerWindow::Clear() {
    std::lock_guard lock(mutex_);
    received_.clear();
}

namespace {
thread_local bool quit_seen = false;
}  // namespace

bool TakeQuit() {
    PumpPending();
    return std::exchange(quit_seen, false);
}

void PumpPending() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            quit_seen = true;
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeout_ms) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        PumpPending();
        if (done()) return true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT | QS_SENDMESSAGE);
    }
    return true;
}

}  // namespace dorvane::testing
