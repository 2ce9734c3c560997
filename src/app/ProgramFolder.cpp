#include "app/ProgramFolder.h"

namespace dorvane {
namespace {

// A path that comes back from the code page unchanged names the same file:
// one that does not has lost characters ('?' in their place, or a look-alike).
bool Survives(const std::wstring& path, const std::string& narrow, const FolderNaming& naming) {
    return naming.widen(narrow) == path;
}

}  // namespace

std::string AnsiFolderPath(const std::wstring& folder, const FolderNaming& naming) {
    const std::string long_path = naming.narrow(folder);
    if (Survives(folder, long_path, naming)) return long_path;
    // A per-user install under a user name the code page lacks: the short
    // path is made of characters every code page has.
    const std::wstring short_path = naming.short_path ? naming.short_path(folder) : std::wstring();
    if (!short_path.empty()) {
        const std::string narrow_short = naming.narrow(short_path);
        if (Survives(short_path, narrow_short, naming)) return narrow_short;
    }
    return long_path;
}

}  // namespace dorvane
