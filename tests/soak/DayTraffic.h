// A day's use of the panel, compressed: the phone service's status updates
// (phone plugged and unplugged, Skype coming and going, typing lock, calls
// that ring and are missed or taken), the keypad's key reports (opening the
// panel, turning to the volume page, moving the focus and the levels,
// leaving again) and Skype's answers with good and bad device names.
// Deterministic for a seed, so two runs send the same day.
#pragma once
#include <windows.h>
#include <cstdint>
#include <random>
#include <string>
#include "phonesim/PhoneService.h"

namespace dorvane::testing {

class DayTraffic {
public:
    // `form` is the panel's main window, talking to `service`.
    DayTraffic(phonesim::PhoneService& service, HWND form, uint32_t seed = 20261209);

    // Sends at least `count` more messages in whole scenes, then brings the
    // panel to rest: phone and Skype there, no call, window hidden, its
    // message queue worked off. False (with Failure()) when the panel stopped
    // taking them.
    bool Run(long count);
    // Only the rest, as after a run.
    bool Rest();
    // Each kind of scene once, then the rest: the first part of a warm-up.
    bool Tour();

    long Sent() const { return status_updates_ + key_reports_ + answers_; }
    long StatusUpdates() const { return status_updates_; }
    long KeyReports() const { return key_reports_; }
    long Answers() const { return answers_; }
    const std::string& Failure() const { return failure_; }

private:
    bool Quiet();
    bool VisitVolumePage();
    bool Call(bool rings = false);
    bool Unplug();
    bool SkypeRestart();
    bool TypingLock();
    bool SkypeAnswers();

    void SetPhone(bool present);
    void SetSoftphone(bool present);
    void SetTypingLock(bool locked);
    void SetNavigation(uint8_t navigation);
    void SetCallState(uint8_t call_state);
    bool PhoneEvent(uint8_t key);
    bool Status();
    bool Press(uint8_t key);
    bool Answer(const std::string& text);
    // Every few messages: lets the panel work off what it posted to itself
    // (endpoint notifications, timers) before more is sent.
    bool Counted(long messages = 1);
    bool Drain();
    bool Fail(const std::string& why);
    int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }

    phonesim::PhoneService& service_;
    HWND form_;
    HWND marker_ = nullptr;
    std::mt19937 random_;
    // The switches as the service has them.
    bool phone_ = true, softphone_ = true, locked_ = false;
    uint8_t navigation_ = 0, call_state_ = 0;
    long status_updates_ = 0, key_reports_ = 0, answers_ = 0;
    long since_drain_ = 0;
    std::string failure_;
};

}  // namespace dorvane::testing
