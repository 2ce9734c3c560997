#include <windows.h>
#include <gtest/gtest.h>
#include <mmsystem.h>
#include "ControlTestSupport.h"
#include "controls/MciDevice.h"
#include "controls/MediaPlayer.h"

namespace dorvane::test {
namespace {

class RecordingDevice : public IMediaDevice {
public:
    explicit RecordingDevice(EventLog& log) : log_(log) {}
    bool Open(const std::string& file, std::string& error) override {
        log_.push_back("open " + file);
        if (file.find("missing") != std::string::npos) {
            error = "The file was not found.";
            return false;
        }
        open_ = true;
        return true;
    }
    void Close() override {
        if (open_) log_.push_back("close");
        open_ = false;
    }
    bool IsOpen() const override { return open_; }
    bool Play() override { log_.push_back("play"); return open_; }
    bool Stop() override { log_.push_back("stop"); return open_; }
    bool Seek(long position) override { log_.push_back("seek " + std::to_string(position)); return open_; }
    long Length() override { return open_ ? 2500 : 0; }
    long Position() override { return open_ ? 700 : 0; }
    MediaMode Mode() override { return open_ ? MediaMode::Playing : MediaMode::NotReady; }

private:
    EventLog& log_;
    bool open_ = false;
};

HWND ButtonOf(const TMediaPlayer& player, const char* caption) {
    return FindWindowExA(player.Handle(), nullptr, "BUTTON", caption);
}

TEST(MediaPlayer, DrivesItsDeviceAndClosesItAtTheEnd) {
    TestForm form;
    EventLog log;
    {
        TMediaPlayer player(form.Handle(), "MediaPlayerTest", 10, 10, 60, 30, std::make_unique<RecordingDevice>(log));
        player.SetFileName("C:\\ring\\ring_in.wav");
        player.Open();
        player.Seek(0);
        player.Play();
        EXPECT_EQ((std::vector<long>{player.Length(), player.Position()}), (std::vector<long>{2500, 700}));
        EXPECT_EQ(player.Mode(), MediaMode::Playing);
        player.Stop();
    }
    EXPECT_EQ(log, (EventLog{"open C:\\ring\\ring_in.wav", "seek 0", "play", "stop", "close"}));
}

TEST(MediaPlayer, OpenErrorIsThrownWithTheSystemsText) {
    TestForm form;
    EventLog log;
    TMediaPlayer player(form.Handle(), "p", 10, 10, 60, 30, std::make_unique<RecordingDevice>(log));
    player.SetFileName("C:\\missing.wav");
    try {
        player.Open();
        FAIL() << "no error";
    } catch (const MediaPlayerError& e) {
        EXPECT_STREQ(e.what(), "The file was not found.");
    }
    EXPECT_FALSE(player.DeviceOpen());
}

TEST(MediaPlayer, ButtonsOnlyReportClicksAndStartDisabled) {
    TestForm form;
    EventLog log;
    TMediaPlayer player(form.Handle(), "p", 10, 10, 60, 30, std::make_unique<RecordingDevice>(log));
    player.OnClick = [&](TMediaPlayer::Button b) { log.push_back(b == TMediaPlayer::Button::Play ? "button play" : "button stop"); };
    EXPECT_EQ((std::vector<bool>{player.ButtonEnabled(TMediaPlayer::Button::Play), player.ButtonEnabled(TMediaPlayer::Button::Stop)}),
              (std::vector<bool>{false, false}));
    player.SetEnabledButtons(true, false);
    SendMessageA(ButtonOf(player, "Play"), BM_CLICK, 0, 0);
    SendMessageA(ButtonOf(player, "Stop"), BM_CLICK, 0, 0);  // disabled
    player.SetEnabledButtons(false, true);
    SendMessageA(ButtonOf(player, "Stop"), BM_CLICK, 0, 0);
    // The player itself never touched the device.
    EXPECT_EQ(log, (EventLog{"button play", "button stop"}));
    EXPECT_FALSE(GetWindowLongPtrA(ButtonOf(player, "Play"), GWL_STYLE) & WS_TABSTOP);
    EXPECT_FALSE(GetWindowLongPtrA(ButtonOf(player, "Stop"), GWL_STYLE) & WS_TABSTOP);
}

// A short silent PCM wave file.
std::string WriteWave(const TempFolder& folder) {
    const DWORD rate = 8000, samples = 4000;  // half a second
    std::string data;
    auto put32 = [&](DWORD v) { data.append(reinterpret_cast<const char*>(&v), 4); };
    auto put16 = [&](WORD v) { data.append(reinterpret_cast<const char*>(&v), 2); };
    data += "RIFF"; put32(36 + samples); data += "WAVEfmt "; put32(16);
    put16(WAVE_FORMAT_PCM); put16(1); put32(rate); put32(rate); put16(1); put16(8);
    data += "data"; put32(samples); data.append(samples, static_cast<char>(0x80));
    return folder.File("tone.wav", data);
}

TEST(MciDevice, RealMciOpensPlaysSeeksAndCloses) {
    if (waveOutGetNumDevs() == 0) GTEST_SKIP() << "no wave output device";
    TempFolder folder;
    const std::string file = WriteWave(folder);
    TMciDevice device;
    std::string error;
    ASSERT_TRUE(device.Open(file, error)) << error;
    EXPECT_NEAR(device.Length(), 500, 5);
    EXPECT_TRUE(device.Play());
    EXPECT_TRUE(device.Stop());
    EXPECT_TRUE(device.Seek(0));
    EXPECT_EQ(device.Position(), 0);
    EXPECT_EQ(device.Mode(), MediaMode::Stopped);
    device.Close();
    EXPECT_FALSE(device.IsOpen());
    EXPECT_EQ(device.Mode(), MediaMode::NotReady);
    EXPECT_FALSE(device.Open(folder.Path() + "\\missing.wav", error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace dorvane::test
