// The program folder as the 8-bit file calls must name it. Pure: no Windows
// headers; the platform's conversions and short names are handed in.
#pragma once
#include <functional>
#include <string>

namespace dorvane {

struct FolderNaming {
    // UTF-16 to the system code page and back (unmappable characters become
    // the code page's default character, as Windows converts).
    std::function<std::string(const std::wstring&)> narrow;
    std::function<std::wstring(const std::string&)> widen;
    // The folder's short (8.3) path; empty when the system gives none.
    std::function<std::wstring(const std::wstring&)> short_path;
};

// The folder's long path when it survives the system code page, else its
// short path when that does, else the long path as the code page renders it
// (the files beside the program then cannot be reached, as before).
std::string AnsiFolderPath(const std::wstring& folder, const FolderNaming& naming);

}  // namespace dorvane
