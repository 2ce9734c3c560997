// TDriveComboBox: a drop-down list of the drives ("c: [label]"). Choosing a
// drive, by the user or by code, takes a linked TDirectoryListBox to that
// drive's root unless it already shows a folder of that drive. OnChange runs
// only for the user's choice, as for every combo box of the set.
#pragma once
#include "ComboBox.h"

namespace dorvane {

class TDirectoryListBox;

class TDriveComboBox : public TsuiComboBox {
public:
    TDriveComboBox(HWND parent, std::string name, int x, int y, int width, int height);

    // The selected drive letter in lower case, '\0' when none.
    char Drive() const;
    // Returns false for a letter that is not in the list.
    bool SetDrive(char letter);
    // Lists the drives again.
    void Update();

    void SetDirList(TDirectoryListBox* dir_list) { dir_list_ = dir_list; }

protected:
    bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void FollowInDirList();

    TDirectoryListBox* dir_list_ = nullptr;
};

}  // namespace dorvane
