// phonesim.exe's command line.
#include <gtest/gtest.h>
#include "phonesim/Options.h"

using namespace phonesim;

TEST(Options, NoneGivesTheDefaults) {
    OptionsResult r = ParseOptions({});
    EXPECT_EQ("", r.error);
    EXPECT_FALSE(r.options.demo);
    EXPECT_EQ("", r.options.script_file);
    EXPECT_FALSE(r.options.interval_ms.has_value());
    EXPECT_FALSE(r.options.exit_at_eof);
    EXPECT_FALSE(r.options.no_window);
}

TEST(Options, EveryOption) {
    OptionsResult r =
        ParseOptions({"--demo", "--script", "C:\\t\\calls.txt", "--interval", "500", "--exit-at-eof", "--no-window"});
    EXPECT_EQ("", r.error);
    EXPECT_TRUE(r.options.demo);
    EXPECT_EQ("C:\\t\\calls.txt", r.options.script_file);
    EXPECT_EQ(500u, r.options.interval_ms.value_or(0));
    EXPECT_TRUE(r.options.exit_at_eof);
    EXPECT_TRUE(r.options.no_window);
}

TEST(Options, BadCommandLinesAreRefused) {
    const std::vector<std::vector<std::string>> bad = {
        {"--interval"}, {"--interval", "0"}, {"--interval", "fast"}, {"--interval", "5 6"},
        {"--script"},   {"--demo", "--loud"}, {"demo"},
    };
    for (const auto& args : bad) {
        EXPECT_NE("", ParseOptions(args).error) << args.back();
    }
}
