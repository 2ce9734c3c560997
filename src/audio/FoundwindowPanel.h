// The Windows Sound control panel as the default-device worker and the
// audio page's button start it: its page for a Windows version class and
// the start-up the two starts share.
#pragma once
#include <string>
#include "controls/ProcessStart.h"

namespace dorvane {

// The command after the system folder and a backslash: the page of the
// panel whose dialog shape is known (",,2" on XP, ",,1" on 2000); nullptr
// for any other version class.
const char* SoundPanelCommand(int versionClass);

// The panel started with `command` from the system folder, hidden at 0, 0,
// as its own high-priority console process that inherits handles; with no
// system folder the bare command and no current folder. `desktop` empty:
// the starter's desktop.
TProcessStart SoundPanelStart(const std::string& systemFolder, const char* command, const std::string& desktop = {});

}  // namespace dorvane
