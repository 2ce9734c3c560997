// Every conversion between code pages, UTF-16 and UTF-8 the panel and its
// stand-ins make, against bytes from the code page charts (checked with
// iconv), not from this program.
#include "i18n/TextConvert.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>

namespace dorvane {
namespace {

enum class Way { Widen, Narrow, NarrowAtMost, Utf8ToWide, Utf8ToWideStrict, WideToUtf8 };

struct Case {
    const char* what;
    Way way;
    unsigned codePage;  // for Widen and the Narrows
    std::string bytes;  // 8-bit side: the input when decoding, the result when encoding
    std::wstring wide;  // UTF-16 side
    std::size_t maxBytes = 0;
};

bool Decodes(Way way) { return way == Way::Widen || way == Way::Utf8ToWide || way == Way::Utf8ToWideStrict; }

std::wstring Decode(const Case& c) {
    switch (c.way) {
        case Way::Widen: return WidenText(c.bytes, c.codePage);
        case Way::Utf8ToWide: return Utf8ToWide(c.bytes);
        default: return Utf8ToWideStrict(c.bytes);
    }
}

std::string Encode(const Case& c) {
    switch (c.way) {
        case Way::Narrow: return NarrowText(c.wide, c.codePage);
        case Way::NarrowAtMost: return NarrowText(c.wide, c.codePage, c.maxBytes);
        default: return WideToUtf8(c.wide);
    }
}

std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}
std::wstring Repeat(const std::wstring& s, int n) {
    std::wstring out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

constexpr unsigned kNotInstalled = 50000;

TEST(TextConvert, EveryWayGivesTheChartTextOrEmptyOnFailure) {
    ASSERT_FALSE(IsValidCodePage(kNotInstalled));
    const std::string korean949 = "\xB9\xE6\xC0\xC7", koreanUtf8 = "\xEB\xB0\xA9\xEC\x9D\x98";
    const std::wstring korean = L"\uBC29\uC758";
    const Case cases[] = {
        {"empty, 1252", Way::Widen, 1252, "", L""},
        {"empty, 949", Way::Narrow, 949, "", L""},
        {"empty, limited", Way::NarrowAtMost, 950, "", L"", 10},
        {"empty UTF-8", Way::Utf8ToWideStrict, 0, "", L""},
        {"empty to UTF-8", Way::WideToUtf8, 0, "", L""},

        {"1252 in", Way::Widen, 1252, "Spr\xE5k \x80", L"Spr\u00E5k \u20AC"},
        {"1252 out", Way::Narrow, 1252, "Spr\xE5k \x80", L"Spr\u00E5k \u20AC"},
        {"1252 lacks a letter", Way::Narrow, 1252, "?", L"\u0416"},
        {"949 in", Way::Widen, 949, korean949, korean},
        {"949 out", Way::Narrow, 949, korean949, korean},
        {"950 in", Way::Widen, 950, "USB \xA5" "D\xB1\xB1\xA5x", L"USB \u4E3B\u63A7\u53F0"},
        {"950 out", Way::Narrow, 950, "USB \xA5" "D\xB1\xB1\xA5x", L"USB \u4E3B\u63A7\u53F0"},
        {"a NUL inside is text", Way::Widen, 1252, std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
        {"longer than a caption, in", Way::Widen, 949, Repeat(korean949, 300), Repeat(korean, 300)},
        {"longer than a caption, out", Way::Narrow, 949, Repeat(korean949, 300), Repeat(korean, 300)},
        {"fits the limit exactly", Way::NarrowAtMost, 949, korean949, korean, 4},
        {"one byte over the limit", Way::NarrowAtMost, 949, "", korean, 3},
        {"a long text within its limit", Way::NarrowAtMost, 949, Repeat(korean949, 300), Repeat(korean, 300), 1202},

        {"UTF-8 in", Way::Utf8ToWide, 0, koreanUtf8, korean},
        {"UTF-8 in, strict", Way::Utf8ToWideStrict, 0, koreanUtf8, korean},
        {"UTF-8 out", Way::WideToUtf8, 0, koreanUtf8, korean},
        {"beyond the BMP in", Way::Utf8ToWideStrict, 0, "\xF0\x9F\x98\x80", L"\xD83D\xDE00"},
        {"beyond the BMP out", Way::WideToUtf8, 0, "\xF0\x9F\x98\x80", L"\xD83D\xDE00"},
        {"long UTF-8", Way::Utf8ToWideStrict, 0, Repeat(koreanUtf8, 300), Repeat(korean, 300)},

        {"broken UTF-8, lenient keeps going", Way::Utf8ToWide, 0, "ab\xC3(cd", L"ab\uFFFD(cd"},
        {"broken UTF-8, strict", Way::Utf8ToWideStrict, 0, "ab\xC3(cd", L""},
        {"stray continuation byte, strict", Way::Utf8ToWideStrict, 0, "Speakers \x80", L""},
        {"overlong slash, strict", Way::Utf8ToWideStrict, 0, "\xC0\xAF", L""},
        {"an encoded surrogate, strict", Way::Utf8ToWideStrict, 0, "\xED\xA0\x80", L""},
        {"cut-off tail, strict", Way::Utf8ToWideStrict, 0, "AUDIO_OUT \xEB\xB0", L""},
        {"1252 bytes are not UTF-8, strict", Way::Utf8ToWideStrict, 0, "Spr\xE5k", L""},
        {"broken, long, strict", Way::Utf8ToWideStrict, 0, Repeat(koreanUtf8, 300) + "\xFF", L""},

        {"not installed, in", Way::Widen, kNotInstalled, "abc", L""},
        {"not installed, out", Way::Narrow, kNotInstalled, "", L"abc"},
        {"not installed, limited", Way::NarrowAtMost, kNotInstalled, "", L"abc", 8},
        {"not installed, long", Way::Widen, 12345, Repeat("abc", 300), L""},
    };
    for (const Case& c : cases) {
        if (Decodes(c.way))
            EXPECT_EQ(Decode(c), c.wide) << c.what;
        else
            EXPECT_EQ(Encode(c), c.bytes) << c.what;
    }
}

}  // namespace
}  // namespace dorvane
