// The choice of language and the texts and fonts it puts on the controls.
#include "app/Unit1.h"

namespace dorvane {

void TForm1::ChooseLanguage() {}

void TForm1::SelectLanguage(int) {}

void TForm1::ItemLanguageEngClick(TMenuItem& item) {
    TimerMin.RestartIfRunning();
    SelectLanguage(static_cast<int>(item.Tag()));
}

void TForm1::ApplyLanguage(BYTE) {}

BYTE TForm1::CurrentCharset() const { return DEFAULT_CHARSET; }

}  // namespace dorvane
