// A folder of its own under the temporary folder, removed with its files.
#pragma once
#include <string>

namespace dorvane::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name, const std::string& content = "x") const;
    std::string Folder(const std::string& name) const;

private:
    std::string path_;
};

// A file's bytes, or "<none>" when it cannot be read.
std::string FileContents(const std::string& path);

}  // namespace dorvane::test
