// The in-memory log a test waits on.
#include <gtest/gtest.h>
#include <thread>
#include "phonesim/ServiceLog.h"

using namespace phonesim;
using namespace std::chrono_literals;

TEST(ServiceLog, LinesAreStampedAndReachTheSinkInOrder) {
    std::vector<std::string> printed;
    ServiceLog log([&](const std::string& line) { printed.push_back(line); });
    log.Add("first");
    log.Add("second");
    ASSERT_EQ(2u, printed.size());
    EXPECT_EQ(printed, log.Lines());
    EXPECT_EQ(13u + 5u, printed[0].size());
    EXPECT_EQ(" first", printed[0].substr(12));
    EXPECT_EQ(':', printed[0][2]);
    EXPECT_EQ('.', printed[0][8]);
}

TEST(ServiceLog, WaitForLineFindsOldAndNewLines) {
    ServiceLog log;
    log.Add("recv attach wParam=0x10 lParam=0x8001");
    EXPECT_TRUE(log.WaitForLine("lParam=0x8001", 0ms).has_value());
    // From a later index the old line no longer counts.
    EXPECT_FALSE(log.WaitForLine("lParam=0x8001", 20ms, 1).has_value());

    std::thread writer([&] { log.Add("panel attached 0x10"); });
    std::optional<std::string> line = log.WaitForLine("panel attached", 5s, 1);
    writer.join();
    ASSERT_TRUE(line.has_value());
    EXPECT_NE(std::string::npos, line->find("panel attached 0x10"));
}

TEST(ServiceLog, WaitUntilRechecksOnEveryLine) {
    ServiceLog log;
    std::atomic<int> value{0};
    std::thread writer([&] {
        value = 1;
        log.Add("one");
        value = 2;
        log.Add("two");
    });
    EXPECT_TRUE(log.WaitUntil([&] { return value == 2; }, 5s));
    writer.join();
    EXPECT_FALSE(log.WaitUntil([&] { return value == 3; }, 10ms));
}
