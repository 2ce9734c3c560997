// TDirectoryListBox: a list box showing a folder as a tree: the drive root,
// each folder on the way down (indented by depth), then the folder's own
// subfolders. A double click opens the clicked folder. A linked
// TFileListBox always shows the folder shown here. OnChange runs when the
// user opens another folder; setting the folder from code raises nothing.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "Control.h"

namespace dorvane {

class TFileListBox;

class TDirectoryListBox : public TControl {
public:
    TDirectoryListBox(HWND parent, std::string name, int x, int y, int width, int height);

    const std::string& Directory() const { return directory_; }
    // Returns false (and keeps the current folder) for a path that is not an
    // existing folder.
    bool SetDirectory(const std::string& directory);
    // Reads the folder tree again.
    void Update();
    char Drive() const { return directory_.empty() ? '\0' : directory_[0]; }

    void SetFileList(TFileListBox* file_list);

    // The folder of each line, top to bottom.
    const std::vector<std::string>& Entries() const { return entries_; }
    // Opens the folder of a line, as a double click on it does.
    void OpenEntry(int index);

    std::function<void()> OnChange;

protected:
    bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void HandleCreated() override;

private:
    std::string directory_;
    std::vector<std::string> entries_;
    std::vector<std::string> lines_;  // the entries as the list shows them
    void Fill();
    TFileListBox* file_list_ = nullptr;
};

}  // namespace dorvane
