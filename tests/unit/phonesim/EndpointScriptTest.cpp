// "endpoint ..." script lines reach the simulated endpoints through the shared
// block the simulated library serves them from.
#include <gtest/gtest.h>
#include <algorithm>
#include <iterator>
#include "EndpointSimClient.h"
#include "controls/Handles.h"
#include "phonesim/PhoneService.h"
#include "phonesim/ScriptRunner.h"

using namespace phonesim;
using namespace dorvane::endpointsim;

namespace {

constexpr std::chrono::milliseconds kLogged{0};  // the lines are logged before RunLine returns

bool BlockExists() { return static_cast<bool>(dorvane::KernelHandle(OpenFileMappingA(FILE_MAP_READ, FALSE, kBlockName))); }

size_t CountLines(const PhoneService& service, const std::string& needle) {
    const std::vector<std::string> lines = service.Log().Lines();
    return static_cast<size_t>(std::count_if(lines.begin(), lines.end(),
                                             [&](const std::string& l) { return l.find(needle) != l.npos; }));
}

}  // namespace

TEST(EndpointScript, LinesChangeTheEndpointsInTheBlock) {
    TEndpointSimClient sim;  // creates the block, as the library does when loaded
    ASSERT_TRUE(sim.Ok());
    sim.Reset();
    const int speakers = sim.Find(0, L"Speakers (USB Audio Device)");
    const int microphone = sim.Find(1, L"Microphone (USB Audio Device)");
    const int onboard = sim.Find(0, L"Speakers (High Definition Audio Device)");
    ASSERT_TRUE(speakers >= 0 && microphone >= 0 && onboard >= 0);

    PhoneService service;
    ScriptRunner runner(service);
    for (const char* line : {"endpoint level -12.5 Speakers (USB Audio Device)",
                             "endpoint mute on Microphone (USB Audio Device)",
                             "endpoint level 99 Microphone (USB Audio Device)",  // above its range
                             "endpoint mute on Nowhere (USB Audio Device)",
                             "endpoint default Speakers (USB Audio Device)",
                             "endpoint plug off Speakers (High Definition Audio Device)", "endpoint list"})
        EXPECT_TRUE(runner.RunLine(line)) << line;

    const SimEndpoint out = sim.Endpoint(0, speakers);
    EXPECT_FLOAT_EQ(-12.5f, out.LevelDb[0]);
    EXPECT_FLOAT_EQ(-12.5f, out.LevelDb[1]);
    EXPECT_FALSE(out.Muted);
    const SimEndpoint in = sim.Endpoint(1, microphone);
    EXPECT_TRUE(in.Muted);  // found among the recording endpoints, not the playback ones
    EXPECT_FLOAT_EQ(in.MaxDb, in.LevelDb[0]);
    EXPECT_EQ(speakers, sim.DefaultSlot(0));
    EXPECT_FALSE(sim.Endpoint(0, onboard).Present);
    EXPECT_TRUE(service.Log().WaitForLine("endpoint: no endpoint named \"Nowhere (USB Audio Device)\"", kLogged));
    // The list ends the log: every endpoint with its marks, in slot order.
    const std::vector<std::string> log = service.Log().Lines();
    const char* listed[] = {
        "playback 0 \"Speakers (USB Audio Device)\": level -12.5/-12.5 dB (-45..0), not muted, plugged, default",
        "playback 1 \"Speakers (High Definition Audio Device)\": level -20/-20 dB (-65.25..0), not muted, unplugged",
        "recording 0 \"Microphone (USB Audio Device)\": level 24 dB (0..24), muted, plugged",
        "recording 1 \"Microphone (High Definition Audio Device)\": level 0 dB (-12..30), not muted, plugged, default",
    };
    ASSERT_GE(log.size(), std::size(listed));
    for (size_t i = 0; i < std::size(listed); ++i) {
        const std::string& line = log[log.size() - std::size(listed) + i];
        EXPECT_EQ(std::string("endpoint: ") + listed[i], line.substr(line.find(' ') + 1));
    }
}

TEST(EndpointScript, WithoutTheLibraryTheLinesAreLoggedAndSkipped) {
    if (BlockExists()) GTEST_SKIP() << "another process of this session has the simulated library loaded";
    PhoneService service;
    ScriptRunner runner(service);
    EXPECT_TRUE(runner.RunLine("endpoint level -3 Speakers (USB Audio Device)"));
    EXPECT_TRUE(runner.RunLine("endpoint list"));
    EXPECT_TRUE(runner.RunLine("phone present on"));
    EXPECT_TRUE(service.State().phone_present);
    EXPECT_EQ(2u, CountLines(service, "endpoint: no simulated endpoints (library not loaded)"));
    EXPECT_FALSE(BlockExists()) << "a driver must not make up endpoints nobody serves";
}
