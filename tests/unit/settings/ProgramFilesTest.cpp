// The files beside the program, written while someone else reads them.
#include <windows.h>
#include <gtest/gtest.h>
#include "TempFolder.h"
#include "controls/Handles.h"
#include "settings/ProgramFiles.h"

namespace dorvane {
namespace {

// A reader (a test polling the file, an editor, a virus scanner) holds the
// file open: the save still goes through, and a file made only when missing
// stays as it was.
TEST(ProgramFiles, ASaveGoesThroughWhileAReaderHasTheFileOpen) {
    test::TempFolder folder;
    const std::string list = folder.File("urlList.vob", "old");
    const std::string mute = folder.File("mute.wav", "kept");
    {
        KernelHandle reading(CreateFileA(list.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(reading);
        EXPECT_TRUE(WriteFileBytes(list, "new", false));
        EXPECT_FALSE(WriteFileBytes(mute, "again", true));
    }
    EXPECT_EQ(ReadFileStart(list, 16), std::optional<std::string>("new"));
    EXPECT_EQ(ReadFileStart(mute, 16), std::optional<std::string>("kept"));
}

}  // namespace
}  // namespace dorvane
