// Table texts as the 8-bit strings the controls show.
#include "i18n/LanguageTable.h"

namespace dorvane {
namespace {

constexpr int AsMuchAsNeeded = 0;

// A failed conversion (a code page that is not installed, a buffer too small)
// gives an empty text: the control then shows nothing rather than garbage.
std::string ToCodePage(std::u16string_view text, UINT codePage, int capacity) {
    if (text.empty()) return {};
    const std::wstring wide(text.begin(), text.end());
    const int units = static_cast<int>(wide.size());
    if (capacity == AsMuchAsNeeded) {
        capacity = WideCharToMultiByte(codePage, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
        if (capacity <= 0) return {};
    }
    std::string bytes(static_cast<std::size_t>(capacity), '\0');
    const int written = WideCharToMultiByte(codePage, 0, wide.data(), units, bytes.data(), capacity,
                                            nullptr, nullptr);
    if (written <= 0) return {};
    bytes.resize(static_cast<std::size_t>(written));
    return bytes;
}

}  // namespace

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
    if (language == systemLanguage) return ToCodePage(text, systemAnsiCodePage, AsMuchAsNeeded);

    const UINT codePage = record->CodePage != 0 ? record->CodePage : systemAnsiCodePage;
    // Two bytes a unit holds any single- or double-byte code page.
    return ToCodePage(text, codePage, static_cast<int>(2 * text.size() + 2));
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
