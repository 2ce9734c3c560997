#pragma once
#include <string>
#include <vector>
#include "app/SystemInfo.h"

namespace dorvane {

// The whole life of the process: the single-instance guard, the windows, the
// message loop, the teardown. Returns the exit code, 0 on every path.
int ProcessEntry(const SystemInfo& system, const std::vector<std::string>& args);

}  // namespace dorvane
