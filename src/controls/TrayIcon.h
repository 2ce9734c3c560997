// TTrayIcon: one icon in the notification area, with a hidden window of its
// own that receives the icon's callback message. The icon is added again
// when the shell announces a new taskbar ("TaskbarCreated") and removed when
// the object goes away.
//
// Rules the program relies on: SetImageIndex changes the shown icon only
// when the index differs; a hint of 64 characters or more leaves the
// tool-tip unchanged (the shell's short tip holds 63 characters).
#pragma once
#include <windows.h>
#include <shellapi.h>
#include <functional>
#include <string>
#include "BoundWindow.h"
#include "Handles.h"
#include "IconList.h"

namespace dorvane {

class TTrayIcon {
public:
    enum class MouseButton { Left, Right, Middle };
    // The one call into the shell, replaceable so a test can watch it.
    using NotifyIconFunction = std::function<BOOL(DWORD message, NOTIFYICONDATAA& data)>;

    static constexpr UINT kCallbackMessage = WM_APP + 0x54;
    static constexpr size_t kMaxHintLength = 63;

    // An icon made without a call of its own takes the one here at its
    // construction: the shell's, unless a test has put its own in.
    static NotifyIconFunction& ShellCall();

    explicit TTrayIcon(UINT id = 1, NotifyIconFunction notify = {});
    ~TTrayIcon();
    TTrayIcon(const TTrayIcon&) = delete;
    TTrayIcon& operator=(const TTrayIcon&) = delete;

    TIconList& Icons() { return icons_; }

    int ImageIndex() const { return image_index_; }
    // Returns whether the index changed.
    bool SetImageIndex(int index);

    const std::string& Hint() const { return hint_; }
    // Returns whether the hint was taken.
    bool SetHint(const std::string& hint);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    // The hidden window receiving the callback message.
    HWND Handle() const { return window_.get(); }
    UINT Id() const { return id_; }

    // A button released over the icon, with the cursor in screen coordinates.
    std::function<void(MouseButton button, POINT screen)> OnMouseUp;
    std::function<void(MouseButton button, POINT screen)> OnMouseDown;
    std::function<void()> OnDblClick;

private:
    LRESULT WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void HandleCallback(LPARAM mouse_message);
    BOOL Call(DWORD message, UINT flags);

    NotifyIconFunction notify_;
    UINT id_;
    UINT taskbar_created_;
    TIconList icons_;
    int image_index_ = -1;
    std::string hint_;
    bool visible_ = false;
    BoundWindow window_;
};

}  // namespace dorvane
