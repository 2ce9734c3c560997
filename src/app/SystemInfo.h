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
    // The system's ANSI code page; 0 asks the platform each time.
    UINT AnsiCodePage = 1252;
    // Ask the platform for the system language each time it is needed (a
    // settings change may bring another); tests state it by hand instead.
    bool LiveSystemLanguage = false;
    std::string SystemFolder;   // no trailing backslash
    std::string ProgramFolder;  // with a trailing backslash

    static SystemInfo FromPlatform();

    LANGID CurrentSystemLanguage() const { return LiveSystemLanguage ? GetSystemDefaultLangID() : SystemLanguage; }
    UINT CurrentAnsiCodePage() const { return AnsiCodePage ? AnsiCodePage : GetACP(); }
};

int VersionClassOf(DWORD major, DWORD minor);

}  // namespace dorvane
