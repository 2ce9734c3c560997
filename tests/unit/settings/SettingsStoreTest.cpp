// The settings key: encodings, first start, and values other programs left.
#include <gtest/gtest.h>
#include "settings/SettingsStore.h"

namespace dorvane {
namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    // Each test works on a key of its own below the test root.
    void SetUp() override { RegDeleteTreeOrKey(); }
    void TearDown() override { RegDeleteTreeOrKey(); }

    static void RegDeleteTreeOrKey() {
        RegDeleteKeyA(HKEY_CURRENT_USER, "SoftWare\\DorvaneTests\\Settings");
        RegDeleteKeyA(HKEY_CURRENT_USER, "SoftWare\\DorvaneTests");
    }
    bool KeyExists() const {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        RegCloseKey(key);
        return true;
    }
    DWORD ValueCount() const {
        HKEY key = nullptr;
        DWORD count = 0;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
        RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr, nullptr,
                         nullptr, nullptr);
        RegCloseKey(key);
        return count;
    }
    void SetRaw(const char* name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }
    std::optional<DWORD> RawDword(const char* name) const {
        DWORD value = 0, size = sizeof value, type = 0;
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
        LONG rc = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
        RegCloseKey(key);
        if (rc != ERROR_SUCCESS || type != REG_DWORD) return std::nullopt;
        return value;
    }

    const char* path = "SoftWare\\DorvaneTests\\Settings";
    SettingsStore store{path};
};

TEST(SettingsKey, IsThePanelsOwnKeyWithItsCapitalW) {
    EXPECT_STREQ(kSettingsKeyPath, "SoftWare\\TALVEX\\USB_PHONE_K52");
    EXPECT_EQ(SettingsStore().KeyPath(), "SoftWare\\TALVEX\\USB_PHONE_K52");
}

TEST_F(SettingsStoreTest, AFirstReadLeavesAnEmptyKeyAndFindsNoLanguage) {
    ASSERT_FALSE(KeyExists());
    EXPECT_EQ(store.ReadLanguageId(), -1);
    EXPECT_TRUE(KeyExists());
    EXPECT_EQ(ValueCount(), 0u);
    EXPECT_EQ(store.ReadRingToneValue(), std::nullopt);
    EXPECT_EQ(ValueCount(), 0u);
}

TEST_F(SettingsStoreTest, LanguageIndexesOutsideTheTableAreStoredAsMinusOne) {
    store.WriteLanguageId(23);
    EXPECT_EQ(RawDword("LanguageID"), 23u);
    EXPECT_EQ(store.ReadLanguageId(), 23);
    store.WriteLanguageId(24);
    EXPECT_EQ(RawDword("LanguageID"), 0xFFFFFFFFu);
    EXPECT_EQ(store.ReadLanguageId(), -1);
    store.WriteLanguageId(0);
    EXPECT_EQ(store.ReadLanguageId(), 0);
    store.WriteLanguageId(-5);  // signed comparison: below 24, kept as it is
    EXPECT_EQ(store.ReadLanguageId(), -5);
}

TEST_F(SettingsStoreTest, ShowHintIsWrittenAndNothingElse) {
    store.WriteShowHint(1);
    EXPECT_EQ(RawDword("ShowHint"), 1u);
    store.WriteShowHint(0);
    EXPECT_EQ(RawDword("ShowHint"), 0u);
    EXPECT_EQ(ValueCount(), 1u);
}

TEST_F(SettingsStoreTest, RingToneKeepsTheLowBitsOfTheOldValue) {
    const DWORD stored = 0x35;
    SetRaw("RingTone", REG_DWORD, &stored, sizeof stored);
    EXPECT_EQ(RingTonePosition(store.ReadRingToneValue(), 15), 12);
    store.WriteRingToneLevel(12, 15);
    EXPECT_EQ(RawDword("RingTone"), 0x35u);
    store.WriteRingToneLevel(15, 15);
    EXPECT_EQ(RawDword("RingTone"), 0x05u);
}

TEST_F(SettingsStoreTest, AbsentRingToneStartsFromZeroLowBits) {
    store.WriteRingToneLevel(3, 15);
    EXPECT_EQ(RawDword("RingTone"), 0xC0u);
}

TEST_F(SettingsStoreTest, ValuesOfAnotherTypeCountAsAbsent) {
    const char text[] = "7";
    SetRaw("LanguageID", REG_SZ, text, sizeof text);
    EXPECT_EQ(store.ReadLanguageId(), -1);

    const BYTE one_byte = 0x35;
    SetRaw("RingTone", REG_BINARY, &one_byte, 1);
    EXPECT_EQ(store.ReadRingToneValue(), std::nullopt);
    store.WriteRingToneLevel(12, 15);
    EXPECT_EQ(RawDword("RingTone"), 0x30u);  // bits 0-3 start from 0

    const unsigned long long wide = 0x35;
    SetRaw("RingTone", REG_QWORD, &wide, sizeof wide);
    EXPECT_EQ(store.ReadRingToneValue(), std::nullopt);
    store.WriteRingToneLevel(12, 15);
    EXPECT_EQ(RawDword("RingTone"), 0x30u);

    const DWORD four = 4;
    SetRaw("LanguageID", REG_BINARY, &four, sizeof four);  // right size, wrong type
    EXPECT_EQ(store.ReadLanguageId(), -1);
}

TEST_F(SettingsStoreTest, AKeyThatCannotBeOpenedGivesDefaultsAndDropsWrites) {
    // A root that is no open key: nothing can be opened below it.
    SettingsStore broken(path, reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x7777)));
    EXPECT_EQ(broken.ReadLanguageId(), -1);
    broken.WriteLanguageId(3);
    EXPECT_EQ(broken.ReadRingToneValue(), std::nullopt);
}

}  // namespace
}  // namespace dorvane
