#include "settings/ProgramFiles.h"
#include <windows.h>
#include "controls/Handles.h"

namespace dorvane {
namespace {

// More than any file of ours holds: a file this big is not read back into
// memory to be put back.
constexpr LONGLONG kMostToPutBack = 16 << 20;

bool WriteFrom0(HANDLE file, const std::string& bytes) {
    DWORD written = 0;
    return SetFilePointer(file, 0, nullptr, FILE_BEGIN) == 0 &&
           WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size() && SetEndOfFile(file) && FlushFileBuffers(file);
}

// The bytes go to a file of their own beside the target, which takes the
// target's place only once all of them are on the disk: a full disk or a
// crash meanwhile leaves the target as it was.
bool WriteBeside(const std::string& path, const std::string& bytes, bool create_new) {
    const std::string temporary = path + "." + std::to_string(GetCurrentProcessId()) + ".tmp";
    bool written = false;
    {
        KernelHandle file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return false;
        written = WriteFrom0(file.get(), bytes);
    }
    // Without the replace flag the move fails when the target has come
    // meanwhile.
    if (written && MoveFileExA(temporary.c_str(), path.c_str(), create_new ? 0 : MOVEFILE_REPLACE_EXISTING))
        return true;
    DeleteFileA(temporary.c_str());
    return false;
}

// A target that cannot be replaced (a reader has it open, or its folder takes
// no new files) is written where it is, and gets its old bytes back when the
// new ones do not all fit: they fit where they were.
bool WriteOver(const std::string& path, const std::string& bytes) {
    // Readers may share: someone who only has the file open to read it (an
    // editor, a virus scanner) must not make a save fail silently.
    KernelHandle file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > kMostToPutBack) return false;
    std::string old(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!ReadFile(file.get(), old.data(), static_cast<DWORD>(old.size()), &read, nullptr) || read != old.size())
        return false;
    if (WriteFrom0(file.get(), bytes)) return true;
    WriteFrom0(file.get(), old);
    return false;
}

}  // namespace

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
    const DWORD attributes = GetFileAttributesA(path.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    // A read-only file stays as it is, as it did when files were written in
    // place.
    if (exists && (create_new || (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0))
        return false;
    return WriteBeside(path, bytes, create_new) || (exists && WriteOver(path, bytes));
}

}  // namespace dorvane
