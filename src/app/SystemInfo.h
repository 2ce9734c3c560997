// What the program asks of the platform at start, gathered in one place so
// that tests can state it by hand.
#pragma once
#include <windows.h>
#include <string>

namespace dorvane {

struct SystemInfo {
    // 1 Windows 2000, 2 XP, 3 Vista, 0 anything else or a failed query.
    int VersionClass = 0;
    LANGID SystemLanguage = 0x0409;
    std::string SystemFolder;   // no trailing backslash
    std::string ProgramFolder;  // with a trailing backslash

    static SystemInfo FromPlatform();
};

int VersionClassOf(DWORD major, DWORD minor);

}  // namespace dorvane
