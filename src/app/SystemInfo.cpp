#include "app/SystemInfo.h"
#include "app/ProgramFolder.h"
#include "i18n/TextConvert.h"

namespace dorvane {

int VersionClassOf(DWORD major, DWORD minor) {
    if (major == 5 && minor == 0) return 1;
    if (major == 5 && minor == 1) return 2;
    if (major == 6 && minor == 0) return 3;
    return 0;
}

namespace {
// The folder of the program file, with a trailing backslash, as the 8-bit
// file calls reach it (its short path when the long one does not survive
// the system code page); empty when the system does not say.
std::string PlatformProgramFolder() {
    // Asked in UTF-16: the 8-bit answer has '?' wherever the folder's name
    // has a character the system code page lacks.
    std::wstring file(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, file.data(), static_cast<DWORD>(file.size()));
    if (n == 0 || n >= file.size()) return {};
    file.resize(n);
    const size_t slash = file.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return {};
    FolderNaming naming;
    naming.narrow = [](const std::wstring& text) { return NarrowText(text, CP_ACP); };
    naming.widen = [](const std::string& text) { return WidenText(text, CP_ACP); };
    naming.short_path = [](const std::wstring& path) {
        std::wstring short_path(32768, L'\0');
        const DWORD length = GetShortPathNameW(path.c_str(), short_path.data(), static_cast<DWORD>(short_path.size()));
        short_path.resize(length < short_path.size() ? length : 0);
        return short_path;
    };
    return AnsiFolderPath(file.substr(0, slash + 1), naming);
}
}  // namespace

SystemInfo SystemInfo::FromPlatform() {
    SystemInfo info;
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (GetVersionExA(&version)) info.VersionClass = VersionClassOf(version.dwMajorVersion, version.dwMinorVersion);
    info.SystemLanguage = GetSystemDefaultLangID();
    info.LiveSystemLanguage = true;
    info.AnsiCodePage = 0;

    char buffer[MAX_PATH + 1] = {};
    UINT n = GetSystemDirectoryA(buffer, MAX_PATH);
    if (n > 0 && n < MAX_PATH) info.SystemFolder.assign(buffer, n);

    info.ProgramFolder = PlatformProgramFolder();
    return info;
}

}  // namespace dorvane
