// Texts in the right code page and fonts of the right face and character set.
#include "LanguageFixture.h"

namespace dorvane::testing {
namespace {

using TextsAndFontsTest = LanguageFixture;

TEST_F(TextsAndFontsTest, EnglishTextsOnEveryPlace) {
    Make(0x0409);
    EXPECT_EQ(Caption(), "USB Phone Control Panel");
    EXPECT_EQ(form->suiTabSheetUrl->Caption(), "Website");
    EXPECT_EQ(form->suiTabSheetRing->Caption(), "Ring Tone");
    EXPECT_EQ(form->suiTabSheetAudio->Caption(), "Setup");
    EXPECT_EQ(form->suiTabSheetWeb->Caption(), "Skype");  // the web page's own name
    EXPECT_EQ(form->LabelWebName->Caption(), "Name");
    EXPECT_EQ(form->suiButtonWebSave->Caption(), "Save");
    EXPECT_EQ(form->suiButtonDefault->Caption(), "Default");
    EXPECT_EQ(form->suiGroupBoxVol->Caption(), "USB Phone");
    EXPECT_EQ(form->LabelVolIn->Caption(), "Mic. Volume:");
    EXPECT_EQ(form->LabelSysAudioOut->Caption(), "Windows default sound device:");
    EXPECT_EQ(form->ItemLanguage->Caption(), "Language");
    EXPECT_EQ(form->ItemLanguage->Item(1).Caption(), "Chinese traditional");
    EXPECT_EQ(form->DefaultDeviceText, "Windows default sound device");
    EXPECT_EQ(form->TrayIconSts.Hint(), "USB Phone Control Panel");
    // Texts no table entry gives keep their own.
    EXPECT_EQ(form->suiCheckBoxVolOut->Caption(), "Mute");
    EXPECT_EQ(form->LabelWeb[2]->Caption(), "3");
    const LOGFONTA lf = FontOf(*form->LabelVolOut);
    EXPECT_STREQ(lf.lfFaceName, "MS Sans Serif");
    EXPECT_EQ(lf.lfCharSet, ANSI_CHARSET);
}

TEST_F(TextsAndFontsTest, KoreanPickedOnAnEnglishSystem) {
    Make(0x0409);
    form->SelectLanguage(4);
    EXPECT_EQ(Title(), Cell(0, 4));
    EXPECT_EQ(form->suiTabSheetRing->Caption(), Expected(2, 4, 949));
    EXPECT_EQ(form->LabelVolOut->Caption(), Expected(11, 4, 949));
    EXPECT_NE(form->LabelVolOut->Caption(), "Speaker Volume:");
    LOGFONTA label = FontOf(*form->LabelVolOut);
    EXPECT_STREQ(label.lfFaceName, "Arial Unicode MS");
    EXPECT_EQ(label.lfCharSet, HANGEUL_CHARSET);
    // The system's own texts keep the system's character set, in the face of the language.
    for (const TControl* c : {static_cast<const TControl*>(form->suiComboBoxSkypeOut.get()),
                              static_cast<const TControl*>(form->suiDriveComboBoxTest.get()),
                              static_cast<const TControl*>(form->suiURLLabelWeb[0].get()),
                              static_cast<const TControl*>(form->suiEditWebAddr.get())}) {
        LOGFONTA lf = FontOf(*c);
        EXPECT_STREQ(lf.lfFaceName, "Arial Unicode MS") << c->Name();
        EXPECT_EQ(lf.lfCharSet, ANSI_CHARSET) << c->Name();
    }
    // Menus, hint and the default device entry stay English.
    EXPECT_EQ(form->ItemSetup->Caption(), "Setup");
    EXPECT_EQ(form->ItemExit->Caption(), "Exit");
    EXPECT_EQ(form->ItemLanguage->Item(4).Caption(), "Korean");
    EXPECT_EQ(form->TrayIconSts.Hint(), "USB Phone Control Panel");
    EXPECT_EQ(form->DefaultDeviceText, "Windows default sound device");
}

TEST_F(TextsAndFontsTest, TraditionalChineseSystemSpeaksChineseEverywhere) {
    Make(0x0404, 950);
    EXPECT_EQ(Title(), Cell(0, 1));
    EXPECT_EQ(form->suiTabSheetUrl->Caption(), Expected(1, 1, 950));
    EXPECT_EQ(form->ItemSetup->Caption(), Expected(18, 1, 950));
    EXPECT_EQ(form->ItemLanguage->Item(0).Caption(), Expected(21, 1, 950));
    EXPECT_EQ(form->DefaultDeviceText, Expected(45, 1, 950));
    EXPECT_EQ(form->TrayIconSts.Hint(), Expected(0, 1, 950));
    const int ten_points = [] {
        HDC dc = GetDC(nullptr);
        int h = -MulDiv(10, GetDeviceCaps(dc, LOGPIXELSY), 72);
        ReleaseDC(nullptr, dc);
        return h;
    }();
    for (const TControl* c : form->Components()) {
        LOGFONTA lf = FontOf(*c);
        EXPECT_STREQ(lf.lfFaceName, "Fixedsys") << c->Name();
        EXPECT_EQ(lf.lfCharSet, CHINESEBIG5_CHARSET) << c->Name();
        EXPECT_EQ(lf.lfHeight, ten_points) << c->Name();
    }
}

TEST_F(TextsAndFontsTest, SimplifiedChineseAndJapaneseKeepTheSansSerifFace) {
    Make(0x0409);
    form->SelectLanguage(2);
    EXPECT_STREQ(FontOf(*form->LabelRingStr).lfFaceName, "MS Sans Serif");
    EXPECT_EQ(FontOf(*form->LabelRingStr).lfCharSet, GB2312_CHARSET);
    form->SelectLanguage(3);
    EXPECT_EQ(FontOf(*form->LabelRingStr).lfCharSet, SHIFTJIS_CHARSET);
}

TEST_F(TextsAndFontsTest, RussianOnAnEnglishSystem) {
    Make(0x0409);
    form->SelectLanguage(20);
    EXPECT_EQ(form->suiTabSheetAudio->Caption(), Expected(3, 20, 1251));
    EXPECT_NE(form->suiTabSheetAudio->Caption(), "Setup");
    EXPECT_EQ(FontOf(*form->suiTabSheetAudio).lfCharSet, ANSI_CHARSET);
    EXPECT_STREQ(FontOf(*form->LabelVolOut).lfFaceName, "MS Sans Serif");
    EXPECT_EQ(form->ItemExit->Caption(), "Exit");
}

TEST_F(TextsAndFontsTest, ACodePageThatCannotConvertShowsEmptyTexts) {
    // The system's code page is missing: the system language (English here)
    // shows nothing, while a language with its own code page still shows.
    Make(0x0409, 12345);
    EXPECT_EQ(Caption(), "");
    EXPECT_EQ(form->suiTabSheetUrl->Caption(), "");
    form->SelectLanguage(20);
    EXPECT_EQ(form->suiTabSheetAudio->Caption(), Expected(3, 20, 1251));
    EXPECT_EQ(form->ItemExit->Caption(), "");  // menus are in the system language
}

TEST_F(TextsAndFontsTest, AControlWithAFontOfItsOwnKeepsIt) {
    Make(0x0409);
    form->LabelRingPath->SetFont(FontDesc{"Courier New", -13, ANSI_CHARSET});
    form->LabelRingPath->SetOwnFont(true);
    HFONT own = form->LabelRingPath->Font();
    form->SelectLanguage(4);
    EXPECT_EQ(form->LabelRingPath->Font(), own);
    EXPECT_STREQ(FontOf(*form->LabelRingPath).lfFaceName, "Courier New");
    EXPECT_STREQ(FontOf(*form->LabelRingTone).lfFaceName, "Arial Unicode MS");
}

TEST_F(TextsAndFontsTest, TheBoldNumberLabelsStayBold) {
    Make(0x0409);
    form->SelectLanguage(6);
    EXPECT_GE(FontOf(*form->LabelWeb[0]).lfWeight, FW_BOLD);
}

}  // namespace
}  // namespace dorvane::testing
