// Table texts as 8-bit strings: which code page each case takes, and what
// comes back when a conversion or an index is bad. Expected bytes come from
// the code page charts, not from this program.
#include "i18n/LanguageTable.h"

#include <gtest/gtest.h>

#include <string>

namespace dorvane {
namespace {

constexpr int EnglishLanguage = 0, ChineseTraditional = 1, Japanese = 3, Korean = 4, German = 11,
              Greek = 12, Hebrew = 13, Russian = 20, Swedish = 22;

TEST(LanguageText, KoreanPickedOnAnEnglishSystemUsesCodePage949AndEnglishMenus) {
    EXPECT_EQ(LanguageText(11, Korean, EnglishLanguage, 1252), "\xbd\xba\xc7\xc7\xc4\xbf \xba\xbc\xb7\xfd:");
    EXPECT_EQ(MenuLanguage(Korean, EnglishLanguage), EnglishLanguage);
    EXPECT_EQ(MenuLanguage(Korean, Korean), Korean);
    EXPECT_EQ(DefaultDeviceText(Korean, EnglishLanguage, 1252), "Windows default sound device");
}

TEST(LanguageText, TraditionalChineseSystemGetsChineseEverywhereInItsOwnCodePage) {
    EXPECT_EQ(LanguageText(0, ChineseTraditional, ChineseTraditional, 950), "USB Phone \xa5" "D\xb1\xb1\xa5x");
    EXPECT_EQ(DefaultDeviceText(ChineseTraditional, ChineseTraditional, 950),
              "\xb5\xf8\xb5\xa1\xa8t\xb2\xce\xb9w\xb3]\xb8\xcb\xb8m");
}

TEST(LanguageText, RussianPickedOnAnEnglishSystemUsesCodePage1251) {
    EXPECT_EQ(LanguageText(11, Russian, EnglishLanguage, 1252),
              "\xc3\xf0\xee\xec\xea\xee\xf1\xf2\xfc \xe4\xe8\xed\xe0\xec\xe8\xea\xe0:");
    EXPECT_EQ(DefaultDeviceText(Russian, German, 1252), "Windows default sound device");
}

TEST(LanguageText, SystemLanguageTakesTheSystemCodePageOverTheRecordsOwn) {
    EXPECT_EQ(LanguageText(19, Greek, EnglishLanguage, 1252), "\x82\xa2\xe9\xa9\xa9\x98");  // 737
    EXPECT_EQ(LanguageText(19, Greek, Greek, 1253), "\xc3\xeb\xfe\xf3\xf3\xe1");
    EXPECT_EQ(LanguageText(19, Hebrew, EnglishLanguage, 1252), "\x99\x94\x84");  // 862
    EXPECT_EQ(LanguageText(0, Japanese, EnglishLanguage, 1252),
              "USB\x83t\x83H\x83\x93 \x83I\x81[\x83" "f\x83" "B\x83I\x83R\x83\x93\x83g\x83\x8d\x81[\x83\x8b ");
    // A system language whose letters the system code page lacks still gets a
    // text, one byte a letter (best-fit or default characters), never an empty one.
    const std::string lossy = LanguageText(19, Greek, Greek, 1252);
    EXPECT_EQ(lossy.size(), 6u);
    EXPECT_NE(lossy.find('?'), std::string::npos);
}

TEST(LanguageText, CodePageZeroMeansTheSystemCodePage) {
    EXPECT_EQ(LanguageText(19, Swedish, EnglishLanguage, 1252), "Spr\xe5k");
    EXPECT_EQ(LanguageText(8, Swedish, EnglishLanguage, 1252), "&Ringsignal");
    const std::string lossy = LanguageText(19, Swedish, Russian, 1251);  // no å in 1251
    EXPECT_TRUE(lossy == "Spr?k" || lossy == "Sprak") << lossy;
    EXPECT_EQ(LanguageText(20, EnglishLanguage, ChineseTraditional, 950), "Exit");
}

TEST(LanguageText, CodePageThatIsNotInstalledGivesEmptyTexts) {
    EXPECT_EQ(LanguageText(19, Swedish, EnglishLanguage, 12345), "");
    EXPECT_EQ(LanguageText(0, EnglishLanguage, EnglishLanguage, 12345), "");
    EXPECT_EQ(DefaultDeviceText(Swedish, Swedish, 12345), "");
    // The records' own code pages do not depend on the system's.
    EXPECT_EQ(LanguageText(11, Korean, EnglishLanguage, 12345), "\xbd\xba\xc7\xc7\xc4\xbf \xba\xbc\xb7\xfd:");
}

TEST(LanguageText, BadIndexesGiveEmptyTexts) {
    EXPECT_EQ(LanguageText(46, EnglishLanguage, EnglishLanguage, 1252), "");
    EXPECT_EQ(LanguageText(0xFFFFFFFFu, Korean, EnglishLanguage, 1252), "");
    EXPECT_EQ(LanguageText(0, -1, EnglishLanguage, 1252), "");
    EXPECT_EQ(LanguageText(0, 24, EnglishLanguage, 1252), "");
    EXPECT_EQ(ResolveLanguage(-1, Russian), Russian);  // -1: the language in use
    EXPECT_EQ(ResolveLanguage(24, Russian), Russian);
    EXPECT_EQ(LanguageText(0, ResolveLanguage(-1, 30), EnglishLanguage, 1252), "");
    EXPECT_EQ(DefaultDeviceText(-5, -5, 1252), "");
    EXPECT_EQ(DefaultDeviceText(30, 0, 1252), "Windows default sound device");
}

TEST(LanguageText, WithoutAStatedCodePageUsesTheProcessCodePage) {
    EXPECT_EQ(LanguageText(45, German, German), LanguageText(45, German, German, GetACP()));
    EXPECT_EQ(DefaultDeviceText(Korean, Korean), DefaultDeviceText(Korean, Korean, GetACP()));
}

}  // namespace
}  // namespace dorvane
