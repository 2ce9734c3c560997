#include "settings/ProgramFiles.h"
#include <windows.h>
#include "controls/Handles.h"

namespace dorvane {

std::optional<std::string> ReadFileStart(const std::string& path, std::size_t max_bytes) {
    KernelHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    std::string bytes(max_bytes, '\0');
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) read = 0;
    bytes.resize(read);
    return bytes;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes, bool create_new) {
    // Readers may share: someone who only has the file open to read it (an
    // editor, a virus scanner) must not make a save fail silently.
    KernelHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  create_new ? CREATE_NEW : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    return true;
}

}  // namespace dorvane
