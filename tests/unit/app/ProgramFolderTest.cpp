// Which path of the program folder the file calls get; pure, so also built
// natively (tests/native).
#include <gtest/gtest.h>
#include <map>
#include "app/ProgramFolder.h"

namespace dorvane {
namespace {

// A code page of the first 256 characters: every other becomes '?'.
std::string Latin1(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out += c < 256 ? static_cast<char>(c) : '?';
    return out;
}
std::wstring FromLatin1(const std::string& text) {
    std::wstring out;
    for (char c : text) out += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return out;
}

TEST(ProgramFolder, TheFileCallsGetAPathThatSurvivesTheCodePage) {
    const std::wstring cyrillic = L"C:\\Users\\\x0418\x0432\x0430\x043D\\AppData\\Local\\Programs\\DorvaneUI\\";
    const std::map<std::wstring, std::wstring> short_names = {
        {cyrillic, L"C:\\Users\\0C3A~1\\AppData\\Local\\Programs\\DORVAN~1\\"},
        {L"D:\\\x041F\\", L"D:\\\x041F\\"},  // a name that is already short keeps its characters
    };
    FolderNaming naming{Latin1, FromLatin1, [&](const std::wstring& path) {
                            auto it = short_names.find(path);
                            return it == short_names.end() ? std::wstring() : it->second;
                        }};
    const struct {
        const char* what;
        std::wstring folder;
        std::string path;
    } cases[] = {
        {"plain", L"C:\\Program Files\\DorvaneUI\\", "C:\\Program Files\\DorvaneUI\\"},
        {"in the code page", L"C:\\Users\\Jos\xE9\\DorvaneUI\\", "C:\\Users\\Jos\xE9\\DorvaneUI\\"},
        {"outside it", cyrillic, "C:\\Users\\0C3A~1\\AppData\\Local\\Programs\\DORVAN~1\\"},
        {"outside it, no short names", L"E:\\\x0418\x0432\x0430\x043D\\", "E:\\????\\"},
        {"outside it, short name alike", L"D:\\\x041F\\", "D:\\?\\"},
        {"none", L"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(AnsiFolderPath(c.folder, naming), c.path) << c.what;
}

}  // namespace
}  // namespace dorvane
