// The texts the panel really shows under the system locale the test runs in
// (ctest starts this binary again under zh_TW and de_DE), and a stored pick
// surviving a settings change.
#include <gtest/gtest.h>
#include <map>
#include "PanelProcess.h"
#include "PeerWindow.h"
#include "i18n/LanguageTable.h"
#include "link/LinkProtocol.h"

namespace dorvane::testing {
namespace {

constexpr char kKey[] = "SoftWare\\TALVEX\\USB_PHONE_K52";

std::string Cell(unsigned entry, int language, UINT code_page) {
    std::u16string_view text = LanguageCellText(entry, language);
    std::wstring wide(text.begin(), text.end());
    int n = WideCharToMultiByte(code_page, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? n - 1 : 0, '\0');
    if (n > 1) WideCharToMultiByte(code_page, 0, wide.c_str(), -1, out.data(), n, nullptr, nullptr);
    return out;
}

std::string TextOf(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The texts of the main window's child windows, by text.
std::map<std::string, int> ChildTexts(HWND form) {
    std::map<std::string, int> texts;
    EnumChildWindows(
        form,
        [](HWND child, LPARAM lp) {
            auto* found = reinterpret_cast<std::map<std::string, int>*>(lp);
            std::string text = TextOf(child);
            if (!text.empty()) ++(*found)[text];
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
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
    EXPECT_EQ(TextOf(form), Cell(0, language, acp));
    auto texts = ChildTexts(form);
    for (unsigned entry : {7u, 9u, 10u, 11u, 14u, 17u}) {
        const std::string expected = Cell(entry, language, acp);
        EXPECT_TRUE(texts.count(expected)) << "entry " << entry << " \"" << expected << "\"";
    }
    // The tray menu's texts are not readable from another process under
    // Wine (menus are the owning process's objects there); the unit tests
    // read them inside the panel.
}

TEST_F(LanguageScenario, AStoredPickSurvivesASettingsChange) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    const DWORD russian = 20;
    RegSetValueExA(key, "LanguageID", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&russian), sizeof russian);
    RegCloseKey(key);

    PanelProcess panel;
    HWND form = WaitForPanelForm();
    ASSERT_NE(form, nullptr);
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
