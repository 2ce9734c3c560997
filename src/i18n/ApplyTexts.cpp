// Putting the language's texts and fonts on the window, the tray menu and
// the tray hint.
#include "app/Unit1.h"
#include "controls/ControlFont.h"
#include "i18n/LanguageTable.h"
#include "i18n/TextConvert.h"

namespace dorvane {
namespace {

const char* FaceFor(BYTE charset) {
    switch (charset) {
        case HANGEUL_CHARSET: return "Arial Unicode MS";
        case CHINESEBIG5_CHARSET: return "Fixedsys";
        default: return "MS Sans Serif";
    }
}

}  // namespace

bool TForm1::IsSystemCharsetControl(const TControl* control) const {
    if (control == suiComboBoxSkypeOut.get() || control == suiComboBoxSkypeIn.get() ||
        control == suiButtonSysAudioOut.get() || control == suiDriveComboBoxTest.get() ||
        control == suiTabSheetWeb.get() || control == suiEditWebName.get() || control == suiEditWebAddr.get())
        return true;
    for (const auto& link : suiURLLabelWeb)
        if (control == link.get()) return true;
    return false;
}

void TForm1::ApplyLanguage(BYTE charset) {
    const LanguageRecord* system_record = LanguageRecordAt(SystemLanguage);
    const BYTE system_charset = system_record ? system_record->Charset : ANSI_CHARSET;
    const int height = FontHeightForPoints(10);
    for (TControl* control : components_) {
        // A control with a font of its own keeps it (ApplySharedFont says so).
        control->ApplySharedFont(
            FontDesc{FaceFor(charset), height, IsSystemCharsetControl(control) ? system_charset : charset});
    }
    ApplyTexts();
    FillSkypeLists();
}

void TForm1::ApplyTexts() {
    // The title bar has no font of ours to tell its code page, so the 8-bit
    // text goes to it as UTF-16, read in the code page of the language's
    // character set just as a control reads its caption through its font.
    // The window is a Unicode one, so the text is kept and drawn as it stands.
    SetWindowTextW(Handle(), WidenText(LanguageText(0), CodePageOfCharset(CurrentCharset())).c_str());
    suiTabSheetUrl->SetCaption(LanguageText(1));
    suiTabSheetRing->SetCaption(LanguageText(2));
    suiTabSheetAudio->SetCaption(LanguageText(3));
    suiTabSheetWeb->SetCaption(WebPageCaption);
    LabelWebName->SetCaption(LanguageText(5));
    LabelWebAddr->SetCaption(LanguageText(6));
    suiButtonWebSave->SetCaption(LanguageText(7));
    LabelRingStr->SetCaption(LanguageText(8));
    suiButtonDefault->SetCaption(LanguageText(9));
    suiGroupBoxVol->SetCaption(LanguageText(10));
    LabelVolOut->SetCaption(LanguageText(11));
    LabelVolIn->SetCaption(LanguageText(12));
    LabelVolRing->SetCaption(LanguageText(13));
    suiGroupBoxSkype->SetCaption(LanguageText(14));
    LabelSkypeOut->SetCaption(LanguageText(15));
    LabelSkypeIn->SetCaption(LanguageText(16));
    LabelSysAudioOut->SetCaption(LanguageText(17));
    ItemLanguage->SetCaption(MenuText(19));
    for (int k = 0; k < ItemLanguage->Count(); ++k)
        ItemLanguage->Item(k).SetCaption(MenuText(LanguageEntryFirstName + k));
    ItemSetup->SetCaption(MenuText(18));
    ItemExit->SetCaption(MenuText(20));
    DefaultDeviceText = MenuText(LanguageEntryDefaultDevice);
    TrayIconSts.SetHint(MenuText(0));
}

}  // namespace dorvane
