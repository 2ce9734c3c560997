// TFileListBox: a list box of the files in one folder that match a mask
// ("*.wav", or several patterns separated by ';'), sorted by name without
// regard to letter case. OnChange runs when the user highlights another
// entry and after every re-read of the folder; setting the highlighted
// index from code raises nothing.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "Control.h"

namespace dorvane {

class TFileListBox : public TControl {
public:
    TFileListBox(HWND parent, std::string name, int x, int y, int width, int height);

    const std::string& Directory() const { return directory_; }
    // Shows the files of the folder (re-read at once).
    void SetDirectory(const std::string& directory);
    const std::string& Mask() const { return mask_; }
    void SetMask(const std::string& mask);
    // Reads the folder again; the highlighted file stays highlighted while it
    // is still there.
    void Update();

    int Count() const { return static_cast<int>(files_.size()); }
    const std::vector<std::string>& Items() const { return files_; }
    std::string Item(int index) const;
    // -1 for none. An index out of range highlights nothing.
    int ItemIndex() const;
    void SetItemIndex(int index);
    // The full path of the highlighted file, empty when none is.
    std::string FileName() const;

    std::function<void()> OnChange;
    std::function<void()> OnDblClick;

protected:
    bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void HandleCreated() override;

private:
    std::string directory_;
    std::string mask_ = "*.*";
    std::vector<std::string> files_;
    int index_ = -1;  // the selection while there is no window to keep it
    void Fill();
};

}  // namespace dorvane
