// Lines as the files beside the program are read; pure, so also built
// natively (tests/native).
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "settings/TextLines.h"

namespace dorvane {
namespace {

std::vector<std::string> Read(const std::string& bytes, int count) {
    TextLines lines(bytes);
    std::vector<std::string> read;
    for (int i = 0; i < count; ++i) read.push_back(lines.Next());
    return read;
}

TEST(TextLines, LinesAreReadAsTextModeReadsThemAtMost1022BytesAtATime) {
    const std::string limit(kLineReadLimit, 'x');
    const struct {
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"C:\\Tones\\bell.wav\r\nsecond\r\n", {"C:\\Tones\\bell.wav", "second", ""}},
        {"no end", {"no end", "", ""}},
        {"a\nb\r\n\r\nd", {"a", "b", "", "d", ""}},
        {"a\rb\r", {"a\rb\r", ""}},  // a CR alone ends no line
        {"a\r\r\nb", {"a\r", "b"}},
        {"a\x1A\r\nb\r\n", {"a", ""}},  // Ctrl-Z ends a text file
        {"", {"", ""}},
        // A longer line goes on as the next; one of exactly the limit leaves
        // its line end for the read after.
        {limit + "yz\r\nnext", {limit, "yz", "next"}},
        {limit + "\r\nnext", {limit, "", "next"}},
        {limit.substr(1) + "\r\nnext", {limit.substr(1), "next"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Read(c.bytes, static_cast<int>(c.lines.size())), c.lines) << c.bytes.substr(0, 20);

    // What is written reads back, and the bytes for n lines hold them even
    // when every line is as long as one read takes.
    const std::string longest(kLineReadLimit - 1, 'y');
    EXPECT_EQ(TextFileBytes({"Skype", "", "end"}), "Skype\r\n\r\nend\r\n");
    const std::string written = TextFileBytes({longest, longest, longest, longest}) + "beyond";
    EXPECT_EQ(Read(written.substr(0, TextBytesFor(4)), 4), (std::vector<std::string>(4, longest)));
    EXPECT_EQ(TextLines(std::string(1 << 20, 'z')).Next().size(), kLineReadLimit);
}

}  // namespace
}  // namespace dorvane
