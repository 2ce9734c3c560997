// Which language the panel speaks: the system's, or the user's stored pick.
#include "LanguageFixture.h"

namespace dorvane::testing {
namespace {

using LanguageChoiceTest = LanguageFixture;

TEST_F(LanguageChoiceTest, TraditionalChineseSystemWithNothingStored) {
    Make(0x0404, 950);
    EXPECT_EQ(form->SystemLanguage, 1);
    EXPECT_EQ(form->CurrentLanguage, 1);
    EXPECT_EQ(Default(), 1);
    EXPECT_EQ(Checked(), 1);
}

TEST_F(LanguageChoiceTest, LanguagesOfNoRecordFallBackToEnglish) {
    for (LANGID id : {LANGID(0x0C04), LANGID(0x040A), LANGID(0x0000), LANGID(0x0009)}) {
        Make(id);
        EXPECT_EQ(form->SystemLanguage, 0) << std::hex << id;
        EXPECT_EQ(form->CurrentLanguage, 0) << std::hex << id;
        EXPECT_EQ(Checked(), 0);
        form.reset();
    }
}

TEST_F(LanguageChoiceTest, AStoredPickWinsOverTheSystemLanguage) {
    StoreLanguage(20);
    Make(0x0407);
    EXPECT_EQ(form->SystemLanguage, 11);
    EXPECT_EQ(form->CurrentLanguage, 20);
    EXPECT_EQ(Default(), 11);  // German
    EXPECT_EQ(Checked(), 20);  // Russian
}

TEST_F(LanguageChoiceTest, StoredValuesOutsideTheTableAreIgnored) {
    for (DWORD stored : {DWORD(24), DWORD(0xFFFFFFFF), DWORD(0xFFFFFFF0), DWORD(1000)}) {
        StoreLanguage(stored);
        Make(0x0411);
        EXPECT_EQ(form->CurrentLanguage, 3) << stored;
        form.reset();
    }
}

TEST_F(LanguageChoiceTest, PickingALanguageStoresItAndPickingItAgainWritesNothing) {
    Make(0x0409);
    form->ItemLanguageEngClick(form->ItemLanguage->Item(4));
    EXPECT_EQ(form->CurrentLanguage, 4);
    EXPECT_EQ(Checked(), 4);
    EXPECT_EQ(Default(), 0);
    EXPECT_EQ(StoredLanguage(), 4);

    ClearSettings();
    form->ItemLanguageEngClick(form->ItemLanguage->Item(4));
    EXPECT_EQ(StoredLanguage(), std::nullopt);
    EXPECT_EQ(Checked(), 4);
}

TEST_F(LanguageChoiceTest, AMenuClickRestartsARunningAutoHideOnly) {
    Make(0x0409);
    form->ItemLanguageEngClick(form->ItemLanguage->Item(2));
    EXPECT_FALSE(form->TimerMin.Enabled());
    form->OpenMainWindow();
    const unsigned before = form->TimerMin.StartCount();
    form->ItemLanguageEngClick(form->ItemLanguage->Item(3));
    EXPECT_EQ(form->TimerMin.StartCount(), before + 1);
}

TEST_F(LanguageChoiceTest, IndexesOutsideTheMenuChangeNothing) {
    Make(0x0409);
    form->SelectLanguage(24);
    form->SelectLanguage(-1);
    EXPECT_EQ(Checked(), 0);
    EXPECT_EQ(form->CurrentLanguage, 0);
    EXPECT_EQ(StoredLanguage(), std::nullopt);
}

TEST_F(LanguageChoiceTest, ASettingsChangeKeepsThePickAndAppliesItAgain) {
    Make(0x0409);
    form->SelectLanguage(20);
    SetWindowTextA(form->Handle(), "stale");
    PeerWindow system;
    auto f = system.Send(form->Handle(), WM_SETTINGCHANGE, 0, 0);
    PumpFor(f);
    EXPECT_EQ(form->CurrentLanguage, 20);
    EXPECT_EQ(Checked(), 20);
    EXPECT_EQ(Caption(), Expected(0, 20, 1251));
}

}  // namespace
}  // namespace dorvane::testing
