// The copy of the endpoint volume library that the program carries as an
// RCDATA resource, for machines where it is missing beside the program.
#pragma once
#include <string>

namespace dorvane {

constexpr char kLibraryImageResource[] = "ZELDEVTOPVOLCTRL";

// Writes the carried image to path, replacing any file there. False, and no
// file left behind, when the program carries no image or the write fails.
bool WriteCarriedLibrary(const std::string& path);

}  // namespace dorvane
