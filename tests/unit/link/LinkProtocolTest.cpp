// The byte layouts of the link, independent of any window.
#include <gtest/gtest.h>
#include "link/LinkProtocol.h"

namespace dorvane {
namespace {

TEST(LinkProtocol, FixedMessageNumbers) {
    EXPECT_EQ(WM_PHONE_EVENT, 1134u);
    EXPECT_EQ(WM_UI_EXIT, 1135u);
    EXPECT_EQ(WM_UI_SHOW, 1136u);
}

TEST(LinkProtocol, KeyEventBytes) {
    const uint32_t event = 0x06002A11;  // call state 6, navigation 0x2A, key 17
    EXPECT_EQ(KeyCodeOf(event), 17);
    EXPECT_EQ(NavigationByteOf(event), 0x2A);
    EXPECT_EQ(CallStateOf(event), 6);
    EXPECT_EQ(MakeKeyEvent(17, 0x2A, 6), event);
    EXPECT_EQ(MakeKeyEvent(0xFF, 0, 1), 0x010000FFu);
}

TEST(LinkProtocol, CommandPayload) {
    EXPECT_EQ(BuildCommandPayload("GET AUDIO_OUT"), std::vector<char>({'!', 'G', 'E', 'T', ' ', 'A', 'U', 'D', 'I',
                                                                         'O', '_', 'O', 'U', 'T', '\0'}));
    EXPECT_EQ(BuildCommandPayload("").size(), 2u);
}

TEST(LinkProtocol, CopyDataTextStopsAtZeroOrCbData) {
    char buffer[] = "AUDIO_IN Mic\0AUDIO_OUT x";
    COPYDATASTRUCT cds{0, sizeof buffer, buffer};
    EXPECT_EQ(ReadCopyDataText(&cds), "AUDIO_IN Mic");
    cds.cbData = 5;
    EXPECT_EQ(ReadCopyDataText(&cds), "AUDIO");
    cds.cbData = 0;
    EXPECT_EQ(ReadCopyDataText(&cds), std::nullopt);
    cds.cbData = 4;
    cds.lpData = nullptr;
    EXPECT_EQ(ReadCopyDataText(&cds), std::nullopt);
    EXPECT_EQ(ReadCopyDataText(nullptr), std::nullopt);
    char zero_first[] = "\0AUDIO_IN x";
    COPYDATASTRUCT leading{0, sizeof zero_first, zero_first};
    EXPECT_EQ(ReadCopyDataText(&leading), "");
}

}  // namespace
}  // namespace dorvane
