// Reading and writing the small files beside the program whole, through
// the system's file calls (8-bit paths in the system code page).
#pragma once
#include <cstddef>
#include <optional>
#include <string>

namespace dorvane {

// Up to max_bytes from the start of the file; nothing when it cannot be
// opened for reading.
std::optional<std::string> ReadFileStart(const std::string& path, std::size_t max_bytes);

// Writes the file anew, whole or not at all (create_new: only when there is
// no file of that name, so that one that is there but cannot be read is
// kept). False when it could not be written: the file is then as it was, and
// nothing else is left beside it.
bool WriteFileBytes(const std::string& path, const std::string& bytes, bool create_new);

}  // namespace dorvane
