// Captions are 8-bit texts in the code page of the control's font: a text in
// another language's code page shows right once the font carries that
// language's character set.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include "ControlTestSupport.h"
#include "controls/GroupBox.h"
#include "controls/Label.h"
#include "controls/PageControl.h"
#include "controls/TabSheet.h"

namespace dorvane {
namespace {

using test::TestForm;

// Two Hangul syllables in code page 949.
const std::string kKoreanBytes = "\xB9\xE6\xC0\xC7";
std::wstring Korean() { return WidenText(kKoreanBytes, 949); }

TEST(CaptionCodePage, CharsetsMapToTheirCodePages) {
    EXPECT_EQ(CodePageOfCharset(ANSI_CHARSET), static_cast<UINT>(CP_ACP));
    EXPECT_EQ(CodePageOfCharset(DEFAULT_CHARSET), static_cast<UINT>(CP_ACP));
    EXPECT_EQ(CodePageOfCharset(HANGEUL_CHARSET), 949u);
    EXPECT_EQ(CodePageOfCharset(CHINESEBIG5_CHARSET), 950u);
    EXPECT_EQ(CodePageOfCharset(GB2312_CHARSET), 936u);
    EXPECT_EQ(CodePageOfCharset(SHIFTJIS_CHARSET), 932u);
    EXPECT_EQ(WidenText("abc", 12345), L"");  // a code page that cannot convert
}

TEST(CaptionCodePage, ALabelShowsItsTextInTheCodePageOfItsFont) {
    TestForm form;
    TLabel label(form.Handle(), "LabelVolOut", 0, 0, 100, 16);
    label.SetFont(FontDesc{"Arial", -13, HANGEUL_CHARSET});
    label.SetCaption(kKoreanBytes);
    EXPECT_EQ(label.CaptionWide(), Korean());
    EXPECT_EQ(label.Caption(), kKoreanBytes);
    ASSERT_FALSE(Korean().empty());
    EXPECT_NE(Korean()[0], L'?');
}

TEST(CaptionCodePage, AFontOfAnotherCharsetShowsTheSameBytesAnew) {
    TestForm form;
    TLabel label(form.Handle(), "LabelVolOut", 0, 0, 100, 16);
    label.SetFont(FontDesc{"Arial", -13, ANSI_CHARSET});
    label.SetCaption(kKoreanBytes);
    EXPECT_EQ(label.CaptionWide(), WidenText(kKoreanBytes, CP_ACP));
    label.ApplySharedFont(FontDesc{"Arial", -13, HANGEUL_CHARSET});
    EXPECT_EQ(label.CaptionWide(), Korean());
    EXPECT_EQ(label.Caption(), kKoreanBytes);
}

TEST(CaptionCodePage, GroupBoxFramesAndTabsFollowTheirFonts) {
    TestForm form;
    TsuiGroupBox group(form.Handle(), "suiGroupBoxVol", 0, 0, 200, 100);
    group.SetFont(FontDesc{"Arial", -13, HANGEUL_CHARSET});
    group.SetCaption(kKoreanBytes);
    wchar_t frame_text[64] = {};
    GetWindowTextW(group.FrameHandle(), frame_text, 64);
    EXPECT_EQ(std::wstring(frame_text), Korean());

    TsuiPageControl pages(form.Handle(), "suiPageControl1", 0, 0, 300, 200);
    TsuiTabSheet sheet(pages, "suiTabSheetRing");
    sheet.SetFont(FontDesc{"Arial", -13, HANGEUL_CHARSET});
    sheet.SetCaption(kKoreanBytes);
    wchar_t tab_text[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = tab_text;
    item.cchTextMax = 64;
    ASSERT_TRUE(SendMessageW(pages.TabHandle(), TCM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ(std::wstring(tab_text), Korean());
}

}  // namespace
}  // namespace dorvane
