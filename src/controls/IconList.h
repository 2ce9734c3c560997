// TIconList: an image list of icons the list owns, addressed by index.
#pragma once
#include <windows.h>
#include <vector>
#include "Handles.h"

namespace dorvane {

class TIconList {
public:
    // Returns the new icon's index, or -1 for an empty handle.
    int Add(IconHandle icon);
    int Count() const { return static_cast<int>(icons_.size()); }
    // nullptr for an index out of range.
    HICON Get(int index) const;

private:
    std::vector<IconHandle> icons_;
};

}  // namespace dorvane
