// What the table says: the fixed English record and telling rows, which
// entries stay English, and that every text survives its code page.
#include "i18n/LanguageTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace dorvane {
namespace {

const char16_t* const English[LanguageEntryCount] = {
    u"USB Phone Control Panel", u"Website", u"Ring Tone", u"Setup", u"VOXLY", u"Name",
    u"Website", u"Save", u"Ring Tone", u"Default", u"USB Phone", u"Speaker Volume:",
    u"Mic. Volume:", u"Ring Volume:", u"Skype Audio Device", u"Output Device:",
    u"Input Device:", u"Windows default sound device:", u"Setup", u"Language", u"Exit",
    u"English", u"Chinese traditional", u"Chinese simplified", u"Japanese", u"Korean",
    u"Arabic", u"Czech", u"Danish", u"Dutch", u"Finnish", u"French", u"German", u"Greek",
    u"Hebrew", u"Hungarian", u"Italian", u"Norwegian", u"Polish", u"Portuguese", u"Brazil",
    u"Russian", u"Spanish", u"Swedish", u"Turkish", u"Windows default sound device",
};

bool IsEnglish(int language, unsigned entry) {
    return LanguageCellText(entry, language) == std::u16string_view(English[entry]);
}

// The entries a record keeps in English; every other entry is translated.
std::set<unsigned> KeptInEnglish(int language) {
    std::set<unsigned> kept;
    for (unsigned e = 0; e < static_cast<unsigned>(LanguageEntryCount); ++e)
        if (IsEnglish(language, e)) kept.insert(e);
    return kept;
}

std::set<unsigned> Range(unsigned first, unsigned last, std::set<unsigned> more = {}) {
    for (unsigned e = first; e <= last; ++e) more.insert(e);
    return more;
}

TEST(LanguageTableContent, EnglishRecordIsExact) {
    for (unsigned e = 0; e < static_cast<unsigned>(LanguageEntryCount); ++e)
        EXPECT_TRUE(IsEnglish(0, e)) << "entry " << e;
}

TEST(LanguageTableContent, TellingRowsAreExact) {
    EXPECT_EQ(LanguageCellText(0, 1), u"USB Phone 主控台");
    EXPECT_EQ(LanguageCellText(1, 1), u"網址");
    EXPECT_EQ(LanguageCellText(45, 1), u"視窗系統預設裝置");
    EXPECT_EQ(LanguageCellText(0, 3), u"USBフォン オーディオコントロール ");
    EXPECT_EQ(LanguageCellText(44, 3), u"Turkish ");
    EXPECT_EQ(LanguageCellText(8, 22), u"&Ringsignal");
}

TEST(LanguageTableContent, EachRecordKeepsExactlyItsEnglishEntries) {
    EXPECT_EQ(KeptInEnglish(1), (std::set<unsigned>{4}));
    EXPECT_EQ(KeptInEnglish(2), (std::set<unsigned>{4}));
    EXPECT_EQ(KeptInEnglish(3), Range(21, 43, {1, 4, 6}));  // 44 differs by its trailing blank
    EXPECT_EQ(KeptInEnglish(4), Range(26, 44, {4, 24}));
    const std::set<unsigned> usual = Range(21, 44, {0, 1, 4, 6});
    for (int language = 5; language < LanguageRecordCount; ++language) {
        std::set<unsigned> expected = usual;
        if (language == 8) expected.insert({3, 18});      // Dutch keeps "Setup"
        if (language == 11) expected.insert({3, 5, 18});  // German keeps "Setup" and "Name"
        EXPECT_EQ(KeptInEnglish(language), expected) << "language " << language;
    }
}

// Round trip through the record's code page with best-fit mapping off: a
// character the code page lacks shows up as a used default character or as
// a different text coming back.
TEST(LanguageTableContent, EveryTextConvertsWithoutLossInItsCodePage) {
    for (int language = 0; language < LanguageRecordCount; ++language) {
        const UINT codePage = LanguageRecordAt(language)->CodePage != 0 ? LanguageRecordAt(language)->CodePage : 1252;
        CPINFO info{};
        if (!GetCPInfo(codePage, &info)) {
            ADD_FAILURE() << "code page " << codePage << " is not installed";
            continue;
        }
        for (unsigned e = 0; e < static_cast<unsigned>(LanguageEntryCount); ++e) {
            const std::u16string_view text = LanguageCellText(e, language);
            const std::wstring wide(text.begin(), text.end());
            char bytes[512] = {};
            BOOL usedDefault = FALSE;
            const int n = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                              bytes, sizeof bytes, nullptr, &usedDefault);
            ASSERT_GT(n, 0) << "language " << language << " entry " << e;
            EXPECT_FALSE(usedDefault) << "language " << language << " entry " << e;
            wchar_t back[256] = {};
            const int m = MultiByteToWideChar(codePage, 0, bytes, n, back, 256);
            EXPECT_EQ(std::wstring(back, static_cast<std::size_t>(m)), wide) << "language " << language << " entry " << e;
        }
    }
}

}  // namespace
}  // namespace dorvane
