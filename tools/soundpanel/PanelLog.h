// What the panel did, one line each, appended to the file named by the
// environment variable DORVANE_SOUNDPANEL_LOG (nothing when it is unset).
// A panel that is ended from outside leaves its story there for tests.
#pragma once
#include <string>

namespace dorvane::soundpanel {

void PanelLog(const std::string& line);

}  // namespace dorvane::soundpanel
