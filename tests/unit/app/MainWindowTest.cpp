// The main window's frame and layout, the tray icon and its menu, showing,
// hiding and the overlay.
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>
#include "PeerWindow.h"
#include <windows.h>
#include <commctrl.h>
#include "app/Application.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "link/LinkProtocol.h"

namespace dorvane::testing {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.Initialize();
        app.SetTitle("Dorvane UI");
        form = std::make_unique<TForm1>(app, SystemInfo{}, std::vector<std::string>{});
        form->FormCreate();
        overlay = std::make_unique<TForm2>(app);
        form->Form2 = overlay.get();
        form->OpenTrayMenu = [this](POINT at) { menus.push_back(at); };
    }
    void TearDown() override {
        form.reset();
        overlay.reset();
        TakeQuit();
    }
    TControl* Find(const std::string& name) const {
        for (TControl* c : form->Components())
            if (c->Name() == name) return c;
        return nullptr;
    }
    static bool Topmost(HWND w) { return (GetWindowLongPtrA(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

    TApplication app;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TForm2> overlay;
    std::vector<POINT> menus;
};

TEST_F(MainWindowTest, AFixedDialogFrameWithACloseBoxOnly) {
    RECT client{};
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, 590);
    EXPECT_EQ(client.bottom, 297);
    const LONG_PTR style = GetWindowLongPtrA(form->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), app.Handle());
}

TEST_F(MainWindowTest, EveryControlOfTheLayoutIsThereByName) {
    const char* names[] = {
        "suiPageControl1", "suiTabSheetUrl", "suiTabSheetRing", "suiTabSheetAudio", "suiTabSheetWeb",
        "LabelWeb0", "suiRadioButtonWeb0", "suiURLLabelWeb0", "LabelWeb4", "suiRadioButtonWeb4", "suiURLLabelWeb4",
        "LabelWebName", "suiEditWebName", "LabelWebAddr", "suiEditWebAddr", "suiButtonWebSave",
        "suiDriveComboBoxTest", "DirectoryListBoxTest", "FileListBoxTest", "suiProgressBarCopy", "LabelRingStr",
        "LabelRingPath", "LabelRingTone", "suiButtonDefault", "MediaPlayerTest",
        "suiGroupBoxVol", "LabelVolOut", "ImageVolOutMin", "suiTrackBarVolOut", "ImageVolOutMax",
        "suiCheckBoxVolOut", "LabelVolIn", "ImageVolInMin", "suiTrackBarVolIn", "ImageVolInMax", "suiCheckBoxVolIn",
        "LabelVolRing", "ImageVolRingMin", "suiTrackBarVolRing", "ImageVolRingMax",
        "suiGroupBoxSkype", "LabelSkypeOut", "suiComboBoxSkypeOut", "LabelSkypeIn", "suiComboBoxSkypeIn",
        "LabelSysAudioOut", "suiButtonSysAudioOut", "CppWebBrowser1", "ImageHint", "suiButtonShowHint"};
    for (const char* name : names) EXPECT_NE(Find(name), nullptr) << name;
    EXPECT_EQ(form->Components().size(), std::size(names) + 3 * 3);  // rows 1-3 of the website list
}

TEST_F(MainWindowTest, PagesAndTheirPlaces) {
    RECT pc = form->suiPageControl1->Bounds();
    EXPECT_EQ(pc.left, 4);
    EXPECT_EQ(pc.top, 8);
    EXPECT_EQ(pc.right - pc.left, 581);
    EXPECT_EQ(pc.bottom - pc.top, 285);
    ASSERT_EQ(form->suiPageControl1->PageCount(), 4);
    EXPECT_EQ(form->suiPageControl1->ActivePageIndex(), 0);
    EXPECT_TRUE(form->suiTabSheetUrl->Enabled());
    for (auto* page : {form->suiTabSheetRing.get(), form->suiTabSheetAudio.get(), form->suiTabSheetWeb.get()})
        EXPECT_FALSE(page->Enabled());

    // The website rows as the page's design places them.
    for (int n = 0; n < 5; ++n) {
        EXPECT_EQ(form->LabelWeb[n]->Left(), 4);
        EXPECT_EQ(form->LabelWeb[n]->Top(), 20 + 32 * n);
        EXPECT_EQ(form->LabelWeb[n]->Caption(), std::to_string(n + 1));
        EXPECT_EQ(form->suiRadioButtonWeb[n]->Left(), 32);
        EXPECT_EQ(form->suiRadioButtonWeb[n]->Top(), 16 + 32 * n);
        EXPECT_FALSE(form->suiRadioButtonWeb[n]->TabStop());
        EXPECT_EQ(form->suiURLLabelWeb[n]->Left(), 56);
    }
    RECT save = form->suiButtonWebSave->Bounds();
    EXPECT_EQ(save.left, 512);
    EXPECT_EQ(save.top, 200);
    EXPECT_EQ(save.right - save.left, 56);
    EXPECT_EQ(save.bottom - save.top, 53);
    EXPECT_FALSE(form->suiButtonWebSave->Enabled());
    EXPECT_EQ(form->suiEditWebName->Left(), 72);
    EXPECT_EQ(form->suiEditWebAddr->Top(), 232);
    EXPECT_EQ(form->suiEditWebName->Width(), 433);

    // The web page is opened once at start and fills its tab.
    EXPECT_EQ(form->CppWebBrowser1->LocationURL(), form->WebPageAddress);
    EXPECT_EQ(form->CppWebBrowser1->Width(), 575);
    EXPECT_EQ(form->CppWebBrowser1->Height(), form->suiTabSheetWeb->Height());

    // Nothing shows the hint controls.
    EXPECT_FALSE(form->ImageHint->Visible());
    EXPECT_FALSE(form->suiButtonShowHint->Visible());
    EXPECT_FALSE(form->suiButtonShowHint->Enabled());
    EXPECT_EQ(form->suiButtonShowHint->Caption(), ">>");
}

TEST_F(MainWindowTest, VolumeBarsStartEnabledAtZeroAndTheRingRowIsHidden) {
    for (auto* bar : {form->suiTrackBarVolOut.get(), form->suiTrackBarVolIn.get()}) {
        EXPECT_EQ(bar->Min(), 0);
        EXPECT_EQ(bar->Max(), 65535);
        EXPECT_EQ(bar->PageSize(), 4096);
        EXPECT_EQ(bar->Position(), 0);
    }
    EXPECT_EQ(form->suiTrackBarVolRing->Max(), 15);
    EXPECT_EQ(form->suiTrackBarVolRing->PageSize(), 1);
    EXPECT_FALSE(form->suiTrackBarVolRing->Visible());
    EXPECT_FALSE(form->LabelVolRing->Visible());
    EXPECT_EQ(form->suiCheckBoxVolOut->Caption(), "Mute");
}

TEST_F(MainWindowTest, DroppedFilesAreTakenOnlyWhileTheRingPageShows) {
    auto accepts = [&] {
        return (GetWindowLongPtrA(form->FileListBoxTest->Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;
    };
    EXPECT_FALSE(form->FileListBoxTest->DragDropFile());
    // Chosen before the list has its window, kept until the window is made.
    form->suiPageControl1->SetActivePageIndex(1);
    EXPECT_TRUE(form->FileListBoxTest->DragDropFile());
    form->RealizePages();
    EXPECT_TRUE(accepts());
    EXPECT_TRUE(form->suiTabSheetRing->Enabled());
    EXPECT_FALSE(form->suiTabSheetUrl->Enabled());
    form->suiPageControl1->SetActivePageIndex(2);
    EXPECT_FALSE(form->FileListBoxTest->DragDropFile());
    EXPECT_FALSE(accepts());
}

TEST_F(MainWindowTest, ThePagesGetTheirWindowsWhenTheWindowFirstOpensWithWhatWasSetMeanwhile) {
    // The browser opens its page at start; nothing else of the pages has a
    // window until the window opens.
    EXPECT_TRUE(form->CppWebBrowser1->Handle());
    for (TControl* control : std::initializer_list<TControl*>{form->suiEditWebName.get(), form->FileListBoxTest.get(),
                                                              form->suiComboBoxSkypeOut.get(),
                                                              form->suiCheckBoxVolOut.get()})
        EXPECT_FALSE(control->Handle()) << control->Name();

    form->suiCheckBoxVolOut->SetChecked(true);
    form->suiComboBoxSkypeOut->SetItems({"first", "second"});
    form->suiComboBoxSkypeOut->SetItemIndex(1);
    form->suiTrackBarVolOut->SetPosition(30000);
    form->suiEditWebName->SetText("A site");
    form->suiButtonDefault->SetEnabled(false);
    form->OpenMainWindow();

    EXPECT_EQ(SendMessageA(form->suiCheckBoxVolOut->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    HWND combo = form->suiComboBoxSkypeOut->Handle();
    EXPECT_EQ((std::vector<LRESULT>{SendMessageA(combo, CB_GETCOUNT, 0, 0), SendMessageA(combo, CB_GETCURSEL, 0, 0)}),
              (std::vector<LRESULT>{2, 1}));
    EXPECT_EQ(SendMessageA(form->suiTrackBarVolOut->Handle(), TBM_GETPOS, 0, 0), 30000);
    EXPECT_EQ(form->suiEditWebName->Text(), "A site");
    EXPECT_FALSE(IsWindowEnabled(form->suiButtonDefault->Handle()));
    EXPECT_EQ(SendMessageA(form->FileListBoxTest->Handle(), LB_GETCOUNT, 0, 0), form->FileListBoxTest->Count());

    // The windows made late stand in the order the controls were made, as
    // the Tab key walks them (the player's frame was made at once).
    for (TsuiTabSheet* sheet : {form->suiTabSheetUrl.get(), form->suiTabSheetRing.get(), form->suiTabSheetAudio.get()}) {
        std::vector<TControl*> made, stacked;
        for (TControl* control : form->Components())
            if (control->Handle() && GetParent(control->Handle()) == sheet->Handle()) made.push_back(control);
        for (HWND child = GetWindow(sheet->Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (TControl* control = TControl::FromHandle(child)) stacked.push_back(control);
        EXPECT_EQ(stacked, made) << sheet->Name();
    }
}

TEST_F(MainWindowTest, TheTrayMenuHoldsItsItemsInOrder) {
    TMenuItem& root = form->suiPopupMenuTrayIcon.Items();
    ASSERT_EQ(root.Count(), 4);
    EXPECT_EQ(&root.Item(0), form->ItemSetup);
    EXPECT_EQ(&root.Item(1), form->ItemLanguage);
    EXPECT_TRUE(root.Item(2).IsSeparator());
    EXPECT_EQ(&root.Item(3), form->ItemExit);
    EXPECT_EQ(form->ItemSetup->Caption(), "Setup");
    EXPECT_EQ(form->ItemExit->Caption(), "Exit");
    ASSERT_EQ(form->ItemLanguage->Count(), 24);
    for (int k = 0; k < 24; ++k) {
        EXPECT_EQ(form->ItemLanguage->Item(k).Tag(), k);
        EXPECT_TRUE(form->ItemLanguage->Item(k).RadioItem());
    }
    EXPECT_EQ(form->ItemLanguage->Item(0).Name(), "ItemLanguageEng");
    EXPECT_EQ(form->ItemLanguage->Item(0).Caption(), "English");
    EXPECT_EQ(form->ItemLanguage->Item(23).Name(), "ItemLanguageTur");
    EXPECT_EQ(form->ItemLanguage->Item(19).Caption(), "Brazil");
}

TEST_F(MainWindowTest, TrayImagesFollowTheStatusWord) {
    EXPECT_EQ(form->TrayIconSts.Icons().Count(), 3);
    EXPECT_EQ(form->TrayImage(), 0);
    EXPECT_TRUE(form->TrayIconSts.Visible());
    EXPECT_EQ(form->TrayIconSts.Hint(), "USB Phone Control Panel");
    struct Case {
        uint32_t status;
        uint32_t key_event;
        int image;
    } cases[] = {
        {kDeviceBit, MakeKeyEvent(0xFF, 0, 0), 1},
        {kDeviceBit, MakeKeyEvent(0xFF, 3, 0), 2},
        {kDeviceBit | kSkypeBit, MakeKeyEvent(0xFF, 0, 1), 1},
        {kSkypeBit | kKeyboardLockBit, MakeKeyEvent(0xFF, 3, 0), 0},
    };
    for (const auto& c : cases) {
        form->StatusWord = c.status;
        form->KeyEvent = c.key_event;
        form->UpdateTrayIcon();
        EXPECT_EQ(form->TrayImage(), c.image);
    }
}

TEST_F(MainWindowTest, TheTrayIconAppearsWithImageZero) {
    form.reset();
    struct Call {
        DWORD message;
        UINT flags;
        HICON icon;
    };
    std::vector<Call> calls;
    const TTrayIcon::NotifyIconFunction shell = TTrayIcon::ShellCall();
    TTrayIcon::ShellCall() = [&](DWORD message, NOTIFYICONDATAA& data) {
        calls.push_back({message, data.uFlags, data.hIcon});
        return TRUE;
    };
    form = std::make_unique<TForm1>(app, SystemInfo{}, std::vector<std::string>{});
    TTrayIcon::ShellCall() = shell;
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().message, static_cast<DWORD>(NIM_ADD));
    EXPECT_TRUE(calls.front().flags & NIF_ICON);
    EXPECT_EQ(calls.front().icon, form->TrayIconSts.Icons().Get(0));
    EXPECT_NE(calls.front().icon, nullptr);
}

TEST_F(MainWindowTest, ASingleLeftClickOpensTheMenuAfterTheTimer) {
    SetCursorPos(300, 200);
    form->TrayIconStsMouseUp(TTrayIcon::MouseButton::Left, POINT{310, 210});
    EXPECT_TRUE(form->TimerMouseUp.Enabled());
    EXPECT_EQ(form->TimerMouseUp.Interval(), 500u);
    EXPECT_TRUE(menus.empty());
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(form->TrayClickPos.x, cursor.x);
    EXPECT_EQ(form->TrayClickPos.y, cursor.y);

    form->TimerMouseUpTimer();
    EXPECT_FALSE(form->TimerMouseUp.Enabled());
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0].x, cursor.x);
    EXPECT_EQ(menus[0].y, cursor.y);
}

TEST_F(MainWindowTest, ARightClickOpensTheMenuAtOnceWhereItWasReleased) {
    form->TrayIconStsMouseUp(TTrayIcon::MouseButton::Left, POINT{1, 1});
    form->TrayIconStsMouseUp(TTrayIcon::MouseButton::Right, POINT{640, 480});
    EXPECT_FALSE(form->TimerMouseUp.Enabled());
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0].x, 640);
    EXPECT_EQ(menus[0].y, 480);
    form->TrayIconStsMouseUp(TTrayIcon::MouseButton::Middle, POINT{5, 5});
    EXPECT_EQ(menus.size(), 1u);
    EXPECT_FALSE(form->TimerMouseUp.Enabled());
}

TEST_F(MainWindowTest, ADoubleClickOpensTheWindowAndNoMenu) {
    form->TrayIconStsMouseUp(TTrayIcon::MouseButton::Left, POINT{1, 1});  // first release
    form->TrayIconSts.OnDblClick();                                       // the double click
    form->TrayIconStsMouseUp(TTrayIcon::MouseButton::Left, POINT{1, 1});  // second release
    EXPECT_FALSE(form->TimerMouseUp.Enabled());
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_TRUE(form->TimerMin.Enabled());
    EXPECT_TRUE(menus.empty());
}

TEST_F(MainWindowTest, OpeningCentresTheWindowAndArmsTheAutoHide) {
    form->OpenMainWindow();
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_TRUE(form->TimerMin.Enabled());
    EXPECT_EQ(form->TimerMin.Interval(), 10000u);
    RECT r{};
    GetWindowRect(form->Handle(), &r);
    EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

    form->TimerMinTimer();
    EXPECT_FALSE(form->TimerMin.Enabled());
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_FALSE(form->ExitRequested);
    EXPECT_FALSE(TakeQuit());
}

TEST_F(MainWindowTest, OnlyUseRestartsTheAutoHide) {
    MSG msg{};
    form->ApplicationEvents1Message(msg);  // stopped: nothing starts it
    msg.message = WM_KEYDOWN;
    form->ApplicationEvents1Message(msg);
    EXPECT_FALSE(form->TimerMin.Enabled());

    form->OpenMainWindow();
    struct Case {
        UINT message;
        WPARAM wp;
        bool restarts;
    } cases[] = {
        {WM_KEYDOWN, 0, true},       {WM_LBUTTONDOWN, 0, true},   {WM_RBUTTONDOWN, 0, true},
        {WM_MBUTTONDOWN, 0, true},   {WM_MOUSEWHEEL, 0, true},    {WM_MOUSEMOVE, MK_LBUTTON, true},
        {WM_MOUSEMOVE, MK_SHIFT, true}, {WM_MOUSEMOVE, 0, false}, {WM_KEYUP, 0, false},
        {WM_LBUTTONUP, 0, false},    {WM_CHAR, 'a', false},
    };
    for (const auto& c : cases) {
        const unsigned before = form->TimerMin.StartCount();
        msg.message = c.message;
        msg.wParam = c.wp;
        form->ApplicationEvents1Message(msg);
        EXPECT_EQ(form->TimerMin.StartCount() != before, c.restarts) << std::hex << c.message;
        EXPECT_TRUE(form->TimerMin.Enabled());
    }
}

TEST_F(MainWindowTest, TheMenuOpeningRestartsARunningAutoHideOnly) {
    form->suiPopupMenuTrayIconPopup();
    EXPECT_FALSE(form->TimerMin.Enabled());
    form->OpenMainWindow();
    const unsigned before = form->TimerMin.StartCount();
    form->suiPopupMenuTrayIconPopup();
    EXPECT_EQ(form->TimerMin.StartCount(), before + 1);
}

TEST_F(MainWindowTest, MinimizeFromTheSystemMenuHidesToTheTray) {
    form->OpenMainWindow();
    SendMessageA(app.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_FALSE(IsWindowVisible(app.Handle()));
    SendMessageA(app.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST_F(MainWindowTest, TheOverlayShowsWhileLockedAndMakesTheAppTopmost) {
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT r{};
    GetWindowRect(overlay->Handle(), &r);
    EXPECT_EQ(r.right - r.left, 100);
    EXPECT_EQ(r.bottom - r.top, 32);
    EXPECT_EQ(r.left, work.right - work.left - 100);
    EXPECT_EQ(r.top, work.bottom - work.top - 32);
    EXPECT_TRUE(GetWindowLongPtrA(overlay->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_EQ(overlay->Image1->Left(), 8);
    EXPECT_EQ(overlay->Image1->Width(), 84);
    EXPECT_FALSE(overlay->Visible());

    form->UpdateOverlay(true);
    EXPECT_TRUE(overlay->Visible());
    EXPECT_TRUE(Topmost(app.Handle()));
    form->UpdateOverlay(false);
    EXPECT_FALSE(overlay->Visible());
    EXPECT_FALSE(Topmost(app.Handle()));
}

TEST_F(MainWindowTest, StatusUpdatesDriveTheOverlayAndTheWatchdogLeavesIt) {
    PeerWindow service;
    auto send = [&](uint32_t status) {
        auto f = service.Send(form->Handle(), WM_PHONE_EVENT, status, MakeKeyEvent(0xFF, 0, 0));
        PumpFor(f);
    };
    send(kKeyboardLockBit);  // locked, but no phone
    EXPECT_FALSE(overlay->Visible());
    send(kDeviceBit | kKeyboardLockBit);
    EXPECT_TRUE(overlay->Visible());
    form->TimerDrvCheckTimer();
    EXPECT_TRUE(overlay->Visible());
    EXPECT_EQ(form->TrayImage(), 0);
    send(kDeviceBit);
    EXPECT_FALSE(overlay->Visible());
}

}  // namespace
}  // namespace dorvane::testing
