// A peer process stand-in for tests: a top-level window on a thread of its
// own, so that messages between it and the code under test are real
// cross-thread sends (InSendMessage, ReplyMessage and time-outs behave as
// they do between processes). It records what it receives and sends on
// request from its own thread.
#pragma once
#include <windows.h>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace dorvane::testing {

struct Received {
    UINT msg = 0;
    WPARAM wp = 0;
    LPARAM lp = 0;
    bool has_copydata = false;
    ULONG_PTR dwData = 0;
    DWORD cbData = 0;
    std::string bytes;  // the cbData bytes of a WM_COPYDATA payload
};

class PeerWindow {
public:
    PeerWindow();
    ~PeerWindow();
    PeerWindow(const PeerWindow&) = delete;
    PeerWindow& operator=(const PeerWindow&) = delete;

    HWND Handle() const { return hwnd_; }

    // Sends from the peer's thread (SendMessageTimeout, abort if hung); the
    // caller pumps its own messages until the future is ready.
    std::future<LRESULT> Send(HWND to, UINT msg, WPARAM wp, LPARAM lp, UINT timeout_ms = 2000);
    std::future<LRESULT> SendCopyData(HWND to, std::string bytes, DWORD cbData, ULONG_PTR dwData = 0);
    // Runs any function on the peer's thread.
    std::future<LRESULT> Run(std::function<LRESULT()> fn);

    // What the peer has received so far (registered messages, WM_COPYDATA,
    // WM_USER range); each answered with `reply`.
    std::vector<Received> Messages() const;
    std::vector<Received> MessagesOf(UINT msg) const;
    void Clear();
    LRESULT reply = 1;

private:
    LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void ThreadMain();

    std::thread thread_;
    HWND hwnd_ = nullptr;
    mutable std::mutex mutex_;
    std::condition_variable ready_;
    std::vector<Received> received_;
    std::deque<std::packaged_task<LRESULT()>> tasks_;
};

// Handles this thread's messages until `done` holds or `timeout_ms` passes.
// Returns whether `done` held.
bool PumpUntil(const std::function<bool()>& done, DWORD timeout_ms = 3000);

// Waits for a peer's send while this thread keeps answering sent messages.
template <typename T>
T PumpFor(std::future<T>& f, DWORD timeout_ms = 3000) {
    PumpUntil([&] { return f.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, timeout_ms);
    return f.get();
}

// Handles what is queued now, without waiting. A WM_QUIT taken from the
// queue ends the pumping and is remembered for TakeQuit.
void PumpPending();
// Whether a WM_QUIT came out of this thread's queue (pumps first); clears it.
bool TakeQuit();

}  // namespace dorvane::testing
