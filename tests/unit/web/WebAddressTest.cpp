// Typed website addresses; pure, so also built natively (tests/native).
#include <gtest/gtest.h>
#include "web/WebAddress.h"

namespace dorvane {
namespace {

TEST(WebAddress, ATypedAddressAlwaysStartsWithALowerCaseHttpPrefix) {
    const struct {
        const char *typed, *stored;
    } cases[] = {
        {"example.org", "http://example.org"},
        {"HtTp://Example.org/A", "http://Example.org/A"},
        {"http://", "http://"},
        {"http:/", "http://http:/"},  // six characters of the prefix are not the prefix
        {"https://example.org", "http://https://example.org"},
        {"ftp://files", "http://ftp://files"},
        {" http://x", "http:// http://x"},
    };
    for (const auto& c : cases) EXPECT_EQ(NormaliseWebAddress(c.typed), c.stored) << c.typed;
    EXPECT_EQ(TrimBlanks(" \t http://x \r\n"), "http://x");
    EXPECT_EQ(TrimBlanks(" \t "), "");
}

}  // namespace
}  // namespace dorvane
