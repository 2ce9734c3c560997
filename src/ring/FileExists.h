// Whether a path names a file (not a folder) that is there now.
#pragma once
#include <string>

namespace dorvane {

bool FileExists(const std::string& path);

}  // namespace dorvane
