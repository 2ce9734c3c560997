#include "app/SystemInfo.h"

namespace dorvane {

int VersionClassOf(DWORD major, DWORD minor) {
    if (major == 5 && minor == 0) return 1;
    if (major == 5 && minor == 1) return 2;
    if (major == 6 && minor == 0) return 3;
    return 0;
}

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

    DWORD m = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    if (m > 0 && m < MAX_PATH) {
        std::string path(buffer, m);
        size_t slash = path.find_last_of("\\/");
        info.ProgramFolder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    }
    return info;
}

}  // namespace dorvane
