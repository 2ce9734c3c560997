// The window a person drives the simulator with: the phone's keypad (a key is
// held while the mouse button is down on it) and the service's switches.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include "controls/BoundWindow.h"
#include "phonesim/PhoneService.h"

namespace phonesim {

class KeypadWindow {
public:
    // `on_close` runs when the person closes the window.
    KeypadWindow(PhoneService& service, std::function<void()> on_close);
    // Destroys the window first: its last messages still reach the service.
    ~KeypadWindow() { window_.reset(); }
    KeypadWindow(const KeypadWindow&) = delete;
    KeypadWindow& operator=(const KeypadWindow&) = delete;

    // Creates and shows the window on the calling thread, which must pump
    // messages afterwards.
    bool Create();

private:
    static LRESULT CALLBACK KeyButtonProc(HWND button, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Handle(HWND window, UINT msg, WPARAM wp, LPARAM lp);
    void CreateControls(HWND window);
    void OnSwitchClicked(HWND window, int id);
    void PressKey(uint8_t code);
    void ReleaseKey();
    // Brings the check boxes and the status line up to date with the
    // service (a script may change the switches too).
    void Sync(HWND window);

    PhoneService& service_;
    std::function<void()> on_close_;
    dorvane::BoundWindow window_;
    HWND status_line_ = nullptr;
    std::string status_text_;
    HWND devices_line_ = nullptr;  // the softphone's current devices
    std::string devices_text_;
    bool key_pressed_ = false;
};

}  // namespace phonesim
