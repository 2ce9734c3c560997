// A main window made for a stated system (language, ANSI code page), with
// the settings key emptied before and after.
#pragma once
#include <gtest/gtest.h>
#include <memory>
#include "PeerWindow.h"
#include "WindowText.h"
#include "app/Application.h"
#include "app/Unit1.h"
#include "i18n/LanguageTable.h"
#include "i18n/TextConvert.h"
#include "settings/SettingsStore.h"

namespace dorvane::testing {

class LanguageFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ClearSettings();
        app.Initialize();
        app.SetTitle("Dorvane UI");
    }
    void TearDown() override {
        form.reset();
        ClearSettings();
        TakeQuit();
    }
    static void ClearSettings() {
        RegDeleteKeyA(HKEY_CURRENT_USER, "SoftWare\\TALVEX\\USB_PHONE_K52");
    }
    static void StoreLanguage(DWORD value) {
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, "SoftWare\\TALVEX\\USB_PHONE_K52", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr);
        RegSetValueExA(key, "LanguageID", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
        RegCloseKey(key);
    }
    void Make(LANGID system_language, UINT code_page = 1252) {
        SystemInfo system;
        system.SystemLanguage = system_language;
        system.AnsiCodePage = code_page;
        form = std::make_unique<TForm1>(app, system, std::vector<std::string>{});
        form->FormCreate();
    }
    // The table text of a record in a code page, as the window should show it.
    static std::string Expected(unsigned entry, int language, UINT code_page) {
        return NarrowText(AsWide(LanguageCellText(entry, language)), code_page);
    }
    // The table text itself, as a reader of the screen should see it.
    static std::wstring Cell(unsigned entry, int language) {
        return std::wstring(AsWide(LanguageCellText(entry, language)));
    }
    static LOGFONTA FontOf(const TControl& control) {
        LOGFONTA lf{};
        GetObjectA(control.Font(), sizeof lf, &lf);
        return lf;
    }
    std::string Caption() const { return TextOf(form->Handle()); }
    // The title as the title bar reads it to draw it.
    std::wstring Title() const { return WideTextOf(form->Handle()); }
    int Checked() const {
        int checked = -1;
        for (int k = 0; k < form->ItemLanguage->Count(); ++k)
            if (form->ItemLanguage->Item(k).Checked()) {
                EXPECT_EQ(checked, -1) << "two languages checked";
                checked = k;
            }
        return checked;
    }
    int Default() const {
        int found = -1;
        for (int k = 0; k < form->ItemLanguage->Count(); ++k)
            if (form->ItemLanguage->Item(k).Default()) {
                EXPECT_EQ(found, -1) << "two default items";
                found = k;
            }
        return found;
    }
    std::optional<int32_t> StoredLanguage() const { return SettingsStore().ReadInteger("LanguageID"); }

    TApplication app;
    std::unique_ptr<TForm1> form;
};

}  // namespace dorvane::testing
