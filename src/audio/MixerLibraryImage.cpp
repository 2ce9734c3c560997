#include "audio/MixerLibraryImage.h"
#include <windows.h>
#include "controls/Handles.h"

namespace dorvane {

bool WriteCarriedLibrary(const std::string& path) {
    HMODULE self = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(self, kLibraryImageResource, MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (!found) return false;
    const DWORD size = SizeofResource(self, found);
    HGLOBAL loaded = LoadResource(self, found);
    const void* image = loaded ? LockResource(loaded) : nullptr;
    if (!image || size == 0) return false;

    DWORD written = 0;
    {
        KernelHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return false;
        if (!WriteFile(file.get(), image, size, &written, nullptr)) written = 0;
    }
    // A cut copy would load as a damaged module, or not at all: leave none.
    if (written != size) {
        DeleteFileA(path.c_str());
        return false;
    }
    return true;
}

}  // namespace dorvane
