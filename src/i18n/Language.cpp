// The choice of language: from the system, or the user's pick from the tray
// menu, which is stored and wins at every start.
#include "app/Unit1.h"
#include "i18n/LanguageTable.h"

namespace dorvane {

void TForm1::ChooseLanguage() {
    const LANGID system_id = system_.CurrentSystemLanguage();
    const int items = ItemLanguage->Count();
    CurrentLanguage = 0;
    for (int i = 0; i < items && i < LanguageRecordCount; ++i) {
        if (LanguageRecordAt(i)->LangId == system_id) {
            CurrentLanguage = i;
            break;
        }
    }
    SystemLanguage = CurrentLanguage;
    const int stored = Settings.ReadLanguageId();
    if (stored >= 0 && stored < items) CurrentLanguage = stored;
    ItemLanguage->Item(SystemLanguage).SetDefault(true);
    ItemLanguage->Item(CurrentLanguage).SetChecked(true);
}

void TForm1::ItemLanguageEngClick(TMenuItem& item) {
    TimerMin.RestartIfRunning();
    SelectLanguage(static_cast<int>(item.Tag()));
}

void TForm1::SelectLanguage(int language) {
    const int items = ItemLanguage->Count();
    // Tags are 0-23; anything else would leave no language checked.
    if (language < 0 || language >= items) return;
    for (int i = 0; i < items; ++i) {
        TMenuItem& item = ItemLanguage->Item(i);
        if (i != language) {
            item.SetChecked(false);
        } else if (!item.Checked()) {
            item.SetChecked(true);
            CurrentLanguage = language;
            ApplyLanguage(LanguageRecordAt(language)->Charset);
            Settings.WriteLanguageId(language);
        }
    }
}

BYTE TForm1::CurrentCharset() const {
    const LanguageRecord* record = LanguageRecordAt(CurrentLanguage);
    return record ? record->Charset : ANSI_CHARSET;
}

std::string TForm1::LanguageText(unsigned entry, int language) const {
    return dorvane::LanguageText(entry, ResolveLanguage(language, CurrentLanguage), SystemLanguage,
                                 system_.CurrentAnsiCodePage());
}

std::string TForm1::MenuText(unsigned entry) const {
    return LanguageText(entry, MenuLanguage(CurrentLanguage, SystemLanguage));
}

}  // namespace dorvane
