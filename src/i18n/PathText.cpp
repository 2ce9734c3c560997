#include "i18n/PathText.h"
#include <windows.h>

namespace dorvane {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Calls `visit` with the offset of every character that begins with a
// separator byte; a lead byte and its trail byte are stepped over together.
template <typename Visit>
void EachSeparator(const std::string& path, unsigned codePage, Visit visit) {
    const char* const begin = path.c_str();
    const char* const end = begin + path.size();
    for (const char* at = begin; at < end;) {
        if (IsSeparator(*at)) visit(static_cast<std::size_t>(at - begin));
        const char* next = CharNextExA(static_cast<WORD>(codePage), at, 0);
        // A NUL inside the text, where CharNextExA stands still.
        at = next > at ? next : at + 1;
    }
}

}  // namespace

std::size_t NameStart(const std::string& path, unsigned codePage) {
    std::size_t start = 0;
    EachSeparator(path, codePage, [&](std::size_t at) { start = at + 1; });
    return start;
}

std::string FolderPart(const std::string& path, unsigned codePage) { return path.substr(0, NameStart(path, codePage)); }

std::string NamePart(const std::string& path, unsigned codePage) { return path.substr(NameStart(path, codePage)); }

bool EndsWithSeparator(const std::string& path, unsigned codePage) {
    return !path.empty() && NameStart(path, codePage) == path.size();
}

std::string JoinPath(const std::string& folder, const std::string& name, unsigned codePage) {
    if (folder.empty()) return name;
    if (EndsWithSeparator(folder, codePage)) return folder + name;
    return folder + '\\' + name;
}

std::vector<std::string> PathParts(const std::string& path, unsigned codePage) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    auto take = [&](std::size_t end) {
        if (end > start) parts.push_back(path.substr(start, end - start));
        start = end + 1;
    };
    EachSeparator(path, codePage, take);
    take(path.size());
    return parts;
}

}  // namespace dorvane
