// TApplication: the hidden application window that owns the program's other
// windows and carries its taskbar entry, the message loop, and the error box.
#pragma once
#include <windows.h>
#include <atomic>
#include <functional>
#include <string>
#include "controls/BoundWindow.h"
#include "controls/KeyUse.h"

namespace dorvane {

constexpr char kApplicationClass[] = "TApplication";
constexpr char kApplicationTitle[] = "Dorvane UI";

class TApplication {
public:
    TApplication();
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // Creates the application window (class "TApplication").
    void Initialize();
    HWND Handle() const { return window_.get(); }

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);

    // Runs the message loop until Terminate.
    void Run();
    // The loop ends once the messages already queued have been handled.
    void Terminate();
    // Safe to ask from another thread (the default-device worker does).
    bool Terminated() const { return terminated_; }
    // Handles every message now waiting, then returns.
    void ProcessMessages();

    // Shows the error box for an exception's message (caption = title).
    void ShowException(const std::string& message);

    // Sees every message taken from the queue before it is dispatched; set
    // handled to swallow it.
    std::function<void(MSG& msg, bool& handled)> OnMessage;
    // Keys for this window and the windows inside it go through the dialog
    // manager, as in a dialog box: Tab and Shift+Tab move the focus among
    // the tab stops that show, Enter clicks a focused button; the arrow keys
    // stay with the focused control. nullptr: no window of the loop's has that.
    void SetDialogWindow(HWND window) { dialog_window_ = window; }
    // Offered every key message for the dialog window's windows before the
    // dialog manager sees it (after OnMessage).
    std::function<KeyUse(MSG& msg)> OnDialogKey;
    // SC_MINIMIZE / SC_RESTORE from the application window's system menu.
    std::function<void()> OnMinimize;
    std::function<void()> OnRestore;
    // How the error box is shown; tests replace it to read the box's text.
    std::function<void(const std::string& text, const std::string& caption)> ShowErrorBox;

private:
    LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    bool HandleOne(MSG& msg);
    // A key message the dialog manager or OnDialogKey has dealt with.
    bool HandleDialogKey(MSG& msg);

    std::string title_;
    std::atomic<bool> terminated_{false};
    HWND dialog_window_ = nullptr;
    BoundWindow window_;
};

}  // namespace dorvane
