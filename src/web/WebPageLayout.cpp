// The website page: five shortcut rows, the name and address fields and the
// save button; and the web page tab with its browser control.
#include "app/Unit1.h"
#include "controls/OleBrowserHost.h"
#include "settings/TextLines.h"
#include "web/WebAddress.h"

namespace dorvane {

void TForm1::CreateWebPage() {
    HWND page = suiTabSheetUrl->Handle();
    for (int n = 0; n < 5; ++n) {
        auto& number = Own(LabelWeb[n], std::make_unique<TLabel>(page, "LabelWeb" + std::to_string(n), 4, 20 + 32 * n,
                                                                 24, 16, std::to_string(n + 1),
                                                                 TLabel::Alignment::Center));
        number.SetFont(FontDesc{"MS Sans Serif", -11, DEFAULT_CHARSET, true});
        Own(suiRadioButtonWeb[n],
                          std::make_unique<TsuiRadioButton>(page, "suiRadioButtonWeb" + std::to_string(n), 32,
                                                            16 + 32 * n, 20, 20));
        auto& link = Own(suiURLLabelWeb[n], std::make_unique<TsuiURLLabel>(page, "suiURLLabelWeb" + std::to_string(n),
                                                                           56, 20 + 32 * n, 500, 16));
        link.SetEnabled(false);
        suiRadioButtonWeb[n]->SetChecked(n == 0);
        link.OnClick = [this, n] { suiURLLabelWebClick(n); };
        suiRadioButtonWeb[n]->OnClick = [this] { suiRadioButtonWeb1Click(); };
    }
    Own(LabelWebName, std::make_unique<TLabel>(page, "LabelWebName", 2, 200, 60, 16));
    Own(suiEditWebName, std::make_unique<TsuiEdit>(page, "suiEditWebName", 72, 200, 433, 21));
    Own(LabelWebAddr, std::make_unique<TLabel>(page, "LabelWebAddr", 2, 232, 60, 16));
    Own(suiEditWebAddr, std::make_unique<TsuiEdit>(page, "suiEditWebAddr", 72, 232, 433, 21));
    // Every entry reads back from the list file as it was saved: a name or
    // a stored address (the prefix in front of what was typed) longer than
    // a line read would run on into the entries after it.
    suiEditWebName->SetMaxBytes(static_cast<int>(kLongestWholeLine));
    suiEditWebAddr->SetMaxBytes(static_cast<int>(kLongestWholeLine - kWebAddressPrefix.size()));
    auto& save = Own(suiButtonWebSave, std::make_unique<TsuiButton>(page, "suiButtonWebSave", 512, 200, 56, 53));
    save.SetEnabled(false);
    // Before the list is read the page already looks as entry 0 selected.
    ColourWebRows(0);
    save.OnClick = [this] { suiButtonWebSaveClick(); };
    for (TsuiEdit* field : {suiEditWebName.get(), suiEditWebAddr.get()}) {
        field->OnChange = [this, field] { suiEditWebNameChange(*field); };
        field->OnEnter = [this, field] { suiEditWebNameEnter(*field); };
        field->OnKeyPress = [this, field](char& key) { suiEditWebNameKeyPress(*field, key); };
    }
}

void TForm1::CreateBrowserPage() {
    // As tall as the page once the page control has laid its pages out.
    Own(CppWebBrowser1, std::make_unique<TCppWebBrowser>(suiTabSheetWeb->Handle(), "CppWebBrowser1", 0, 0, kPageWidth,
                                                         kPageHeight, std::make_unique<TOleBrowserHost>()));
}

}  // namespace dorvane
