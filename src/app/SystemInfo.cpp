#include "app/SystemInfo.h"
#include "i18n/PathText.h"

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
    if (m > 0 && m < MAX_PATH) info.ProgramFolder = FolderPart(std::string(buffer, m));
    return info;
}

}  // namespace dorvane
