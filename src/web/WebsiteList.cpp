// The five website shortcuts: selecting, editing, saving and opening them.
#include "app/Unit1.h"
#include "web/WebAddress.h"

namespace dorvane {
namespace {
constexpr COLORREF kSelectedColor = RGB(255, 0, 0);
constexpr COLORREF kEntryColor = RGB(0, 0, 255);
constexpr int kWebEntries = 5;
}  // namespace

void TForm1::GroupWebRows() {
    // The keypad and the mouse pick rows; the tab key passes over the radios.
    for (auto& radio : suiRadioButtonWeb) radio->SetTabStop(false);
}

void TForm1::ColourWebRows(int selected) {
    // A label that has its colour already is not repainted.
    for (int n = 0; n < kWebEntries; ++n) {
        const COLORREF color = n == selected ? kSelectedColor : kEntryColor;
        suiURLLabelWeb[n]->SetFontColor(color);
        LabelWeb[n]->SetFontColor(color);
    }
}

void TForm1::SelectWebEntry(int entry) {
    if (entry < 0 || entry >= kWebEntries) return;
    SelectedWebEntry = entry;
    ColourWebRows(entry);
    suiRadioButtonWeb[entry]->SetChecked(true);
    // Filled by the program: no edit to save.
    suiEditWebName->SetTag(0);
    suiEditWebAddr->SetTag(0);
    suiEditWebName->SetText(suiURLLabelWeb[entry]->Caption());
    suiEditWebAddr->SetText(suiURLLabelWeb[entry]->URL());
    suiEditWebName->SetTag(1);
    suiEditWebAddr->SetTag(1);
    // Entry 0 comes from the web settings file and is not the user's to edit.
    suiEditWebName->SetEnabled(entry != 0);
    suiEditWebAddr->SetEnabled(entry != 0);
    suiButtonWebSave->SetEnabled(false);
    if (entry == 0) return;
    if (suiEditWebName->Focused()) suiEditWebNameEnter(*suiEditWebName);
    else suiEditWebName->SetFocus();
}

void TForm1::suiRadioButtonWeb1Click() {
    for (int n = 0; n < kWebEntries; ++n) {
        if (!suiRadioButtonWeb[n]->Checked()) continue;
        // Checking the selected entry's button is SelectWebEntry's own step.
        if (n != SelectedWebEntry) SelectWebEntry(n);
        return;
    }
}

void TForm1::suiEditWebNameChange(TsuiEdit& field) {
    if (!suiButtonWebSave->Enabled() && field.Enabled() && field.Tag() == 1) suiButtonWebSave->SetEnabled(true);
}

void TForm1::suiEditWebNameEnter(TsuiEdit& field) {
    // A placeholder is selected whole, so that typing replaces it.
    const std::string& placeholder = &field == suiEditWebName.get() ? NamePlaceholder : AddressPlaceholder;
    if (field.Text() == placeholder) field.SelectAll();
    else field.SetSelection(static_cast<int>(field.Text().size()), 0);
}

void TForm1::suiEditWebNameKeyPress(TsuiEdit& field, char& key) {
    if (key != '\r' || GetForegroundWindow() != Handle() || !IsWindowVisible(Handle())) return;
    key = 0;
    SendMessageA(Handle(), WM_NEXTDLGCTL, 0, 0);
    if (&field == suiEditWebAddr.get() && suiButtonWebSave->Enabled()) SaveWebEntry();
}

void TForm1::SaveWebEntry() {
    if (SelectedWebEntry >= 0 && SelectedWebEntry < kWebEntries) {
        TsuiURLLabel& link = *suiURLLabelWeb[SelectedWebEntry];
        const std::string name = suiEditWebName->Text();
        link.SetCaption(name.empty() ? NamePlaceholder : name);
        const std::string typed = suiEditWebAddr->Text();
        if (typed.empty()) {
            link.SetURL(AddressPlaceholder);
        } else {
            link.SetURL(NormaliseWebAddress(typed));
            suiEditWebAddr->SetText(link.URL());
        }
        link.SetEnabled(!link.URL().empty());
    }
    SaveWebList();
    suiButtonWebSave->SetEnabled(false);
}

void TForm1::OpenWebEntry(int entry) {
    if (entry < 0 || entry >= kWebEntries || !suiURLLabelWeb[entry]->Enabled()) return;
    shell_.Open(Handle(), suiURLLabelWeb[entry]->URL(), SW_SHOWNORMAL);
}

void TForm1::suiURLLabelWebClick(int entry) {
    const std::string address = suiURLLabelWeb[entry]->URL();
    if (!TrimBlanks(address).empty()) shell_.Open(nullptr, address, SW_SHOW);
}

}  // namespace dorvane
