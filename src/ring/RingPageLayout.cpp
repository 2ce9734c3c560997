// The ring page: drive, folder and file lists, the current ring tone, the
// Default button, the player and the copy progress.
#include "app/Unit1.h"

namespace dorvane {

void TForm1::CreateRingPage() {
    HWND page = suiTabSheetRing->Handle();
    auto& drives = Own(suiDriveComboBoxTest, std::make_unique<TDriveComboBox>(page, "suiDriveComboBoxTest", 8, 8, 200, 200));
    auto& folders =
        Own(DirectoryListBoxTest, std::make_unique<TDirectoryListBox>(page, "DirectoryListBoxTest", 8, 36, 200, 150));
    auto& files =
        Own(FileListBoxTest, std::make_unique<TFileListBoxDragDrop>(page, "FileListBoxTest", 216, 8, 351, 178));
    files.SetMask("*.wav");
    drives.SetDirList(&folders);
    folders.SetFileList(&files);

    auto& progress =
        Own(suiProgressBarCopy, std::make_unique<TsuiProgressBar>(page, "suiProgressBarCopy", 8, 192, 559, 12));
    // Full until a drop begins, and full again after each.
    progress.SetPosition(progress.Max());
    Own(LabelRingStr, std::make_unique<TLabel>(page, "LabelRingStr", 8, 214, 80, 16));
    Own(LabelRingPath, std::make_unique<TLabel>(page, "LabelRingPath", 92, 214, 300, 16));
    Own(LabelRingTone, std::make_unique<TLabel>(page, "LabelRingTone", 92, 234, 300, 16));
    Own(suiButtonDefault, std::make_unique<TsuiButton>(page, "suiButtonDefault", 400, 216, 76, 28));
    auto& player = Own(MediaPlayerTest, std::make_unique<TMediaPlayer>(page, "MediaPlayerTest", 484, 216, 83, 28));
    // The program sets which buttons are enabled; they show the player's state.
    player.SetEnabledButtons(false, false);
}

}  // namespace dorvane
