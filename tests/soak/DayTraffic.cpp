#include "DayTraffic.h"
#include <commctrl.h>
#include <vector>
#include "PanelProcess.h"
#include "PeerWindow.h"
#include "link/KeypadKeys.h"
#include "link/LinkProtocol.h"

namespace dorvane::testing {
namespace {

constexpr int kVolumePage = 2;
// Enough for a page turn, a list refill and an endpoint write with its
// notification to pile up, few enough that nothing waits long behind them.
constexpr long kDrainEvery = 64;
constexpr UINT kSendTimeoutMs = 5000;

// What Skype may answer through the service: the phone's and the other
// adapter's devices, the default device, letter case and blanks that still
// match, and names that match nothing or are no UTF-8 at all.
const std::vector<std::string>& SkypeTexts() {
    static const std::vector<std::string> texts = {
        "AUDIO_OUT Speakers (USB Audio Device)",
        "AUDIO_IN Microphone (USB Audio Device)",
        "AUDIO_OUT Speakers (High Definition Audio Device)",
        "AUDIO_IN Microphone (High Definition Audio Device)",
        "AUDIO_OUT ",
        "AUDIO_IN    ",
        "AUDIO_OUT SPEAKERS (usb audio device)",
        "#7 AUDIO_IN Microphone (USB Audio Device)",
        "AUDIO_OUT No Such Device",
        "AUDIO_IN Mikrofon (Ger\xC3\xA4t)",
        "AUDIO_IN Mikrofon (Ger\xC3\x83\xC2\xA4t)",
        "AUDIO_OUT Broken \xC3\x28 text \xFF",
        "AUDIO_OUT " + std::string(600, 'x'),
        "AUDIO_IN AUDIO_OUT Speakers (USB Audio Device)",
    };
    return texts;
}

int ActivePage(HWND form) {
    const std::vector<HWND> strips = Descendants(form, WC_TABCONTROLA);
    return strips.empty() ? -1 : static_cast<int>(SendMessageA(strips.front(), TCM_GETCURSEL, 0, 0));
}

}  // namespace

DayTraffic::DayTraffic(phonesim::PhoneService& service, HWND form, uint32_t seed)
    : service_(service), form_(form), random_(seed) {
    const std::vector<HWND> edits = Descendants(form, "Edit");
    if (!edits.empty()) marker_ = edits.front();
}

bool DayTraffic::Run(long count) {
    const long until = Sent() + count;
    while (Sent() < until) {
        // Mostly the phone just reporting, Skype often, a visit to the
        // volume page (some fifty key reports) now and then, calls and
        // plugging too.
        const int pick = Between(0, 199);
        bool ok;
        if (pick < 99) ok = Quiet();
        else if (pick < 154) ok = SkypeAnswers();
        else if (pick < 160) ok = VisitVolumePage();
        else if (pick < 175) ok = Call();
        else if (pick < 185) ok = Unplug();
        else if (pick < 192) ok = SkypeRestart();
        else ok = TypingLock();
        if (!ok) return false;
    }
    return Rest();
}

bool DayTraffic::Tour() {
    // Every scene once, the rare ones forced: what a day brings first
    // (a page first shown, the first tone, the overlay) is then in place.
    if (!VisitVolumePage() || !Call(true) || !Unplug() || !SkypeRestart() || !TypingLock() || !Quiet()) return false;
    for (const std::string& text : SkypeTexts())
        if (!Answer(text)) return false;
    return Rest();
}

bool DayTraffic::Rest() {
    SetPhone(true);
    SetSoftphone(true);
    SetTypingLock(false);
    SetNavigation(0);
    SetCallState(0);
    if (!Status()) return false;
    PostMessageA(form_, WM_CLOSE, 0, 0);
    if (!PumpUntil([&] { return !IsWindowVisible(form_); }, kSendTimeoutMs)) return Fail("the window did not hide");
    return Drain();
}

bool DayTraffic::Quiet() {
    // The service reports every second all day long: most of a day's
    // messages are these.
    for (int n = Between(4, 24); n > 0; --n)
        if (!Status()) return false;
    return true;
}

bool DayTraffic::VisitVolumePage() {
    SetNavigation(1);
    if (!Status()) return false;
    // The page key opens the hidden window, brings it to the front, then
    // turns the pages until the volume page shows. What is shown is read
    // only once the keys before have been handled.
    for (int presses = 0; presses < 8; ++presses) {
        if (!Drain()) return false;
        if (IsWindowVisible(form_) && GetForegroundWindow() == form_ && ActivePage(form_) == kVolumePage) break;
        if (!Press(kKeyPage)) return false;
    }
    if (ActivePage(form_) != kVolumePage) return Fail("the page key did not reach the volume page");
    // A while on the page: the focus moves on to a control and its value
    // is stepped down or up (a level, a mute box, a Skype list).
    for (int round = Between(1, 3); round > 0; --round) {
        for (int n = Between(0, 6); n > 0; --n)
            if (!Press(kKeyDown)) return false;
        if (Between(0, 3) == 0 && !Press(kKeyUp)) return false;
        for (int n = Between(2, 12); n > 0; --n)
            if (!Press(Between(0, 2) == 0 ? kKeyLeft : kKeyRight)) return false;
    }
    // Away to the web page and the website list, and now and then out of
    // sight, as the inactivity timer or a click would put it.
    if (!Press(kKeyPage) || !Press(kKeyPage)) return false;
    if (Between(0, 5) == 0) PostMessageA(form_, WM_CLOSE, 0, 0);
    SetNavigation(0);
    return Status();
}

bool DayTraffic::Call(bool rings) {
    // Five ringing updates start the tone; most calls are taken or given
    // up before, some ring on.
    SetCallState(kCallRinging);
    for (int n = rings || Between(0, 3) == 0 ? Between(5, 8) : Between(1, 4); n > 0; --n)
        if (!Status()) return false;
    if (rings || Between(0, 1) == 0) {
        // Taken: the speaker keys work the speaker for the call.
        SetCallState(kCallSpeakerKeys);
        if (!Status()) return false;
        for (int n = Between(1, 6); n > 0; --n)
            if (!Press(Between(0, 1) == 0 ? kKeyUp : kKeyDown)) return false;
    }
    SetCallState(0);
    return Status();
}

bool DayTraffic::Unplug() {
    SetPhone(false);
    for (int n = Between(1, 3); n > 0; --n)
        if (!Status()) return false;
    SetPhone(true);
    return Status();
}

bool DayTraffic::SkypeRestart() {
    SetSoftphone(false);
    if (!Status()) return false;
    SetSoftphone(true);
    return Status();
}

bool DayTraffic::TypingLock() {
    SetTypingLock(true);
    for (int n = Between(1, 3); n > 0; --n)
        if (!Status()) return false;
    SetTypingLock(false);
    return Status();
}

bool DayTraffic::SkypeAnswers() {
    const auto& texts = SkypeTexts();
    for (int n = Between(1, 4); n > 0; --n)
        if (!Answer(texts[static_cast<size_t>(Between(0, static_cast<int>(texts.size()) - 1))])) return false;
    return true;
}

// The switches change what the service's own periodic updates carry too,
// so that the two never tell the panel different things.
void DayTraffic::SetPhone(bool present) {
    if (phone_ != present) service_.SetPhonePresent(phone_ = present);
}
void DayTraffic::SetSoftphone(bool present) {
    if (softphone_ != present) service_.SetSoftphonePresent(softphone_ = present);
}
void DayTraffic::SetTypingLock(bool locked) {
    if (locked_ != locked) service_.SetTypingLock(locked_ = locked);
}
void DayTraffic::SetNavigation(uint8_t navigation) {
    if (navigation_ != navigation) service_.SetNavigation(navigation_ = navigation);
}
void DayTraffic::SetCallState(uint8_t call_state) {
    if (call_state_ != call_state) service_.SetCallState(call_state_ = call_state);
}

bool DayTraffic::PhoneEvent(uint8_t key) {
    // Posted, in the service's words: a send would wait for each message's
    // round trip through the server, and the panel handles the two alike
    // (it answers a sent one before its work). The drain paces them.
    const uint32_t status = phonesim::PhoneService::MakeStatusWord(softphone_, phone_, locked_);
    if (!PostMessageA(form_, WM_PHONE_EVENT, status, MakeKeyEvent(key, navigation_, call_state_)))
        return Fail("the panel's queue took no more");
    return true;
}

bool DayTraffic::Status() {
    if (!PhoneEvent(kStatusUpdateKey)) return false;
    ++status_updates_;
    return Counted();
}

bool DayTraffic::Press(uint8_t key) {
    // The key report of the key now held, then of none.
    if (!PhoneEvent(key) || !PhoneEvent(0)) return false;
    key_reports_ += 2;
    return Counted(2);
}

bool DayTraffic::Answer(const std::string& text) {
    // As the service relays it: the text and its 0 byte inside cbData.
    std::string bytes = text;
    bytes.push_back('\0');
    COPYDATASTRUCT cds{};
    cds.cbData = static_cast<DWORD>(bytes.size());
    cds.lpData = bytes.data();
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(form_, WM_COPYDATA, reinterpret_cast<WPARAM>(service_.Window()),
                             reinterpret_cast<LPARAM>(&cds), SMTO_ABORTIFHUNG, kSendTimeoutMs, &result) ||
        result != 1)
        return Fail("a Skype answer was not taken: " + text.substr(0, 40));
    ++answers_;
    return Counted();
}

bool DayTraffic::Counted(long messages) {
    since_drain_ += messages;
    if (since_drain_ < kDrainEvery) return true;
    since_drain_ = 0;
    return Drain();
}

bool DayTraffic::Drain() {
    // Sent messages overtake posted ones, and timers wait for an empty
    // queue: a marker posted behind the panel's own posts comes through
    // only once they are all handled.
    if (!marker_) return Fail("the panel has no edit field to carry the marker");
    SendMessageA(marker_, EM_SETMODIFY, FALSE, 0);
    PostMessageA(marker_, EM_SETMODIFY, TRUE, 0);
    if (!PumpUntil([&] { return SendMessageA(marker_, EM_GETMODIFY, 0, 0) != 0; }, kSendTimeoutMs))
        return Fail("the panel did not work off its queue");
    return true;
}

bool DayTraffic::Fail(const std::string& why) {
    failure_ = why + " (after " + std::to_string(Sent()) + " messages)";
    return false;
}

}  // namespace dorvane::testing
