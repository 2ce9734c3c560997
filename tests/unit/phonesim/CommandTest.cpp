// WM_COPYDATA commands relayed to the simulated softphone and its answers.
#include <gtest/gtest.h>
#include <cstring>
#include "LinkedService.h"

using namespace phonesim;
using namespace phonesim_test;

namespace {

ServiceConfig WithSoftphone() {
    ServiceConfig config = QuietConfig();
    config.phone_present = true;
    config.softphone_present = true;
    return config;
}

// An answer as the panel receives it: the text and its 0 byte, all inside cbData.
std::string Answer(const std::string& text) { return text + std::string(1, '\0'); }

std::vector<std::string> Bytes(const std::vector<CopyData>& copies) {
    std::vector<std::string> out;
    for (const CopyData& c : copies) out.push_back(c.bytes);
    return out;
}

// UTF-8 as the panel sends it: German, Chinese and an emoji.
const std::string kUtf8Name = "Lautsprecher (Ger\xC3\xA4t) \xE9\x9F\xB3\xE7\xAE\xB1 \xF0\x9F\x8E\xA7";

}  // namespace

class CommandTest : public LinkedService {
protected:
    CommandTest() : LinkedService(WithSoftphone()) {}
};

TEST_F(CommandTest, GetAudioOutIsAnsweredAfterThePanelsSendReturns) {
    EXPECT_EQ(1, panel.SendCommand(service.Window(), "GET AUDIO_OUT"));
    // The panel is blocked in its send: an answer sent from inside would
    // arrive here, during the send.
    EXPECT_TRUE(panel.copies.empty());
    ASSERT_TRUE(WaitForAnswers(1));
    ASSERT_EQ(1u, panel.copies.size());
    const CopyData& answer = panel.copies[0];
    EXPECT_EQ(Answer("AUDIO_OUT Speakers (High Definition Audio Device)"), answer.bytes);
    EXPECT_EQ(std::strlen("AUDIO_OUT Speakers (High Definition Audio Device)") + 1, answer.bytes.size());
    EXPECT_EQ(0u, answer.dw_data);
    EXPECT_EQ(service.Window(), answer.sender);
    EXPECT_FALSE(answer.during_own_send);
    EXPECT_EQ(std::vector<std::string>{"GET AUDIO_OUT"}, service.ReceivedCommands());
}

TEST_F(CommandTest, GetAudioInNamesTheInputDevice) {
    panel.SendCommand(service.Window(), "GET AUDIO_IN");
    ASSERT_TRUE(WaitForAnswers(1));
    EXPECT_EQ(std::vector<std::string>{Answer("AUDIO_IN Microphone (High Definition Audio Device)")},
              Bytes(panel.copies));
}

TEST_F(CommandTest, Utf8NamesAreKeptByteForByteAndEchoed) {
    panel.SendCommand(service.Window(), "SET AUDIO_OUT " + kUtf8Name);
    panel.SendCommand(service.Window(), "SET AUDIO_IN " + kUtf8Name);
    panel.SendCommand(service.Window(), "GET AUDIO_OUT");
    ASSERT_TRUE(WaitForAnswers(3));
    const std::vector<std::string> expected = {
        Answer("AUDIO_OUT " + kUtf8Name),
        Answer("AUDIO_IN " + kUtf8Name),
        Answer("AUDIO_OUT " + kUtf8Name),
    };
    EXPECT_EQ(expected, Bytes(panel.copies));
    EXPECT_EQ(kUtf8Name, service.OutputDevice());
    EXPECT_EQ(kUtf8Name, service.InputDevice());
}

TEST_F(CommandTest, EmptyNameSelectsTheDefaultDevice) {
    panel.SendCommand(service.Window(), "SET AUDIO_IN ");
    ASSERT_TRUE(WaitForAnswers(1));
    EXPECT_EQ(std::vector<std::string>{Answer("AUDIO_IN ")}, Bytes(panel.copies));
    EXPECT_EQ("", service.InputDevice());
}

// Answers leave in the order the commands came: once the answer to a later
// command is here, an earlier one that got no answer never will.
TEST_F(CommandTest, NoAnswerWhileTheSoftphoneIsAbsent) {
    service.SetSoftphonePresent(false);
    EXPECT_EQ(1, panel.SendCommand(service.Window(), "GET AUDIO_OUT"));
    panel.SendCommand(service.Window(), "SET AUDIO_OUT Other Speakers");
    service.SetSoftphonePresent(true);
    panel.SendCommand(service.Window(), "GET AUDIO_IN");
    ASSERT_TRUE(WaitForAnswers(1));
    EXPECT_EQ(std::vector<std::string>{Answer("AUDIO_IN Microphone (High Definition Audio Device)")},
              Bytes(panel.copies));
    EXPECT_EQ("Speakers (High Definition Audio Device)", service.OutputDevice());
    const std::vector<std::string> received = {"GET AUDIO_OUT", "SET AUDIO_OUT Other Speakers", "GET AUDIO_IN"};
    EXPECT_EQ(received, service.ReceivedCommands());
}

TEST_F(CommandTest, RingToneIsKeptAndUnknownCommandsGetNoAnswer) {
    const std::string path = "C:\\Program Files\\Dorvane\\ring\\mute.wav";
    panel.SendCommand(service.Window(), "SET RINGTONE 1 " + path);
    panel.SendCommand(service.Window(), "CALL echo123");
    panel.SendCommand(service.Window(), "get audio_out");
    panel.SendCommand(service.Window(), "SET AUDIO_OUTPUT x");
    panel.SendCommand(service.Window(), "GET AUDIO_IN");
    ASSERT_TRUE(WaitForAnswers(1));
    EXPECT_EQ(std::vector<std::string>{Answer("AUDIO_IN Microphone (High Definition Audio Device)")},
              Bytes(panel.copies));
    EXPECT_EQ(path, service.RingTonePath());
    EXPECT_EQ("Speakers (High Definition Audio Device)", service.OutputDevice());
}

TEST_F(CommandTest, MalformedCopyDataIsIgnored) {
    HWND window = service.Window();
    const char no_zero[] = "!GET AUDIO_OUTxyz";  // cbData stops before any 0 byte
    const char no_bang[] = "GET AUDIO_OUT";
    EXPECT_EQ(0, panel.SendRawCopyData(window, "!GET AUDIO_OUT", 0));
    EXPECT_EQ(0, panel.SendRawCopyData(window, nullptr, 15));
    EXPECT_EQ(0, panel.SendRawCopyData(window, no_zero, 14));
    EXPECT_EQ(0, panel.SendRawCopyData(window, no_bang, sizeof no_bang));
    DWORD_PTR result = 1;
    SendMessageTimeoutA(window, WM_COPYDATA, reinterpret_cast<WPARAM>(panel.Window()), 0, SMTO_ABORTIFHUNG, 500,
                        &result);
    EXPECT_EQ(0u, result);
    EXPECT_TRUE(service.ReceivedCommands().empty());

    // Still serving, and nothing was queued by the bad ones.
    panel.SendCommand(window, "GET AUDIO_OUT");
    ASSERT_TRUE(WaitForAnswers(1));
    EXPECT_EQ(std::vector<std::string>{Answer("AUDIO_OUT Speakers (High Definition Audio Device)")},
              Bytes(panel.copies));
}

TEST_F(CommandTest, AnswerGoesToTheWindowThatAsked) {
    FakePanel other;
    ASSERT_TRUE(other);
    other.SendCommand(service.Window(), "GET AUDIO_OUT");
    ASSERT_TRUE(other.PumpUntil([&] { return !other.copies.empty(); }));
    EXPECT_EQ(1u, other.copies.size());
    EXPECT_TRUE(panel.copies.empty());
}

TEST_F(CommandTest, DeviceNamesSetByTheScriptAreAnswered) {
    service.SetOutputDevice("Speakers (USB Audio Device)");
    service.SetInputDevice("Microphone (USB Audio Device)");
    panel.SendCommand(service.Window(), "GET AUDIO_OUT");
    panel.SendCommand(service.Window(), "GET AUDIO_IN");
    ASSERT_TRUE(WaitForAnswers(2));
    const std::vector<std::string> expected = {Answer("AUDIO_OUT Speakers (USB Audio Device)"),
                                               Answer("AUDIO_IN Microphone (USB Audio Device)")};
    EXPECT_EQ(expected, Bytes(panel.copies));
}
