// The panel's end of the link to the phone service: handshake, the main
// window's message dispatch, the watchdog and the command channel.
#include "app/Unit1.h"
#include "link/GuardedSend.h"
#include "link/LinkProtocol.h"

namespace dorvane {

void TForm1::RegisterLinkMessages() {
    WM_DeviceChange = RegisterWindowMessageA(kDeviceChangeMessageName);
    WM_Discover = RegisterWindowMessageA(kDiscoverMessageName);
    WM_Attach = RegisterWindowMessageA(kAttachMessageName);
}

void TForm1::SendAttachBroadcast() {
    GuardedSend(HWND_BROADCAST, WM_Attach, reinterpret_cast<WPARAM>(Handle()), kAttachBroadcastTag);
}

void TForm1::SendDetachNotice() {
    GuardedSend(ServiceWnd, WM_Attach, 0, 0);
}

void TForm1::SendCommand(const std::string& text) {
    if (!ServiceWnd || text.empty()) return;
    std::vector<char> payload;
    try {
        payload = BuildCommandPayload(text);
    } catch (const std::bad_alloc&) {
        return;
    }
    COPYDATASTRUCT cds{};
    cds.dwData = 0;
    cds.cbData = static_cast<DWORD>(payload.size());
    cds.lpData = payload.data();
    GuardedSend(ServiceWnd, WM_COPYDATA, reinterpret_cast<WPARAM>(Handle()), reinterpret_cast<LPARAM>(&cds));
}

template <typename Work>
LRESULT TForm1::HandledThenReply(Work&& work) {
    work();
    ReplyMessage(1);
    return 1;
}

std::optional<LRESULT> TForm1::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    // Registered numbers are never 0; one that failed to register must not
    // claim WM_NULL.
    if (WM_DeviceChange && msg == WM_DeviceChange) {
        return HandledThenReply([&] {
            AudioMixerUsb.Enum();
            TimerDevChg.Restart();
        });
    }
    if (WM_Discover && msg == WM_Discover) {
        return HandledThenReply([&] {
            HWND old_service = ServiceWnd;
            ServiceWnd = SavedServiceWnd = reinterpret_cast<HWND>(wp);
            SearchMode = false;
            TimerDrvCheck.Restart();
            // Posted, never sent: the service must not wait on the panel.
            if (old_service) PostMessageA(old_service, WM_Attach, reinterpret_cast<WPARAM>(Handle()), 0);
            if (ServiceWnd) PostMessageA(ServiceWnd, WM_Attach, reinterpret_cast<WPARAM>(Handle()), 0);
        });
    }
    if (WM_Attach && msg == WM_Attach) {
        return HandledThenReply([] {});
    }
    if (msg == WM_PHONE_EVENT) {
        ServiceWnd = SavedServiceWnd;
        // Release the service before the work: commands sent by the work
        // would otherwise be skipped by the guarded send.
        ReplyMessage(1);
        TimerDrvCheck.Restart();
        KeyEvent = static_cast<uint32_t>(lp);
        StatusWord = static_cast<uint32_t>(wp);
        if (KeyCodeOf(KeyEvent) == kStatusUpdateKey) {
            UpdateVolumeGroup((StatusWord & kDeviceBit) != 0);
            UpdateSkypeGroup((StatusWord & kSkypeBit) != 0);
            SendSkypeRingTone();
            UpdateTrayIcon();
            UpdateOverlay((StatusWord & kDeviceBit) && (StatusWord & kKeyboardLockBit));
            UpdateRinging(CallStateOf(KeyEvent));
        } else if (StatusWord & kDeviceBit) {
            TimerKeyRepeat.Stop();
            PrevKey = HeldKey;
            HeldKey = KeyCodeOf(KeyEvent);
            TimerKeyRepeatTimer();
            if (HeldKey != 0) TimerKeyRepeat.Start();
        }
        return 1;
    }
    if (msg == WM_UI_EXIT || msg == WM_UI_SHOW) {
        return HandledThenReply([&] { HandleInstanceRequest(msg, wp, lp); });
    }
    if (msg == WM_SETTINGCHANGE) {
        // The language's refill asks Skype for its devices again; while the
        // sender waits, the guarded send would skip those queries and the
        // lists would stay at their first entry. Its parameters are not
        // read, and the default handling's answer is 0 as well.
        ReplyMessage(0);
        ChooseLanguage();
        ApplyLanguage(CurrentCharset());
        return std::nullopt;
    }
    if (msg == WM_COPYDATA) {
        std::optional<std::string> text = ReadCopyDataText(reinterpret_cast<const COPYDATASTRUCT*>(lp));
        if (!text) return std::nullopt;
        // The payload is the sender's and lives only until it is released:
        // the text is taken in full before the reply.
        if (text->find("AUDIO_IN ") != std::string::npos) {
            return HandledThenReply([&] { ApplySkypeDeviceReply(*text, "AUDIO_IN ", SkypeList::In); });
        }
        if (text->find("AUDIO_OUT ") != std::string::npos) {
            return HandledThenReply([&] { ApplySkypeDeviceReply(*text, "AUDIO_OUT ", SkypeList::Out); });
        }
        return std::nullopt;
    }
    return std::nullopt;
}

void TForm1::TimerDrvCheckTimer() {
    ServiceWnd = nullptr;
    // Ringing ends first, while the phone's mixer is still open, so that the
    // speaker's setting from before the tone can be written back to it.
    if (Ringing) EndRinging();
    UpdateVolumeGroup(false);
    UpdateSkypeGroup(false);
    TimerDrvCheck.Stop();
    SetTrayImage(0);
    if (SearchMode) ItemExitClick();
}

}  // namespace dorvane
