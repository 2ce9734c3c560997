// The table read as raw bytes, the way another program would read it.
#include "i18n/LanguageTable.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace dorvane {
namespace {

struct Header {
    std::uint16_t LangId;
    std::uint8_t Charset;
    std::uint32_t CodePage;
};

constexpr Header ExpectedHeaders[LanguageRecordCount] = {
    {0x0409, 0, 0},    {0x0404, 136, 950}, {0x0804, 134, 936}, {0x0411, 128, 932},
    {0x0412, 129, 949}, {0x0401, 0, 1256}, {0x0405, 0, 1250},  {0x0406, 0, 1252},
    {0x0413, 0, 1252}, {0x040B, 0, 1252},  {0x040C, 0, 1252},  {0x0407, 0, 1252},
    {0x0408, 0, 737},  {0x040D, 0, 862},   {0x040E, 0, 1250},  {0x0410, 0, 1252},
    {0x0414, 0, 1252}, {0x0415, 0, 1250},  {0x0816, 0, 1252},  {0x0416, 0, 1252},
    {0x0419, 0, 1251}, {0x0C0A, 0, 1252},  {0x041D, 0, 0},     {0x041F, 0, 1254},
};

std::uint32_t LittleEndian(std::span<const std::byte> bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | std::to_integer<std::uint32_t>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

TEST(LanguageTableLayout, HeadersOfAllRecordsLieAtTheirOffsets) {
    const auto bytes = LanguageTableBytes();
    ASSERT_EQ(bytes.size(), 24u * 11784u);
    for (int r = 0; r < LanguageRecordCount; ++r) {
        const std::size_t base = static_cast<std::size_t>(r) * 11784;
        EXPECT_EQ(LittleEndian(bytes, base, 2), ExpectedHeaders[r].LangId) << "record " << r;
        EXPECT_EQ(LittleEndian(bytes, base + 2, 1), ExpectedHeaders[r].Charset) << "record " << r;
        EXPECT_EQ(LittleEndian(bytes, base + 3, 1), 0u) << "record " << r;
        EXPECT_EQ(LittleEndian(bytes, base + 4, 4), ExpectedHeaders[r].CodePage) << "record " << r;
    }
}

TEST(LanguageTableLayout, EveryCellIsTerminatedAndZeroAfterItsText) {
    const auto bytes = LanguageTableBytes();
    for (int r = 0; r < LanguageRecordCount; ++r) {
        for (int e = 0; e < LanguageEntryCount; ++e) {
            const std::size_t cell = static_cast<std::size_t>(r) * 11784 + 8 + static_cast<std::size_t>(e) * 256;
            int length = 0;
            while (length < 128 && LittleEndian(bytes, cell + 2 * static_cast<std::size_t>(length), 2) != 0) ++length;
            ASSERT_LT(length, 128) << "record " << r << " entry " << e << " has no NUL";
            EXPECT_GT(length, 0) << "record " << r << " entry " << e << " is empty";
            for (std::size_t i = 2 * static_cast<std::size_t>(length); i < 256; ++i)
                ASSERT_EQ(LittleEndian(bytes, cell + i, 1), 0u) << "record " << r << " entry " << e;
        }
    }
}

TEST(LanguageTableLayout, RecordAccessMatchesTheBytesAndRefusesBadIndexes) {
    const auto bytes = LanguageTableBytes();
    for (int r = 0; r < LanguageRecordCount; ++r) {
        const LanguageRecord* record = LanguageRecordAt(r);
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(reinterpret_cast<const std::byte*>(record), bytes.data() + static_cast<std::size_t>(r) * 11784);
    }
    EXPECT_EQ(LanguageRecordAt(-1), nullptr);
    EXPECT_EQ(LanguageRecordAt(24), nullptr);
    EXPECT_TRUE(LanguageCellText(46, 0).empty());
    EXPECT_TRUE(LanguageCellText(0, 24).empty());
}

TEST(LanguageTableLookup, FindsRecordsByAllSixteenBitsOnly) {
    EXPECT_EQ(LanguageIndexOf(0x0404), 1);
    EXPECT_EQ(LanguageIndexOf(0x0409), 0);
    EXPECT_EQ(LanguageIndexOf(0x0407), 11);
    EXPECT_EQ(LanguageIndexOf(0x0C04), -1);  // Chinese (Hong Kong): no match on the primary language
    EXPECT_EQ(LanguageIndexOf(0x040A), -1);  // Spanish, traditional sort
    EXPECT_EQ(LanguageIndexOf(0x0809), -1);
    EXPECT_EQ(LanguageIndexOf(0), -1);
    for (int r = 0; r < LanguageRecordCount; ++r) EXPECT_EQ(LanguageIndexOf(ExpectedHeaders[r].LangId), r);
}

}  // namespace
}  // namespace dorvane
