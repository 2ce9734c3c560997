// Paths split and joined by characters, in the code pages where a
// character's second byte can be a backslash's. The expectations are split
// in UTF-16, where no such doubt arises, then converted.
#include "i18n/PathText.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>
#include "i18n/TextConvert.h"

namespace dorvane {
namespace {

struct Case {
    unsigned codePage;
    std::wstring folder;  // without its last backslash
    std::wstring name;
};

TEST(PathText, ABackslashByteInsideACharacterSeparatesNothing) {
    // Each of these ends in byte 0x5C: ソ 表 能 十 予 in 932, 許 功 in 950,
    // 運 錦 in 936 (949 has none).
    const Case cases[] = {
        {932, L"C:\\\x4E88\x5B9A\x8868", L"\x30BD\x30F3\x30B0.wav"},  // 予定表 \ ソング.wav
        {932, L"C:\\\x30BD\x30D5\x30C8", L"\x8868"},                  // ソフト \ 表
        {932, L"C:\\\x80FD", L"\x5341\x4E88.wav"},                    // 能 \ 十予.wav
        {950, L"D:\\\x8A31", L"\x529F.wav"},                          // 許 \ 功.wav
        {936, L"C:\\\x904B", L"\x9326"},                              // 運 \ 錦
    };
    for (const auto& c : cases) {
        const std::string folder = NarrowText(c.folder, c.codePage), name = NarrowText(c.name, c.codePage);
        ASSERT_NE(folder.find('\\', 3), std::string::npos) << c.codePage;  // the trap is there
        const std::string path = folder + '\\' + name;
        SCOPED_TRACE(path);
        EXPECT_EQ(FolderPart(path, c.codePage), folder + '\\');
        EXPECT_EQ(NamePart(path, c.codePage), name);
        EXPECT_EQ(NamePart(name, c.codePage), name);
        EXPECT_FALSE(EndsWithSeparator(folder, c.codePage));
        EXPECT_TRUE(EndsWithSeparator(folder + '\\', c.codePage));
        EXPECT_EQ(JoinPath(folder, name, c.codePage), path);
        EXPECT_EQ(JoinPath(folder + '\\', name, c.codePage), path);
        EXPECT_EQ(PathParts(path, c.codePage), (std::vector<std::string>{folder.substr(0, 2), folder.substr(3), name}));
    }
}

TEST(PathText, SlashesSeparateAndEmptyPartsAreLeftOut) {
    EXPECT_EQ(NamePart("C:/ring/a.wav"), "a.wav");
    EXPECT_EQ(FolderPart("a.wav"), "");
    EXPECT_EQ(JoinPath("", "a.wav"), "a.wav");
    EXPECT_EQ(JoinPath("C:\\", "a.wav"), "C:\\a.wav");
    EXPECT_EQ(PathParts("\\\\server\\\\share\\"), (std::vector<std::string>{"server", "share"}));
}

}  // namespace
}  // namespace dorvane
