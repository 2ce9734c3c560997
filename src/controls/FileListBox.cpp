#include "FileListBox.h"
#include <algorithm>
#include "Handles.h"
#include "i18n/PathText.h"

namespace dorvane {
namespace {
std::vector<std::string> SplitMask(const std::string& mask) {
    std::vector<std::string> patterns;
    size_t start = 0;
    while (start <= mask.size()) {
        const size_t end = std::min(mask.find(';', start), mask.size());
        std::string pattern = mask.substr(start, end - start);
        if (!pattern.empty()) patterns.push_back(std::move(pattern));
        start = end + 1;
    }
    if (patterns.empty()) patterns.push_back("*.*");
    return patterns;
}

std::vector<std::string> ReadFiles(const std::string& folder, const std::string& mask) {
    std::vector<std::string> files;
    if (folder.empty()) return files;
    for (const auto& pattern : SplitMask(mask)) {
        WIN32_FIND_DATAA found{};
        FindHandle find(FindFirstFileA(JoinPath(folder, pattern).c_str(), &found));
        if (!find) continue;
        do {
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
            files.emplace_back(found.cFileName);
        } while (FindNextFileA(find.get(), &found));
    }
    std::sort(files.begin(), files.end(),
              [](const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) < 0; });
    // Two patterns may match one file.
    files.erase(std::unique(files.begin(), files.end(),
                            [](const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }),
                files.end());
    return files;
}
}  // namespace

TFileListBox::TFileListBox(HWND parent, std::string name, int x, int y, int width, int height)
    : TControl(parent, std::move(name)) {
    CreateHandle("LISTBOX", "", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                 WS_EX_CLIENTEDGE, x, y, width, height);
}

void TFileListBox::SetDirectory(const std::string& directory) {
    directory_ = directory;
    Update();
}

void TFileListBox::SetMask(const std::string& mask) {
    if (mask == mask_) return;
    mask_ = mask;
    Update();
}

void TFileListBox::Update() {
    const std::string highlighted = Item(ItemIndex());
    files_ = ReadFiles(directory_, mask_);
    index_ = -1;
    Fill();
    int keep = -1;
    for (int i = 0; i < Count() && !highlighted.empty(); ++i)
        if (lstrcmpiA(files_[static_cast<size_t>(i)].c_str(), highlighted.c_str()) == 0) keep = i;
    SetItemIndex(keep);
    if (OnChange) OnChange();
}

std::string TFileListBox::Item(int index) const {
    if (index < 0 || index >= Count()) return {};
    return files_[static_cast<size_t>(index)];
}

void TFileListBox::Fill() {
    if (!Handle()) return;
    SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
    SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
    for (const auto& file : files_) SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(file.c_str()));
    SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TFileListBox::HandleCreated() {
    Fill();
    SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index_), 0);
}

int TFileListBox::ItemIndex() const {
    if (!Handle()) return index_;
    const LRESULT index = SendMessageA(Handle(), LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

void TFileListBox::SetItemIndex(int index) {
    if (index < 0 || index >= Count()) index = -1;
    index_ = index;
    if (!Handle()) return;
    SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string TFileListBox::FileName() const {
    const int index = ItemIndex();
    return index < 0 ? std::string() : JoinPath(directory_, Item(index));
}

bool TFileListBox::Notify(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg != WM_COMMAND) return false;
    switch (HIWORD(wp)) {
    case LBN_SELCHANGE:
        if (OnChange) OnChange();
        break;
    case LBN_DBLCLK:
        if (OnDblClick) OnDblClick();
        break;
    default:
        return false;
    }
    result = 0;
    return true;
}

}  // namespace dorvane
