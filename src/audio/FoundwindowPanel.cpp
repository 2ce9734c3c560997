#include "audio/FoundwindowPanel.h"
#include "i18n/PathText.h"

namespace dorvane {

const char* SoundPanelCommand(int versionClass) {
    switch (versionClass) {
        case 2: return "rundll32.exe shell32.dll,Control_RunDLL mmsys.cpl,,2";
        case 1: return "rundll32.exe shell32.dll,Control_RunDLL mmsys.cpl,,1";
        default: return nullptr;
    }
}

TProcessStart SoundPanelStart(const std::string& systemFolder, const char* command, const std::string& desktop) {
    TProcessStart start;
    start.CommandLine = JoinPath(systemFolder, command);
    start.CurrentFolder = systemFolder;
    start.Desktop = desktop;
    start.CreationFlags = CREATE_NEW_CONSOLE | HIGH_PRIORITY_CLASS;
    start.InheritHandles = true;
    start.StartupFlags = STARTF_USESHOWWINDOW | STARTF_USEPOSITION;
    start.ShowWindow = SW_HIDE;
    start.X = start.Y = 0;
    return start;
}

}  // namespace dorvane
