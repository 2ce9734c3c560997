// The default-device button of the audio page over a simulated legacy mixer:
// what it shows for no, one and several playback devices, how the mixer's
// answers reach it, and what a click starts.
#include <gtest/gtest.h>
#include <memory>
#include "PeerWindow.h"
#include "RecordingShell.h"
#include "SimWinmm.h"
#include "app/Application.h"
#include "app/Unit1.h"

namespace dorvane::test {
namespace {
using dorvane::testing::PeerWindow;
using dorvane::testing::PumpFor;
using dorvane::testing::PumpUntil;
using dorvane::testing::RecordingShell;
using dorvane::testing::TakeQuit;

struct DefaultDeviceButtonTest : ::testing::Test {
    void SetUp() override { app.Initialize(); }
    void TearDown() override {
        form.reset();
        TakeQuit();
    }
    // A panel over `outputs` playback devices; no Sound control panel page
    // is known for the version the tests give, so a query fails.
    void Start(int outputs, SystemInfo system = {}) {
        form.reset();
        sim.waveOut.clear();
        const char* names[] = {"Realtek HD Audio", "USB Audio Device", "Lautsprecher (USB-Ger\xE4t)"};
        for (int i = 0; i < outputs; ++i) sim.AddWaveOut(names[i], -1);
        form = std::make_unique<TForm1>(app, system, std::vector<std::string>{}, SimWinmm::Table(), shell);
    }
    TsuiButton& Button() { return *form->suiButtonSysAudioOut; }
    void Mark() {
        Button().SetCaption("before");
        Button().SetEnabled(false);
    }
    bool Shows(const std::string& caption) { return Button().Caption() == caption && Button().Enabled(); }

    SimWinmm sim;
    RecordingShell shell;
    TApplication app;
    std::unique_ptr<TForm1> form;
};

TEST_F(DefaultDeviceButtonTest, NoDeviceOneDeviceOrAQueryForSeveral) {
    Start(0);
    EXPECT_EQ("N/A", Button().Caption());
    EXPECT_FALSE(Button().Enabled());
    EXPECT_EQ(nullptr, form->AudioMixerUsb.Worker());

    // The only device is the default: nothing is asked.
    Start(1);
    EXPECT_TRUE(Shows("Realtek HD Audio"));
    EXPECT_EQ(nullptr, form->AudioMixerUsb.Worker());

    // Several: the button waits for the answer (here a failure).
    Start(3);
    ASSERT_NE(nullptr, form->AudioMixerUsb.Worker());
    EXPECT_TRUE(PumpUntil([&] { return Shows("UNKNOW"); }, 5000));
    // The worker stays busy until just after its answer was taken; a
    // request before then is dropped.
    ASSERT_TRUE(PumpUntil([&] { return !form->AudioMixerUsb.Worker()->Busy; }, 5000));
    Mark();
    form->RefreshSysDefaultButton();
    EXPECT_EQ("before", Button().Caption());
    EXPECT_FALSE(Button().Enabled());
    EXPECT_TRUE(PumpUntil([&] { return Shows("UNKNOW"); }, 5000));

    // Devices gone since: the refresh of a device change shows it.
    sim.waveOut.clear();
    form->RefreshSysDefaultButton();
    EXPECT_EQ("N/A", Button().Caption());
    EXPECT_FALSE(Button().Enabled());
}

TEST_F(DefaultDeviceButtonTest, TheAnswerNamesThePlaybackDeviceOrSaysUnknown) {
    Start(3);
    ASSERT_TRUE(PumpUntil([&] { return Shows("UNKNOW"); }, 5000));
    PeerWindow worker;
    const struct {
        UINT msg;
        WPARAM out;
        LPARAM in;
        const char* shown;
    } cases[] = {
        {kDefaultDeviceFound, 2, 0, "Lautsprecher (USB-Ger\xE4t)"},
        {kDefaultDeviceFound, 1, 5, "USB Audio Device"},
        {kDefaultDeviceFound, static_cast<WPARAM>(-1), 1, "UNKNOW"},  // no selection in the playback list
        {kDefaultDeviceFound, 99, 0, "UNKNOW"},  // past the end of the device list
        {kDefaultDeviceFailed, 0, 0, "UNKNOW"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        Mark();
        auto answered = worker.Send(form->AudioMixerUsb.Window(), c.msg, c.out, c.in);
        EXPECT_EQ(1, PumpFor(answered));
        EXPECT_TRUE(Shows(c.shown)) << Button().Caption();
    }
}

TEST_F(DefaultDeviceButtonTest, AClickStartsTheSoundPanelPageOfTheVersionWithoutWaiting) {
    const struct {
        int version;
        const char* folder;
        const char* command;
    } cases[] = {
        {2, "C:\\windows\\system32", "C:\\windows\\system32\\rundll32.exe shell32.dll,Control_RunDLL mmsys.cpl,,2"},
        {1, "C:\\windows\\system32", "C:\\windows\\system32\\rundll32.exe shell32.dll,Control_RunDLL mmsys.cpl,,1"},
        {0, "C:\\windows\\system32", "C:\\windows\\system32\\rundll32.exe shell32.dll,Control_RunDLL mmsys.cpl,,1"},
        {2, "", "rundll32.exe shell32.dll,Control_RunDLL mmsys.cpl,,2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        SystemInfo system;
        system.VersionClass = c.version;
        system.SystemFolder = c.folder;
        Start(1, system);
        shell.TakeStarted();
        Button().Click();
        TProcessStart expected;
        expected.CommandLine = c.command;
        expected.CurrentFolder = c.folder;
        expected.CreationFlags = CREATE_NEW_CONSOLE | HIGH_PRIORITY_CLASS;
        expected.InheritHandles = true;
        expected.StartupFlags = STARTF_USESHOWWINDOW | STARTF_USEPOSITION;
        expected.ShowWindow = SW_HIDE;
        EXPECT_EQ(std::vector<TProcessStart>{expected}, shell.TakeStarted());
    }
}

}  // namespace
}  // namespace dorvane::test
