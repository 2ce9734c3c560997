// Table texts as the 8-bit strings the controls show. A text that cannot be
// converted is empty: the control then shows nothing rather than garbage.
#include "i18n/LanguageTable.h"
#include "i18n/TextConvert.h"

namespace dorvane {

int ResolveLanguage(int language, int currentLanguage) {
    return language >= 0 && language < LanguageRecordCount ? language : currentLanguage;
}

int MenuLanguage(int currentLanguage, int systemLanguage) {
    return currentLanguage == systemLanguage ? currentLanguage : 0;
}

std::string LanguageText(unsigned entry, int language, int systemLanguage, UINT systemAnsiCodePage) {
    const LanguageRecord* record = LanguageRecordAt(language);
    if (!record || entry >= static_cast<unsigned>(LanguageEntryCount)) return {};
    const std::u16string_view text = LanguageCellText(entry, language);

    // The system language's texts are shown with the system's own fonts, so
    // they take the system code page, whatever the record says.
    if (language == systemLanguage) return NarrowText(AsWide(text), systemAnsiCodePage);

    const UINT codePage = record->CodePage != 0 ? record->CodePage : systemAnsiCodePage;
    // Two bytes a unit hold any single- or double-byte code page; a text that
    // needs more shows empty rather than cut off, as does one whose code page
    // is not installed.
    return NarrowText(AsWide(text), codePage, 2 * text.size() + 2);
}

std::string LanguageText(unsigned entry, int language, int systemLanguage) {
    return LanguageText(entry, language, systemLanguage, GetACP());
}

std::string DefaultDeviceText(int currentLanguage, int systemLanguage, UINT systemAnsiCodePage) {
    return LanguageText(LanguageEntryDefaultDevice, MenuLanguage(currentLanguage, systemLanguage),
                        systemLanguage, systemAnsiCodePage);
}

std::string DefaultDeviceText(int currentLanguage, int systemLanguage) {
    return DefaultDeviceText(currentLanguage, systemLanguage, GetACP());
}

}  // namespace dorvane
