#include <windows.h>
#include <gtest/gtest.h>
#include "ControlTestSupport.h"
#include "controls/DirectoryListBox.h"
#include "controls/DriveComboBox.h"
#include "controls/FileListBox.h"

namespace dorvane::test {
namespace {

class FileControlsTest : public ::testing::Test {
protected:
    TestForm form;
    TempFolder folder;
    TFileListBox files{form.Handle(), "FileListBoxTest", 300, 10, 200, 200};
    EventLog log;

    void SetUp() override {
        folder.File("b.wav");
        folder.File("A.WAV");
        folder.File("c.txt");
        folder.Folder("d.wav");  // a folder, never listed
        files.SetMask("*.wav");
        files.OnChange = [this] { log.push_back("change " + std::to_string(files.ItemIndex())); };
    }
};

TEST_F(FileControlsTest, ListsMatchingFilesSortedWithoutCase) {
    files.SetDirectory(folder.Path());
    EXPECT_EQ(files.Items(), (std::vector<std::string>{"A.WAV", "b.wav"}));
    files.SetMask("*.txt;*.wav");
    EXPECT_EQ(files.Items(), (std::vector<std::string>{"A.WAV", "b.wav", "c.txt"}));
    EXPECT_EQ(SendMessageA(files.Handle(), LB_GETCOUNT, 0, 0), 3);
}

TEST_F(FileControlsTest, HighlightFromCodeRaisesNothingUserAndReReadRaiseChange) {
    files.SetDirectory(folder.Path());       // a re-read
    files.SetItemIndex(1);                   // code: nothing
    EXPECT_EQ(files.FileName(), folder.Path() + "\\b.wav");
    SendMessageA(files.Handle(), LB_SETCURSEL, 0, 0);
    SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), reinterpret_cast<LPARAM>(files.Handle()));
    folder.File("0.wav");
    files.Update();                          // the highlight stays on A.WAV
    files.SetItemIndex(9);
    EXPECT_EQ(log, (EventLog{"change -1", "change 0", "change 1"}));
    EXPECT_EQ(files.FileName(), "");
}

TEST_F(FileControlsTest, DirectoryListShowsTheWayDownAndLeadsTheFileList) {
    folder.Folder("ring");
    folder.File("ring\\ring_in.wav");
    TDirectoryListBox dirs(form.Handle(), "DirectoryListBoxTest", 10, 10, 250, 200);
    dirs.SetFileList(&files);
    int dir_changes = 0;
    dirs.OnChange = [&] { ++dir_changes; };

    ASSERT_TRUE(dirs.SetDirectory(folder.Path()));
    EXPECT_EQ(files.Directory(), dirs.Directory());
    const auto& entries = dirs.Entries();
    ASSERT_GE(entries.size(), 3u);
    EXPECT_EQ(entries.front().size(), 3u);  // the drive root
    EXPECT_EQ(entries[entries.size() - 2], dirs.Directory() + "\\d.wav");
    EXPECT_EQ(entries.back(), dirs.Directory() + "\\ring");

    dirs.OpenEntry(static_cast<int>(entries.size()) - 1);  // as a double click does
    EXPECT_EQ(files.Items(), (std::vector<std::string>{"ring_in.wav"}));
    EXPECT_FALSE(dirs.SetDirectory(folder.Path() + "\\nothing"));
    EXPECT_EQ(dirs.Directory(), folder.Path() + "\\ring");
    EXPECT_EQ(dir_changes, 1);
}

TEST_F(FileControlsTest, DriveListLeadsTheDirectoryList) {
    TDirectoryListBox dirs(form.Handle(), "dirs", 10, 10, 250, 200);
    TDriveComboBox drives(form.Handle(), "suiDriveComboBoxTest", 10, 220, 150, 21);
    drives.SetDirList(&dirs);
    int drive_changes = 0;
    drives.OnChange = [&] { ++drive_changes; };
    ASSERT_TRUE(dirs.SetDirectory(folder.Path()));
    const char home = static_cast<char>(tolower(folder.Path()[0]));
    EXPECT_TRUE(drives.SetDrive(static_cast<char>(toupper(home))));
    EXPECT_EQ(drives.Drive(), home);
    EXPECT_EQ(dirs.Directory(), folder.Path());  // same drive: the folder stays
    EXPECT_FALSE(drives.SetDrive('!'));

    // The user picks another drive.
    int other = -1;
    for (int i = 0; i < drives.Count() && other < 0; ++i)
        if (drives.Item(i)[0] != home) other = i;
    if (other < 0) GTEST_SKIP() << "only one drive";
    SendMessageA(drives.Handle(), CB_SETCURSEL, static_cast<WPARAM>(other), 0);
    SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(drives.Handle()));
    EXPECT_EQ(drive_changes, 1);
    EXPECT_EQ(static_cast<char>(tolower(dirs.Directory()[0])), drives.Item(other)[0]);
    EXPECT_EQ(dirs.Directory().size(), 3u);
}

}  // namespace
}  // namespace dorvane::test
