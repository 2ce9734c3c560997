// The texts the panel really shows under the system locale the test runs in
// (ctest starts this binary again under zh_TW and de_DE), and a stored pick
// surviving a settings change.
#include <gtest/gtest.h>
#include <map>
#include "PanelProcess.h"
#include "PeerWindow.h"
#include "WindowText.h"
#include "i18n/LanguageTable.h"
#include "i18n/TextConvert.h"
#include "link/LinkProtocol.h"

namespace dorvane::testing {
namespace {

constexpr char kKey[] = "SoftWare\\TALVEX\\USB_PHONE_K52";

std::string Cell(unsigned entry, int language, UINT code_page) {
    return NarrowText(AsWide(LanguageCellText(entry, language)), code_page);
}

class LanguageScenario : public ::testing::Test {
protected:
    void SetUp() override {
        if (FindPanelForm()) RunPanelToEnd({"VobDestroyMode"});
        RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    }
    void TearDown() override { RegDeleteKeyA(HKEY_CURRENT_USER, kKey); }
};

TEST_F(LanguageScenario, TheWindowSpeaksTheSystemLanguage) {
    const int system = LanguageIndexOf(GetSystemDefaultLangID());
    const int language = system < 0 ? 0 : system;
    const UINT acp = GetACP();
    RecordProperty("system_language", language);

    PanelProcess panel;
    HWND form = WaitForPanelForm();
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(OpenAndClosePanelWindow(form));
    EXPECT_EQ(TextOf(form), Cell(0, language, acp));
    EXPECT_EQ(WideTextOf(form), std::wstring(AsWide(LanguageCellText(0, language))));
    auto texts = ChildTexts(form);
    for (unsigned entry : {7u, 9u, 10u, 11u, 14u, 17u}) {
        const std::string expected = Cell(entry, language, acp);
        EXPECT_TRUE(texts.count(expected)) << "entry " << entry << " \"" << expected << "\"";
    }
    // The tray menu's texts are not readable from another process under
    // Wine (menus are the owning process's objects there); the unit tests
    // read them inside the panel.
}

void StoreLanguage(DWORD language) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegSetValueExA(key, "LanguageID", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&language), sizeof language);
    RegCloseKey(key);
}

TEST_F(LanguageScenario, APickedKoreanTitleReadsKoreanOnAnySystem) {
    StoreLanguage(4);
    PanelProcess panel;
    HWND form = WaitForPanelForm();
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(OpenAndClosePanelWindow(form));
    const std::wstring title = WideTextOf(form);
    EXPECT_EQ(title, std::wstring(AsWide(LanguageCellText(0, 4))));
    EXPECT_NE(title.find(L'\xC804'), std::wstring::npos);  // a Hangul syllable, not its code page bytes
}

TEST_F(LanguageScenario, AStoredPickSurvivesASettingsChange) {
    StoreLanguage(20);  // Russian

    PanelProcess panel;
    HWND form = WaitForPanelForm();
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(OpenAndClosePanelWindow(form));
    // Not the system's language: its own code page, 1251.
    const std::string speaker = Cell(11, 20, 1251);
    auto shown = [&] { return ChildTexts(form).count(speaker) == 1; };
    EXPECT_TRUE(shown());

    DWORD_PTR result = 0;
    SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, 0, 0, SMTO_ABORTIFHUNG, 2000, &result);
    PumpUntil([] { return false; }, 500);
    EXPECT_TRUE(shown());
    EXPECT_TRUE(panel.Running());
}

}  // namespace
}  // namespace dorvane::testing
