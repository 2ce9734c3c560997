// LanguageText over the whole table (46 entries x 24 languages, one op is
// the full sweep), against bare WideCharToMultiByte calls over the same cells
// with the same code pages: what the lookup, the copies and the strings cost
// on top of the conversion itself.
#include <windows.h>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>
#include "BenchSupport.h"
#include "i18n/LanguageTable.h"

namespace {

using namespace dorvane;

// English is the system language, as on an ordinary machine with a
// Western code page: its texts take the system code page, the others their
// record's own.
constexpr int kSystemLanguage = 0;

struct Cell {
    std::wstring text;
    UINT codePage = 0;
};

std::vector<Cell> CellsOfTable(UINT ansiCodePage) {
    std::vector<Cell> cells;
    for (int language = 0; language < LanguageRecordCount; ++language) {
        const LanguageRecord* record = LanguageRecordAt(language);
        const UINT recordPage = record && record->CodePage != 0 ? record->CodePage : ansiCodePage;
        const UINT codePage = language == kSystemLanguage ? ansiCodePage : recordPage;
        for (unsigned entry = 0; entry < static_cast<unsigned>(LanguageEntryCount); ++entry) {
            const std::u16string_view text = LanguageCellText(entry, language);
            cells.push_back({std::wstring(text.begin(), text.end()), codePage});
        }
    }
    return cells;
}

}  // namespace

int main() {
    const UINT ansiCodePage = GetACP();
    const std::vector<Cell> cells = CellsOfTable(ansiCodePage);
    std::uint64_t convertedTexts = 0, convertedCells = 0;

    const auto sweep = [&](std::int64_t) {
        std::uint64_t bytes = 0;
        for (int language = 0; language < LanguageRecordCount; ++language)
            for (unsigned entry = 0; entry < static_cast<unsigned>(LanguageEntryCount); ++entry) {
                const std::string text = LanguageText(entry, language, kSystemLanguage, ansiCodePage);
                bytes += text.size();
                convertedTexts += !text.empty();
            }
        bench::Consume(bytes);
    };
    const auto rawSweep = [&](std::int64_t) {
        std::uint64_t bytes = 0;
        char buffer[2 * LanguageCellUnits + 2];
        for (const Cell& cell : cells) {
            if (cell.text.empty()) continue;
            const int written = WideCharToMultiByte(cell.codePage, 0, cell.text.data(),
                                                    static_cast<int>(cell.text.size()), buffer,
                                                    static_cast<int>(sizeof buffer), nullptr, nullptr);
            if (written > 0) {
                bytes += static_cast<std::uint64_t>(written);
                ++convertedCells;
            }
        }
        bench::Consume(bytes);
    };

    const bench::Comparison result = bench::Compare(sweep, rawSweep);
    if (convertedTexts == 0 || convertedCells == 0) {
        std::printf("i18n: nothing converted (code pages missing?)\n");
        return 1;
    }
    bench::Report("i18n", result, 0);
    return 0;
}
