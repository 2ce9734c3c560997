// The simulated softphone on its own: commands in, answers out.
#include <gtest/gtest.h>
#include "phonesim/Softphone.h"

using namespace phonesim;
using Outcome = Softphone::Outcome;

TEST(Softphone, GetAnswersWithTheDevicesKept) {
    Softphone phone;
    EXPECT_EQ("AUDIO_OUT Speakers (High Definition Audio Device)", phone.Handle("GET AUDIO_OUT").answer);
    EXPECT_EQ("AUDIO_IN Microphone (High Definition Audio Device)", phone.Handle("GET AUDIO_IN").answer);
    phone.SetOutputDevice("Speakers (USB Audio Device)");
    Softphone::Reply reply = phone.Handle("GET AUDIO_OUT");
    EXPECT_EQ(Outcome::Answered, reply.outcome);
    EXPECT_EQ("AUDIO_OUT Speakers (USB Audio Device)", reply.answer);
}

TEST(Softphone, SetKeepsTheNameAndEchoesIt) {
    Softphone phone;
    EXPECT_EQ("AUDIO_OUT Headset", phone.Handle("SET AUDIO_OUT Headset").answer);
    EXPECT_EQ("AUDIO_IN  two leading", phone.Handle("SET AUDIO_IN  two leading").answer);
    EXPECT_EQ("Headset", phone.OutputDevice());
    EXPECT_EQ(" two leading", phone.InputDevice());
    // An empty name is the Windows default device, with or without the blank.
    EXPECT_EQ("AUDIO_OUT ", phone.Handle("SET AUDIO_OUT ").answer);
    EXPECT_EQ("", phone.OutputDevice());
    EXPECT_EQ("AUDIO_IN ", phone.Handle("SET AUDIO_IN").answer);
    EXPECT_EQ("AUDIO_IN ", phone.Handle("GET AUDIO_IN").answer);
}

TEST(Softphone, RingToneIsKeptWithoutAnswer) {
    Softphone phone;
    Softphone::Reply reply = phone.Handle("SET RINGTONE 1 C:\\ring\\mute.wav");
    EXPECT_EQ(Outcome::Done, reply.outcome);
    EXPECT_EQ("", reply.answer);
    EXPECT_EQ("C:\\ring\\mute.wav", phone.RingTonePath());
}

TEST(Softphone, OtherTextsAreUnknownAndChangeNothing) {
    Softphone phone;
    for (const char* text : {"", "GET", "GET AUDIO_OUTPUT", "SET AUDIO_OUTX name", "get audio_out", "CALL echo123",
                             "SET RINGTONE 2 x.wav", " GET AUDIO_OUT"}) {
        Softphone::Reply reply = phone.Handle(text);
        EXPECT_EQ(Outcome::Unknown, reply.outcome) << text;
        EXPECT_EQ("", reply.answer) << text;
    }
    EXPECT_EQ(kDefaultOutputDevice, phone.OutputDevice());
    EXPECT_EQ(kDefaultInputDevice, phone.InputDevice());
    EXPECT_EQ("", phone.RingTonePath());
}
