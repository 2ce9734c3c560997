// Finding records and cells in the language table.
#include "i18n/LanguageTable.h"

namespace dorvane {

using langtable_detail::LanguageTableRecords;

static_assert(sizeof(LanguageTableRecords) == LanguageRecordCount * LanguageRecordSize,
              "records must lie back to back with no gaps");

const LanguageRecord* LanguageRecordAt(int language) {
    if (language < 0 || language >= LanguageRecordCount) return nullptr;
    return &LanguageTableRecords[language];
}

std::u16string_view LanguageCellText(unsigned entry, int language) {
    const LanguageRecord* record = LanguageRecordAt(language);
    if (!record || entry >= static_cast<unsigned>(LanguageEntryCount)) return {};
    const char16_t* cell = record->Cells[entry];
    std::size_t n = 0;
    // Bounded by the cell even if a terminator were ever missing.
    while (n < static_cast<std::size_t>(LanguageCellUnits) && cell[n] != u'\0') ++n;
    return {cell, n};
}

std::span<const std::byte> LanguageTableBytes() {
    return std::as_bytes(std::span(LanguageTableRecords));
}

int LanguageIndexOf(LANGID langId) {
    for (int i = 0; i < LanguageRecordCount; ++i)
        if (LanguageTableRecords[i].LangId == langId) return i;
    return -1;
}

}  // namespace dorvane
