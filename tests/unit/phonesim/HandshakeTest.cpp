// The discover/attach handshake and the detach notice, against a fake panel.
#include <gtest/gtest.h>
#include <regex>
#include "FakePanel.h"
#include "LinkedService.h"
#include "link/KeypadKeys.h"
#include "link/LinkProtocol.h"
#include "phonesim/PhoneService.h"

using namespace phonesim;
using namespace phonesim_test;

namespace {

std::string HexOf(HWND window) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(window)));
    return text;
}

}  // namespace

TEST(Handshake, StartBroadcastsDiscoverFromATopLevelWindow) {
    FakePanel panel;
    ASSERT_TRUE(panel);
    PhoneService service(QuietConfig());
    ASSERT_TRUE(service.Start());
    HWND window = service.Window();
    ASSERT_NE(nullptr, window);

    // HWND_BROADCAST reaches only top-level windows: the panel's broadcast
    // must be able to find this one.
    char class_name[64] = {};
    GetClassNameA(window, class_name, sizeof class_name);
    EXPECT_STREQ(kServiceWindowClass, class_name);
    EXPECT_EQ(nullptr, GetParent(window));
    EXPECT_EQ(GetDesktopWindow(), GetAncestor(window, GA_PARENT));

    ASSERT_TRUE(panel.PumpUntil([&] { return !panel.discovers.empty(); }));
    EXPECT_EQ(std::vector<HWND>{window}, panel.discovers);
    // A discover alone attaches nothing: the panel answers with its attach.
    EXPECT_EQ(nullptr, service.PanelWindow());
    EXPECT_FALSE(service.SendStatusNow());
    EXPECT_TRUE(panel.events.empty());
}

TEST(Handshake, AttachBroadcastIsAnsweredWithDiscoverToThePanel) {
    PhoneService service(QuietConfig());
    ASSERT_TRUE(service.Start());
    ASSERT_TRUE(service.Log().WaitForLine("send discover to HWND_BROADCAST", std::chrono::seconds(3)));
    // Made after the start-up broadcast: whatever discover it gets answers
    // its own broadcast.
    FakePanel panel;
    ASSERT_TRUE(panel);

    DWORD_PTR result = 0;
    SendMessageTimeoutA(HWND_BROADCAST, panel.attach_msg, reinterpret_cast<WPARAM>(panel.Window()),
                        dorvane::kAttachBroadcastTag, SMTO_ABORTIFHUNG, 500, &result);
    ASSERT_TRUE(panel.PumpUntil([&] { return !panel.discovers.empty(); }));
    EXPECT_EQ(std::vector<HWND>{service.Window()}, panel.discovers);
    EXPECT_EQ(nullptr, service.PanelWindow());
    EXPECT_TRUE(service.Log()
                    .WaitForLine("recv attach wParam=" + HexOf(panel.Window()) + " lParam=0x8001",
                                 std::chrono::milliseconds(0))
                    .has_value());
}

TEST(Handshake, AttachNamesThePanelAndBringsAFirstUpdate) {
    FakePanel panel;
    ASSERT_TRUE(panel);
    ServiceConfig config = QuietConfig();
    config.phone_present = true;
    PhoneService service(std::move(config));
    ASSERT_TRUE(service.Start());
    panel.PostAttach(service.Window());
    ASSERT_TRUE(panel.PumpUntil([&] { return !panel.events.empty(); }));
    EXPECT_EQ(panel.Window(), service.PanelWindow());
    EXPECT_EQ((std::vector<PhoneEvent>{{dorvane::kDeviceBit, 0x000000FF}}), panel.events);
}

TEST(Handshake, EveryLogLineIsTimeStamped) {
    FakePanel panel;
    ASSERT_TRUE(panel);
    PhoneService service(QuietConfig());
    ASSERT_TRUE(service.Start());
    panel.PostAttach(service.Window());
    ASSERT_TRUE(panel.PumpUntil([&] { return !panel.events.empty(); }));
    panel.SendDetach(service.Window());

    std::vector<std::string> lines = service.Log().Lines();
    const std::regex stamped(R"(^\d\d:\d\d:\d\d\.\d\d\d \S.*)");
    for (const std::string& line : lines) EXPECT_TRUE(std::regex_match(line, stamped)) << line;
    std::string all;
    for (const std::string& line : lines) all += line.substr(13) + "\n";
    const std::string panel_hex = HexOf(panel.Window());
    EXPECT_NE(std::string::npos, all.find("recv attach wParam=" + panel_hex + " lParam=0x0\npanel attached " +
                                          panel_hex + "\n"))
        << all;
    EXPECT_NE(std::string::npos, all.find("recv attach wParam=0x0 lParam=0x0\npanel detached\n")) << all;
}

class DetachTest : public LinkedService {
protected:
    DetachTest() : LinkedService(PeriodicConfig()) {}
};

TEST_F(DetachTest, DetachNoticeStopsUpdatesUntilTheNextAttach) {
    // Fast updates, to see them stop.
    ASSERT_EQ(20u, service.SetStatusInterval(20));
    ASSERT_TRUE(panel.PumpUntil([&] { return panel.StatusUpdates().size() >= 2; }));

    panel.SendDetach(service.Window());
    EXPECT_EQ(nullptr, service.PanelWindow());
    panel.Clear();  // an update may have crossed the detach notice
    panel.PumpFor(150);
    EXPECT_FALSE(service.SendStatusNow());
    service.KeyDown(dorvane::kKeyUp);
    service.KeyUp();
    EXPECT_TRUE(panel.events.empty());

    panel.PostAttach(service.Window());
    EXPECT_TRUE(panel.PumpUntil([&] { return !panel.StatusUpdates().empty(); }));
}

TEST_F(DetachTest, APanelWindowThatIsGoneIsForgotten) {
    auto other = std::make_unique<FakePanel>();
    ASSERT_TRUE(*other);
    HWND other_window = other->Window();
    other->PostAttach(service.Window());
    ASSERT_TRUE(panel.PumpUntil([&] { return service.PanelWindow() == other_window; }));
    other.reset();
    EXPECT_FALSE(service.SendStatusNow());
    EXPECT_EQ(nullptr, service.PanelWindow());
    EXPECT_TRUE(service.Log().WaitForLine(" is gone", std::chrono::milliseconds(0)).has_value());
}
