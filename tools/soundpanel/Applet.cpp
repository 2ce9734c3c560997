// The control panel entry of the stand-in mmsys.cpl: one applet, which
// Control_RunDLL opens with its page parameter ("mmsys.cpl,,2").
#include <windows.h>
#include <cpl.h>
#include "PanelDialog.h"
#include "SoundPanelIds.h"

namespace {
HINSTANCE g_instance = nullptr;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) g_instance = instance;
    return TRUE;
}

extern "C" LONG WINAPI CPlApplet(HWND, UINT msg, LPARAM, LPARAM lParam2) {
    switch (msg) {
        case CPL_INIT: return TRUE;
        case CPL_GETCOUNT: return 1;
        case CPL_INQUIRE: {
            auto* info = reinterpret_cast<CPLINFO*>(lParam2);
            info->idIcon = CPL_DYNAMIC_RES;
            info->idName = IDS_APPLET_NAME;
            info->idInfo = IDS_APPLET_INFO;
            info->lData = 0;
            return 0;
        }
        // Every page shows the same devices: the page parameter only picks
        // where the real panel opens.
        case CPL_STARTWPARMSA:
        case CPL_STARTWPARMSW:
            dorvane::soundpanel::RunSoundPanel(g_instance);
            return TRUE;
        case CPL_DBLCLK:
            dorvane::soundpanel::RunSoundPanel(g_instance);
            return 0;
        default: return 0;
    }
}
