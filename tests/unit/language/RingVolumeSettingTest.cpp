// The ring volume in the settings key: read without writing back, written
// on the user's changes only.
#include "LanguageFixture.h"

namespace dorvane::testing {
namespace {

class RingVolumeSettingTest : public LanguageFixture {
protected:
    void StoreRing(DWORD value) {
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, "SoftWare\\TALVEX\\USB_PHONE_K52", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr);
        RegSetValueExA(key, "RingTone", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
        RegCloseKey(key);
    }
    std::optional<int32_t> Stored() const { return SettingsStore().ReadInteger("RingTone"); }
};

TEST_F(RingVolumeSettingTest, ReadingSetsThePositionAndWritesNothingBack) {
    StoreRing(0x135);  // bits 8-31 would be cleared by any write
    Make(0x0409);
    form->ReadRingTone();
    EXPECT_EQ(form->suiTrackBarVolRing->Position(), 12);
    EXPECT_FALSE(form->ChangeGuard);
    EXPECT_EQ(Stored(), 0x135);

    // The user moves away and back: every change is written.
    form->suiTrackBarVolRing->SetPosition(11);
    EXPECT_EQ(Stored(), 0x45);
    form->suiTrackBarVolRing->SetPosition(12);
    EXPECT_EQ(Stored(), 0x35);
}

TEST_F(RingVolumeSettingTest, WithNothingStoredTheFirstChangeWritesTheInvertedLevel) {
    Make(0x0409);
    EXPECT_EQ(Stored(), std::nullopt);  // construction writes nothing
    form->ReadRingTone();
    EXPECT_EQ(form->suiTrackBarVolRing->Position(), 0);
    EXPECT_EQ(Stored(), std::nullopt);
    form->suiTrackBarVolRing->SetPosition(3);
    EXPECT_EQ(Stored(), 0xC0);
}

TEST_F(RingVolumeSettingTest, GuardedSettersLeaveUnnamedPropertiesAlone) {
    Make(0x0409);
    TsuiTrackBar& bar = *form->suiTrackBarVolOut;
    form->GuardedSetBar(bar, 20000, 0, -1, -1);
    EXPECT_EQ(bar.Position(), 20000);
    EXPECT_FALSE(bar.Enabled());
    EXPECT_EQ(bar.Max(), 65535);
    form->GuardedSetBar(bar, -1, 1, 100, 1000);
    EXPECT_EQ(bar.Position(), 1000);  // clamped into the new range
    EXPECT_TRUE(bar.Enabled());
    form->GuardedSetBox(*form->suiCheckBoxVolIn, 1, -1);
    EXPECT_TRUE(form->suiCheckBoxVolIn->Checked());
    form->GuardedSetBox(*form->suiCheckBoxVolIn, -1, 0);
    EXPECT_TRUE(form->suiCheckBoxVolIn->Checked());
    EXPECT_FALSE(form->suiCheckBoxVolIn->Enabled());
}

TEST_F(RingVolumeSettingTest, TheHintButtonStoresItsStateFromItsCaption) {
    Make(0x0409);
    form->suiButtonShowHintClick();
    EXPECT_EQ(SettingsStore().ReadInteger("ShowHint"), 1);
    form->suiButtonShowHint->SetCaption("<<");
    form->suiButtonShowHintClick();
    EXPECT_EQ(SettingsStore().ReadInteger("ShowHint"), 0);
}

TEST_F(RingVolumeSettingTest, AWrongTypeCountsAsAbsent) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, "SoftWare\\TALVEX\\USB_PHONE_K52", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    const char text[] = "53";
    RegSetValueExA(key, "RingTone", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
    RegCloseKey(key);
    Make(0x0409);
    form->GuardedSetBar(*form->suiTrackBarVolRing, 9, -1, -1, -1);
    form->ReadRingTone();
    EXPECT_EQ(form->suiTrackBarVolRing->Position(), 0);
    form->suiTrackBarVolRing->SetPosition(12);
    EXPECT_EQ(Stored(), 0x30);
}

}  // namespace
}  // namespace dorvane::testing
