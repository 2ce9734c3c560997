// The website page of the main window over a program folder of its own:
// the two files, selecting and editing entries, and what goes to the shell.
#include <gtest/gtest.h>
#include <cstring>
#include <memory>
#include <vector>
#include "PanelInFolder.h"
#include "RecordingShell.h"

namespace dorvane::test {
namespace {
using dorvane::testing::RecordingShell;
using dorvane::testing::ShellOpen;

struct WebsiteListTest : PanelInFolderTest {
    void Start(LANGID language = 0x0409, UINT code_page = 1252) {
        SystemInfo system = System();
        system.SystemLanguage = language;
        system.AnsiCodePage = code_page;
        MakeForm(system, shell);
    }
    std::string File(const char* name) const { return FileContents(program.Path() + "\\" + name); }
    TsuiURLLabel& Link(int n) { return *form->suiURLLabelWeb[n]; }
    void Front() {
        form->OpenMainWindow();
        SetForegroundWindow(form->Handle());
        form->suiPageControl1->SetActivePageIndex(0);
    }
    void Type(TsuiEdit& field, char key) { SendMessageA(field.Handle(), WM_CHAR, static_cast<WPARAM>(key), 0); }

    RecordingShell shell;
};

TEST_F(WebsiteListTest, TheFilesAreWrittenWhenMissingAndAnExistingSettingsFileIsOnlyRead) {
    Start();
    EXPECT_EQ(File("defaultWeb.vob"), "Skype\r\n" + form->DefaultWebAddress + "\r\nN/A\r\n\r\nSkype\r\n" +
                                          form->DefaultWebAddress + "\r\n");
    EXPECT_EQ(form->DefaultWebAddress.rfind("http://", 0), 0u);
    std::string placeholders;
    for (int i = 0; i < 4; ++i) placeholders += "N/A\r\n\r\n";
    EXPECT_EQ(File("urlList.vob"), placeholders);
    EXPECT_EQ(Link(0).Caption(), "Skype");
    EXPECT_TRUE(Link(0).Enabled());
    for (int n = 1; n < 5; ++n) {
        EXPECT_EQ(Link(n).Caption(), "N/A");
        EXPECT_FALSE(Link(n).Enabled());
    }
    form.reset();

    // A settings file of the user's own: empty lines keep their defaults,
    // short files leave the rest, and neither file is written back.
    const std::string settings = "Home\r\n\r\n-\r\n\r\nPortal\nhttp://portal.example/\r\n";
    const std::string list = "Mail\r\nhttp://mail.example/\r\nN/A\r\n\r\n\r\n";
    program.File("defaultWeb.vob", settings);
    program.File("urlList.vob", list);
    Start();
    EXPECT_EQ(File("defaultWeb.vob"), settings);
    EXPECT_EQ(File("urlList.vob"), list);
    EXPECT_EQ(Link(0).Caption(), "Home");
    EXPECT_EQ(Link(0).URL(), "http://www.skype.com/");
    for (int language = 0; language < 24; ++language) {
        form->SelectLanguage(language);
        EXPECT_EQ(form->suiTabSheetWeb->Caption(), "Portal") << language;
    }
    EXPECT_EQ(form->CppWebBrowser1->LocationURL(), "http://portal.example/");
    const struct {
        const char* name;
        const char* address;
    } entries[] = {{"Mail", "http://mail.example/"}, {"N/A", ""}, {"-", ""}, {"-", ""}};
    for (int n = 1; n < 5; ++n) {
        EXPECT_EQ(Link(n).Caption(), entries[n - 1].name) << n;
        EXPECT_EQ(Link(n).URL(), entries[n - 1].address) << n;
        EXPECT_EQ(Link(n).Enabled(), n == 1) << n;
    }
}

TEST_F(WebsiteListTest, AnEntryIsEditedInItsFieldsAndSavedByEnterInTheAddress) {
    Start();
    Front();
    form->SelectWebEntry(2);
    for (int n = 0; n < 5; ++n) {
        const COLORREF expected = n == 2 ? RGB(255, 0, 0) : RGB(0, 0, 255);
        EXPECT_EQ(Link(n).FontColor(), expected) << n;
        EXPECT_EQ(form->LabelWeb[n]->FontColor(), expected) << n;
        EXPECT_EQ(form->suiRadioButtonWeb[n]->Checked(), n == 2) << n;
    }
    TsuiEdit& name = *form->suiEditWebName;
    TsuiEdit& address = *form->suiEditWebAddr;
    EXPECT_TRUE(name.Focused());
    EXPECT_EQ(name.SelLength(), 3);  // "N/A", selected so that typing replaces it
    EXPECT_FALSE(form->suiButtonWebSave->Enabled());

    name.SetText("News");
    EXPECT_TRUE(form->suiButtonWebSave->Enabled());
    Type(name, '\r');  // only moves on
    EXPECT_TRUE(address.Focused());
    EXPECT_EQ(File("urlList.vob").find("News"), std::string::npos);
    address.SetText("HTTP://news.example/");
    Type(address, '\r');
    EXPECT_EQ(address.Text(), "http://news.example/");
    EXPECT_EQ(Link(2).Caption(), "News");
    EXPECT_TRUE(Link(2).Enabled());
    EXPECT_FALSE(form->suiButtonWebSave->Enabled());
    EXPECT_EQ(File("urlList.vob"), "N/A\r\n\r\nNews\r\nhttp://news.example/\r\nN/A\r\n\r\nN/A\r\n\r\n");

    // A click opens it, with no owner; the keypad's way has the window.
    Link(2).Click();
    form->OpenWebEntry(2);
    EXPECT_EQ(shell.Take(), (std::vector<ShellOpen>{{nullptr, "http://news.example/", SW_SHOW},
                                                    {form->Handle(), "http://news.example/", SW_SHOWNORMAL}}));

    // Emptied fields save the placeholders and switch the entry off.
    form->SelectWebEntry(2);
    EXPECT_EQ(name.SelLength(), 0);  // a real name is not selected
    name.SetText("");
    address.SetText("");
    form->suiButtonWebSaveClick();
    EXPECT_EQ(Link(2).Caption(), "N/A");
    EXPECT_FALSE(Link(2).Enabled());
    Link(2).Click();
    form->OpenWebEntry(2);
    EXPECT_TRUE(shell.Take().empty());

    // An edit dropped by choosing another entry; entry 0 is not the user's.
    form->SelectWebEntry(3);
    name.SetText("unsaved");
    form->suiRadioButtonWeb[0]->Click();
    EXPECT_EQ(form->SelectedWebEntry, 0);
    EXPECT_FALSE(name.Enabled());
    EXPECT_FALSE(address.Enabled());
    EXPECT_FALSE(form->suiButtonWebSave->Enabled());
    EXPECT_EQ(Link(3).Caption(), "N/A");
}

// Another program holds both files open and lets nobody else read them.
TEST_F(WebsiteListTest, FilesThatAreThereButCannotBeReadAreNotReplacedByTheDefaults) {
    const std::string settings = program.File("defaultWeb.vob", "Home\r\n");
    const std::string list = program.File("urlList.vob", "Mail\r\nhttp://mail.example/\r\n");
    {
        std::vector<KernelHandle> held;
        for (const std::string& path : {settings, list}) {
            held.emplace_back(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
            ASSERT_TRUE(held.back());
        }
        Start();
        EXPECT_EQ(Link(1).Caption(), "N/A");
    }
    EXPECT_EQ(File("defaultWeb.vob"), "Home\r\n");
    EXPECT_EQ(File("urlList.vob"), "Mail\r\nhttp://mail.example/\r\n");
}

// Pasted as the user pastes, in a code page of two-byte characters: the
// fields take no more than a line of the list file reads back.
TEST_F(WebsiteListTest, EveryEntryReadsBackAsSavedAfterAPasteLongerThanALine) {
    Start(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), 932);
    Front();
    const std::wstring long_text(700, L'\x3042');  // two bytes each
    const auto paste = [](TsuiEdit& field, const std::wstring& text) {
        ASSERT_TRUE(OpenClipboard(field.Handle()));
        EmptyClipboard();
        // The clipboard owns the memory once it has it.
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
        memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
        field.SelectAll();
        SendMessageW(field.Handle(), WM_PASTE, 0, 0);
    };
    form->SelectWebEntry(1);
    paste(*form->suiEditWebName, long_text);
    paste(*form->suiEditWebAddr, long_text);
    ASSERT_NE(form->suiEditWebName->Text(), "N/A");
    form->suiButtonWebSaveClick();
    const auto entries = [&] {
        std::vector<std::string> shown;
        for (int n = 1; n < 5; ++n) shown.insert(shown.end(), {Link(n).Caption(), Link(n).URL()});
        return shown;
    };
    const auto saved = entries();
    form.reset();
    Start(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), 932);
    EXPECT_EQ(entries(), saved);
}

}  // namespace
}  // namespace dorvane::test
