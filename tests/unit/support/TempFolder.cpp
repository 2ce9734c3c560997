#include "TempFolder.h"
#include <windows.h>
#include <shellapi.h>
#include <fstream>
#include <iterator>
#include "controls/Handles.h"

namespace dorvane::test {

TempFolder::TempFolder() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    char unique[MAX_PATH] = {};
    GetTempFileNameA(base, "dct", 0, unique);
    DeleteFileA(unique);
    CreateDirectoryA(unique, nullptr);
    path_ = unique;
}

TempFolder::~TempFolder() {
    // SHFileOperation wants a double-terminated list.
    std::string from = path_ + '\0';
    SHFILEOPSTRUCTA op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&op);
}

std::string TempFolder::File(const std::string& name, const std::string& content) const {
    const std::string path = path_ + "\\" + name;
    KernelHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    if (file) WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    return path;
}

std::string TempFolder::Folder(const std::string& name) const {
    const std::string path = path_ + "\\" + name;
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

std::string FileContents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : std::string("<none>");
}

}  // namespace dorvane::test
