// The language table: 24 languages, each with its texts.
//
// The table is one read-only object laid out byte for byte as the records
// are defined (little-endian, no padding), so it can be handed around or
// dumped as it stands. The text functions below turn its UTF-16 cells into
// the 8-bit strings the controls show.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace dorvane {

inline constexpr int LanguageRecordCount = 24;
inline constexpr int LanguageEntryCount = 46;
inline constexpr int LanguageCellUnits = 128;  // 127 units of text and the NUL
inline constexpr std::size_t LanguageRecordSize = 11784;

// Entries that other rooms ask for by number.
inline constexpr unsigned LanguageEntryCaption = 0;
inline constexpr unsigned LanguageEntryFirstName = 21;  // language k's name is entry 21 + k
inline constexpr unsigned LanguageEntryDefaultDevice = 45;

struct LanguageRecord {
    std::uint16_t LangId;
    std::uint8_t Charset;
    std::uint8_t Reserved;
    std::uint32_t CodePage;  // 0: the system ANSI code page
    char16_t Cells[LanguageEntryCount][LanguageCellUnits];
};

static_assert(sizeof(LanguageRecord) == LanguageRecordSize);
static_assert(offsetof(LanguageRecord, LangId) == 0);
static_assert(offsetof(LanguageRecord, Charset) == 2);
static_assert(offsetof(LanguageRecord, Reserved) == 3);
static_assert(offsetof(LanguageRecord, CodePage) == 4);
static_assert(offsetof(LanguageRecord, Cells) == 8);
static_assert(sizeof(char16_t) == 2 && alignof(LanguageRecord) <= 4);

namespace langtable_detail {
// The records themselves; read them through the functions below.
extern const LanguageRecord LanguageTableRecords[LanguageRecordCount];
}  // namespace langtable_detail

// Record `language` (0-23), or nullptr when there is none.
const LanguageRecord* LanguageRecordAt(int language);

// The text of one cell up to its NUL; empty when either index is out of range.
std::u16string_view LanguageCellText(unsigned entry, int language);

// The whole table as it lies in memory: 24 records back to back.
std::span<const std::byte> LanguageTableBytes();

// The language index whose LANGID equals `langId` in all 16 bits, or -1.
int LanguageIndexOf(LANGID langId);

// `language` when it is a valid index, otherwise `currentLanguage`
// (callers pass -1 to mean the language in use).
int ResolveLanguage(int language, int currentLanguage);

// The language of the tray menu, the tray hint and the default device text:
// the current language when it is the system's own, English otherwise.
int MenuLanguage(int currentLanguage, int systemLanguage);

// Cell `entry` of record `language` as 8-bit text. The system language's
// texts use the system ANSI code page, every other language its record's
// code page (0 meaning the system ANSI code page). Empty when an index is out
// of range or the code page cannot convert (not installed).
std::string LanguageText(unsigned entry, int language, int systemLanguage,
                         UINT systemAnsiCodePage);
std::string LanguageText(unsigned entry, int language, int systemLanguage);  // GetACP()

// Entry 45 in the menu language: the first item of both Skype device lists.
std::string DefaultDeviceText(int currentLanguage, int systemLanguage,
                              UINT systemAnsiCodePage);
std::string DefaultDeviceText(int currentLanguage, int systemLanguage);  // GetACP()

}  // namespace dorvane
