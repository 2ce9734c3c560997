#include <windows.h>
#include <gtest/gtest.h>
#include <commctrl.h>
#include <memory>
#include "ControlTestSupport.h"
#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/CppWebBrowser.h"
#include "controls/DirectoryListBox.h"
#include "controls/DriveComboBox.h"
#include "controls/Edit.h"
#include "controls/FileListBox.h"
#include "controls/GroupBox.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "controls/MediaPlayer.h"
#include "controls/PageControl.h"
#include "controls/PopupMenu.h"
#include "controls/ProgressBar.h"
#include "controls/RadioButton.h"
#include "controls/TabSheet.h"
#include "controls/Timer.h"
#include "controls/TrackBar.h"
#include "controls/TrayIcon.h"
#include "controls/URLLabel.h"

namespace dorvane::test {
namespace {

// One of every control, laid out as a form lays them out.
struct EveryControl {
    explicit EveryControl(HWND form)
        : pages(form, "suiPageControl1", 4, 8, 581, 285),
          url(pages, "suiTabSheetUrl", "Website"),
          ring(pages, "suiTabSheetRing", "Ring Tone"),
          group(ring.Handle(), "suiGroupBoxVol", 4, 4, 200, 100, "Volume"),
          bar(group.Handle(), "suiTrackBarVolOut", 8, 20, 150, 30),
          box(group.Handle(), "suiCheckBoxVolOut", 8, 60, 80, 20, "Mute"),
          radio(url.Handle(), "suiRadioButtonWeb0", 32, 16, 20, 20),
          combo(url.Handle(), "suiComboBoxSkypeOut", 60, 16, 150, 21),
          edit(url.Handle(), "suiEditWebName", 72, 200, 433, 21),
          button(url.Handle(), "suiButtonWebSave", 512, 200, 56, 53, "Save"),
          label(url.Handle(), "LabelWeb0", 4, 20, 24, 20, "1"),
          link(url.Handle(), "suiURLLabelWeb0", 56, 20, 100, 20, "Skype"),
          progress(ring.Handle(), "suiProgressBarCopy", 0, 240, 575, 16),
          image(form, "ImageHint", 8, 30, 200, 260),
          player(ring.Handle(), "MediaPlayerTest", 300, 4, 60, 30),
          drives(ring.Handle(), "suiDriveComboBoxTest", 300, 40, 150, 21),
          dirs(ring.Handle(), "DirectoryListBoxTest", 300, 70, 150, 100),
          files(ring.Handle(), "FileListBoxTest", 460, 70, 100, 100),
          browser(form, "CppWebBrowser1", 0, 0, 100, 100),
          menu(form),
          tray(9),
          timer(500, true) {
        image.SetIcon(IconHandle(CopyIcon(LoadIcon(nullptr, IDI_APPLICATION))));
        tray.Icons().Add(IconHandle(CopyIcon(LoadIcon(nullptr, IDI_APPLICATION))));
        menu.Items().Add("Language").Add("English").SetRadioItem(true);
        pages.SetActivePageIndex(1);
    }
    TsuiPageControl pages;
    TsuiTabSheet url, ring;
    TsuiGroupBox group;
    TsuiTrackBar bar;
    TsuiCheckBox box;
    TsuiRadioButton radio;
    TsuiComboBox combo;
    TsuiEdit edit;
    TsuiButton button;
    TLabel label;
    TsuiURLLabel link;
    TsuiProgressBar progress;
    TImage image;
    TMediaPlayer player;
    TDriveComboBox drives;
    TDirectoryListBox dirs;
    TFileListBox files;
    TCppWebBrowser browser;
    TsuiPopupMenu menu;
    TTrayIcon tray;
    TTimer timer;
};

TEST(Lifetime, DestructionLeavesNoWindowBehind) {
    TestForm form;
    const int before = CountThreadWindows();
    auto controls = std::make_unique<EveryControl>(form.Handle());
    EXPECT_GT(CountThreadWindows(), before + 20);
    controls.reset();
    EXPECT_EQ(CountThreadWindows(), before);
}

TEST(Lifetime, ControlsOutlivingTheirParentWindowLetGoOfIt) {
    auto form = std::make_unique<TestForm>();
    auto controls = std::make_unique<EveryControl>(form->Handle());
    HWND box = controls->box.Handle();
    form->Destroy();
    EXPECT_FALSE(IsWindow(box));
    EXPECT_EQ(controls->box.Handle(), nullptr);
    // No window: the object answers from what it keeps.
    EXPECT_EQ(controls->box.Caption(), "Mute");
    controls->box.SetChecked(true);
    controls->pages.SetActivePageIndex(0);
    controls.reset();
    SUCCEED();
}

TEST(Lifetime, ProgressBarClampsItsPosition) {
    TestForm form;
    TsuiProgressBar bar(form.Handle(), "suiProgressBarCopy", 0, 0, 200, 16);
    bar.SetMax(4);
    bar.SetPosition(7);
    const int high = bar.Position();
    bar.SetPosition(-1);
    EXPECT_EQ((std::vector<int>{high, bar.Position(), static_cast<int>(SendMessageA(bar.Handle(), PBM_GETPOS, 0, 0))}),
              (std::vector<int>{4, 0, 0}));
}

TEST(Lifetime, CommonOperationsReadBack) {
    TestForm form;
    TsuiButton button(form.Handle(), "suiButtonShowHint", 440, 8, 40, 17, ">>");
    button.SetVisible(false);
    button.SetEnabled(false);
    button.SetTabStop(false);
    button.SetTag(42);
    button.SetBounds(400, 10, 50, 20);
    EXPECT_EQ((std::vector<int>{button.Visible(), button.Enabled(), button.TabStop(), static_cast<int>(button.Tag()),
                                button.Left(), button.Top(), button.Width(), button.Height()}),
              (std::vector<int>{0, 0, 0, 42, 400, 10, 50, 20}));
    EXPECT_EQ(TControl::FromHandle(button.Handle()), &button);
    EXPECT_EQ(button.Name(), "suiButtonShowHint");
}

}  // namespace
}  // namespace dorvane::test

namespace dorvane::test {
namespace {

// The manifest selects the themed common controls for the program: the
// module its calls reach is the side-by-side version 6 assembly.
TEST(Manifest, CommonControlsSixAreLoaded) {
    HMODULE comctl = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(reinterpret_cast<void*>(&InitCommonControlsEx)), &comctl);
    ASSERT_NE(comctl, nullptr);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(comctl, path, MAX_PATH);
    CharLowerA(path);
    EXPECT_NE(std::string(path).find("common-controls_6595b64144ccf1df_6.0"), std::string::npos) << path;
}

}  // namespace
}  // namespace dorvane::test
