// The five website shortcuts: their files, rows and selection.
#include "app/Unit1.h"

namespace dorvane {

void TForm1::LoadWebSettings() {}

void TForm1::GroupWebRows() {
    // The keypad and the mouse pick rows; the tab key passes over the radios.
    for (auto& radio : suiRadioButtonWeb) radio->SetTabStop(false);
}

void TForm1::LoadWebList() {}

void TForm1::SelectWebEntry(int) {}

void TForm1::OpenWebEntry(int) {}

}  // namespace dorvane
