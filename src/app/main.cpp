// Process entry of DorvaneUI.exe.
#include <windows.h>
#include "app/ProcessEntry.h"
#include "app/SingleInstance.h"
#include "app/SystemInfo.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return dorvane::ProcessEntry(dorvane::SystemInfo::FromPlatform(), dorvane::CommandLineArguments());
}
