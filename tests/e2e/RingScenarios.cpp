// Ringing and preview as the phone plays them: the real panel in a fresh
// program folder of its own, the phone service simulator sending its status
// updates, and the phone's sound device, the default playback device here,
// heard through its monitor.
#include <windows.h>
#include <gtest/gtest.h>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>
#include "DefaultSink.h"
#include "EndpointSimClient.h"
#include "PanelProcess.h"
#include "PeerWindow.h"
#include "SinkRecorder.h"
#include "Surroundings.h"
#include "TempFolder.h"
#include "ToneFile.h"
#include "link/LinkProtocol.h"
#include "phonesim/PhoneService.h"

namespace dorvane::testing {
namespace {

using dorvane::test::FileContents;
using dorvane::test::TempFolder;
constexpr uint8_t kRinging = 1;
// What may pass between a play starting and its first samples on the
// monitor, and between a stop and the last ones: MCI's stop takes up to
// 0.6 s under Wine, the tone sounding on meanwhile.
constexpr double kLatency = 0.6;
constexpr double kStopLatency = 1.0;

// A press and release of the left button at a point of the control.
void Click(HWND control, int x, int y) {
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// Clicks the entry of that name in whichever list box of the window shows it.
bool ClickEntry(HWND form, const std::wstring& name) {
    std::vector<HWND> lists;
    Collect(form, "ListBox", lists);
    for (HWND list : lists) {
        const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            if (ItemText(list, LB_GETTEXTLEN, LB_GETTEXT, i) != name) continue;
            const auto top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
            const auto height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
            Click(list, 10, (i - top) * height + height / 2);
            return true;
        }
    }
    return false;
}

// The panel with the simulated endpoint library beside it, as on Vista; only
// these two, since earlier scenarios left their ring.vob in that folder.
std::vector<std::string> EndpointSimFiles() {
    return {EndpointSimFolder() + "\\DorvaneUI.exe", EndpointSimFolder() + "\\zeldevtopvolctrl.dll"};
}

class RingScenario : public ::testing::Test {
protected:
    struct Update {
        double time;
        uint8_t call_state;
    };

    void SetUp() override {
        if (FindPanelForm()) RunPanelToEnd({"VobDestroyMode"});
        ASSERT_TRUE(phone_is_default.Ok());
        ASSERT_TRUE(recorder.Ok()) << "no capture device " << kPhoneSinkMonitor;
        tone = ToneFile::Read(ProgramPath("ring\\ring_in.wav"));
        ASSERT_TRUE(tone.Ok());
        config.phone_present = true;
        // Every status update the service sent, with when and what. One
        // that timed out counts too: the panel still handles it when free.
        config.log_sink = [this](const std::string& line) {
            const size_t at = line.find("send status wParam=");
            if (at == std::string::npos) return;
            const size_t lp = line.find("lParam=", at);
            const auto event = static_cast<uint32_t>(std::strtoul(line.c_str() + lp + 7, nullptr, 16));
            std::lock_guard lock(mutex);
            updates.push_back({Clock(), CallStateOf(event)});
        };
    }

    // A program folder of the test's own with these files and the default
    // tone in its ring folder, so that ring.vob and the mute file are made
    // afresh; then the service and the panel, which has had its first update.
    bool Start(const std::vector<std::string>& files) {
        panel.reset();
        service.reset();
        folder = std::make_unique<TempFolder>();
        for (const auto& file : files)
            CopyFileA(file.c_str(), (folder->Path() + file.substr(file.rfind('\\'))).c_str(), FALSE);
        folder->Folder("ring");
        folder->File("ring\\ring_in.wav", FileContents(ProgramPath("ring\\ring_in.wav")));
        for (const auto& [name, bytes] : extra_tones) folder->File("ring\\" + name, bytes);
        {
            std::lock_guard lock(mutex);
            updates.clear();
        }
        service = std::make_unique<phonesim::PhoneService>(config);
        if (!service->Start()) return false;
        panel = std::make_unique<PanelProcess>(std::vector<std::string>{}, folder->Path());
        form = WaitForPanelForm();
        if (!form || !OpenAndClosePanelWindow(form) || !PumpUntil([&] { return !Updates().empty(); }, 8000)) return false;
        // Answered once the panel is through with that update's work.
        DWORD_PTR answer = 0;
        return SendMessageTimeoutA(form, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer) != 0;
    }

    std::vector<Update> Updates() {
        std::lock_guard lock(mutex);
        return updates;
    }
    // The times of the updates since `from` that carried the call state.
    std::vector<double> UpdatesWith(uint8_t call_state, size_t from = 0) {
        std::vector<double> times;
        const auto all = Updates();
        for (size_t i = from; i < all.size(); ++i)
            if (all[i].call_state == call_state) times.push_back(all[i].time);
        return times;
    }
    // What Skype has been told of its ring tone, through the service.
    std::vector<std::string> RingToneCommands() const {
        std::vector<std::string> found;
        for (const auto& command : service->ReceivedCommands())
            if (command.rfind("SET RINGTONE ", 0) == 0) found.push_back(command);
        return found;
    }
    HWND Button(const char* caption) const { return FindControl(form, "Button", caption); }
    // The player's Stop button is enabled while a tone plays.
    bool Playing() const { return IsWindowEnabled(Button("Stop")) != FALSE; }
    bool CanPlay() const { return IsWindowEnabled(Button("Play")) && !Playing(); }

    // A call comes in: nothing sounds at its first four updates, the tone
    // starts at the fifth. When it was first heard.
    std::optional<double> RingIn() {
        const size_t from = Updates().size();
        service->SetCallState(kRinging);
        if (!PumpUntil([&] { return UpdatesWith(kRinging, from).size() >= 5; }, 8000)) {
            ADD_FAILURE() << "the service sent no five ringing updates";
            return std::nullopt;
        }
        const auto ringing = UpdatesWith(kRinging, from);
        const auto heard = recorder.WaitForSound(ringing[0], ringing[4] + kLatency);
        EXPECT_TRUE(heard.has_value()) << "silent after the fifth update";
        if (heard) {
            EXPECT_GE(*heard, ringing[4]) << "sounded " << ringing[4] - *heard << " s before the fifth update";
        }
        return heard;
    }
    // The tone's quiet end, then up to a tick of the notify timer (1 s)
    // before it is played again.
    double LongestQuietWhileRinging() const {
        return tone.Length() - tone.LastLoud(SinkRecorder::kDefaultThreshold) + 1.0 + kLatency;
    }
    // The tone that started at `start` ends quietly, then sounds again from
    // its start. When it was heard again.
    std::optional<double> RingsAgain(double start) {
        const int threshold = SinkRecorder::kDefaultThreshold;
        EXPECT_FALSE(recorder.HeardIn(start + tone.LastLoud(threshold) + 0.15, start + tone.Length() - 0.1));
        const auto again = recorder.WaitForSound(start + tone.Length() - 0.1,
                                                 start + tone.LastLoud(threshold) + LongestQuietWhileRinging());
        EXPECT_TRUE(again.has_value()) << "not heard again after the tone's end";
        if (again) {
            EXPECT_GE(*again, start + tone.Length() - 0.05);
        }
        return again;
    }

    PhoneIsDefaultSink phone_is_default;
    SinkRecorder recorder{kPhoneSinkMonitor};
    ToneFile tone;
    std::vector<std::pair<std::string, std::string>> extra_tones;
    phonesim::ServiceConfig config;
    std::mutex mutex;
    std::vector<Update> updates;
    std::unique_ptr<TempFolder> folder;
    std::unique_ptr<phonesim::PhoneService> service;  // outlives the panel: it hears the detach
    std::unique_ptr<PanelProcess> panel;
    HWND form = nullptr;
};

TEST_F(RingScenario, ACallRingsFromItsFifthUpdateAndUntilItStopsRinging) {
    const struct {
        const char* end;
        bool service_goes;
    } cases[] = {
        {"another call state", false},
        {"the service gone: the watchdog", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.end);
        ASSERT_TRUE(Start({ProgramPath("DorvaneUI.exe")}));
        const auto heard = RingIn();
        ASSERT_TRUE(heard.has_value());
        const auto again = RingsAgain(*heard);
        ASSERT_TRUE(again.has_value());
        EXPECT_TRUE(Playing());

        // It ends while the tone sounds: once the stop is through, nothing
        // more, for longer than the quiet between two plays of a ringing tone.
        double silent_from = 0;
        if (!c.service_goes) {
            service->SetCallState(0);
            service->SendStatusNow();
            silent_from = Clock() + kStopLatency;
        } else {
            service->Stop();
            const double last = Updates().back().time;
            EXPECT_TRUE(recorder.HeardIn(Clock(), last + 2.8)) << "the service's going alone ended it";
            silent_from = last + 3.0 + kStopLatency;
        }
        EXPECT_FALSE(recorder.HeardIn(silent_from, silent_from + LongestQuietWhileRinging() + 0.5));
        EXPECT_FALSE(Playing());
    }
}

// The speaker is raised for every tone and put back however the tone ends,
// also when the phone's mixer was closed under it by a device change.
TEST_F(RingScenario, ThePhonesSpeakerIsFullWhileAToneSoundsAndAsBeforeWhateverEndsIt) {
    endpointsim::TEndpointSimClient sim;
    ASSERT_TRUE(sim.Ok());
    // Shorter than a tick of the notify timer: a ring repeats it again and again.
    ToneFile short_tone = tone;
    short_tone.samples.resize(static_cast<size_t>(short_tone.rate * 7 / 10) * short_tone.channels);
    extra_tones = {{"ring_in.wav", short_tone.Bytes()}};
    config.interval_ms = 250;
    const UINT device_change = RegisterWindowMessageA("winmm_devicechange");

    enum class End { CallState, Watchdog, DeviceChange, LineChange, Exit, PreviewEnd };
    const struct {
        const char* what;
        End end;
    } cases[] = {
        {"another call state", End::CallState},   {"the watchdog", End::Watchdog},
        {"a device change", End::DeviceChange},   {"a line change", End::LineChange},
        {"the program's exit", End::Exit},        {"the end of a preview", End::PreviewEnd},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        sim.Reset();
        const int speaker = sim.Find(0, L"Speakers (USB Audio Device)");
        ASSERT_GE(speaker, 0);
        sim.SetLevel(0, speaker, -20.0f);
        sim.SetMute(0, speaker, true);
        auto loud = [&] {
            const auto e = sim.Endpoint(0, speaker);
            return e.LevelDb[0] == e.MaxDb && e.LevelDb[1] == e.MaxDb && e.Muted == 0;
        };
        ASSERT_TRUE(Start(EndpointSimFiles()));

        if (c.end == End::PreviewEnd) {
            ASSERT_TRUE(PumpUntil([&] { return CanPlay(); }, 3000));
            ASSERT_TRUE(ClickEntry(form, L"ring_in.wav"));
            Click(Button("Play"), 5, 5);
            EXPECT_TRUE(PumpUntil(loud, 2000));
            EXPECT_TRUE(PumpUntil([&] { return CanPlay(); }, 3000)) << "the preview did not end";
        } else {
            service->SetCallState(kRinging);
            ASSERT_TRUE(PumpUntil([&] { return Playing(); }, 8000)) << "no ring";
            EXPECT_TRUE(PumpUntil(loud, 2000));
            PumpUntil([] { return false; }, 3000);  // the tone comes again and again
            EXPECT_TRUE(loud());
            EXPECT_TRUE(Playing());
            switch (c.end) {
            case End::CallState:
                service->SetCallState(0);
                service->SendStatusNow();
                break;
            case End::Watchdog: service->Stop(); break;
            case End::DeviceChange: PostMessageA(form, device_change, 0, 0); break;
            case End::LineChange: sim.Add(0, L"Speakers (Headset)", -60.0f, 0.0f); break;
            case End::Exit: EXPECT_EQ(RunPanelToEnd({"VobDestroyMode"}), 0); break;
            case End::PreviewEnd: break;
            }
            if (c.end == End::Exit)
                EXPECT_GE(panel->WaitExit(5000), 0);
            else
                EXPECT_TRUE(PumpUntil([&] { return !Playing(); }, 5000)) << "the tone did not stop";
        }
        const auto after = sim.Endpoint(0, speaker);
        EXPECT_NEAR(after.LevelDb[0], -20.0f, 0.05f);
        EXPECT_NEAR(after.LevelDb[1], -20.0f, 0.05f);
        EXPECT_EQ(after.Muted, 1);
    }
}

TEST_F(RingScenario, PlayPlaysTheHighlightedToneAndMakesItTheRingTone) {
    // A tone of its own, heard only a second after it starts, listed after
    // the current one (the list highlights its first entry by itself).
    ToneFile slow = tone;
    slow.DelayBy(1.0);
    extra_tones = {{"slow.wav", slow.Bytes()}};
    const double slow_sound = slow.FirstLoud(SinkRecorder::kDefaultThreshold);
    config.softphone_present = true;
    // Play is there only with an output device to play on: the simulated
    // endpoints give the panel one.
    ASSERT_TRUE(Start(EndpointSimFiles()));
    ASSERT_TRUE(PumpUntil([&] { return CanPlay(); }, 3000));
    const std::string ring = folder->Path() + "\\ring";
    const std::string silent = "SET RINGTONE 1 " + ring + "\\mute.wav";
    ASSERT_TRUE(PumpUntil([&] { return !RingToneCommands().empty(); }, 5000));
    EXPECT_EQ(RingToneCommands(), std::vector<std::string>{silent});
    EXPECT_EQ(FileContents(folder->Path() + "\\ring.vob"), ring + "\\ring_in.wav\r\n");

    // The user picks the tone and presses Play: that tone sounds, not the
    // current one.
    auto preview = [&] {
        ASSERT_TRUE(ClickEntry(form, L"slow.wav"));
        const double pressed = Clock();
        Click(Button("Play"), 5, 5);
        const auto heard = recorder.WaitForSound(pressed, pressed + slow_sound + kLatency);
        ASSERT_TRUE(heard.has_value());
        EXPECT_GE(*heard, pressed + slow_sound - 0.05) << "another tone sounded";
        Click(Button("Stop"), 5, 5);
        EXPECT_TRUE(PumpUntil([&] { return CanPlay(); }, 2000));
    };
    // Played, it is the ring tone: ring.vob names it and Skype is given its
    // silent tone again.
    preview();
    EXPECT_EQ(FileContents(folder->Path() + "\\ring.vob"), ring + "\\slow.wav\r\n");
    EXPECT_EQ(RingToneCommands(), (std::vector<std::string>{silent, silent}));
    // Played again as the current tone, it only plays.
    preview();
    EXPECT_EQ(FileContents(folder->Path() + "\\ring.vob"), ring + "\\slow.wav\r\n");
    EXPECT_EQ(RingToneCommands(), (std::vector<std::string>{silent, silent}));
}

// The phone's sound device is unplugged (its sink unloaded) while the
// panel plays the ring tone on it, and plugged in again afterwards.
class PhoneSinkUnplugged {
public:
    PhoneSinkUnplugged()
        : ok_(RunLinux("pactl unload-module $(pactl list short modules | grep 'sink_name=" + std::string(kPhoneSink) +
                       " ' | cut -f1)")) {}
    ~PhoneSinkUnplugged() {
        RunLinux("pactl list short sinks | grep -q '\\s" + std::string(kPhoneSink) +
                 "\\s' || pactl load-module module-null-sink sink_name=" + kPhoneSink +
                 " 'sink_properties=device.description=\"USB\\ Audio\\ Device\"' >/dev/null");
    }
    PhoneSinkUnplugged(const PhoneSinkUnplugged&) = delete;
    PhoneSinkUnplugged& operator=(const PhoneSinkUnplugged&) = delete;
    bool Ok() const { return ok_; }

private:
    bool ok_;
};

TEST_F(RingScenario, APhoneUnpluggedWhileItRingsLeavesThePanelWorking) {
    ASSERT_TRUE(Start({ProgramPath("DorvaneUI.exe")}));
    ASSERT_TRUE(RingIn().has_value());
    {
        PhoneSinkUnplugged unplugged;
        ASSERT_TRUE(unplugged.Ok());
        // The ring goes on through the notify timer's ticks, whatever the
        // player makes of its lost device.
        PumpUntil([] { return false; }, 2500);
        EXPECT_TRUE(Answers(form));
        EXPECT_TRUE(panel->Running());
        // The call ends: the tone is stopped and the player idle again.
        service->SetCallState(0);
        service->SendStatusNow();
        EXPECT_TRUE(PumpUntil([&] { return !Playing(); }, 3000));
        EXPECT_TRUE(Answers(form));
    }
    EXPECT_TRUE(panel->Running());
}

}  // namespace
}  // namespace dorvane::testing
