#include "IconList.h"

namespace dorvane {

int TIconList::Add(IconHandle icon) {
    if (!icon) return -1;
    icons_.push_back(std::move(icon));
    return Count() - 1;
}

HICON TIconList::Get(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return icons_[static_cast<size_t>(index)].get();
}

}  // namespace dorvane
