#include "DirectoryListBox.h"
#include <algorithm>
#include "FileListBox.h"
#include "i18n/PathText.h"

namespace dorvane {
namespace {
bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string FullPath(const std::string& path) {
    char buffer[MAX_PATH] = {};
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, buffer, nullptr);
    if (length == 0 || length >= MAX_PATH) return {};
    std::string full(buffer, length);
    // "C:\" keeps its backslash; every other folder has none at the end.
    if (full.size() > 3 && EndsWithSeparator(full)) full.pop_back();
    return full;
}

std::vector<std::string> Subfolders(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    FindHandle find(FindFirstFileA(JoinPath(folder, "*").c_str(), &found));
    if (!find) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        names.push_back(name);
    } while (FindNextFileA(find.get(), &found));
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) < 0; });
    return names;
}
}  // namespace

TDirectoryListBox::TDirectoryListBox(HWND parent, std::string name, int x, int y, int width, int height)
    : TControl(parent, std::move(name)) {
    CreateHandle("LISTBOX", "", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                 WS_EX_CLIENTEDGE, x, y, width, height);
}

bool TDirectoryListBox::SetDirectory(const std::string& directory) {
    const std::string full = FullPath(directory);
    if (full.empty() || !IsFolder(full)) return false;
    directory_ = full;
    Update();
    if (file_list_) file_list_->SetDirectory(directory_);
    return true;
}

void TDirectoryListBox::SetFileList(TFileListBox* file_list) {
    file_list_ = file_list;
    if (file_list_ && !directory_.empty()) file_list_->SetDirectory(directory_);
}

void TDirectoryListBox::Update() {
    entries_.clear();
    lines_.clear();
    if (!directory_.empty()) {
        // The way down: "C:\", then each folder of the path.
        std::string path = directory_.substr(0, 3);
        entries_.push_back(path);
        lines_.push_back(path);
        size_t depth = 1;
        for (const auto& part : PathParts(directory_.substr(3))) {
            path = JoinPath(path, part);
            entries_.push_back(path);
            lines_.push_back(std::string(depth * 2, ' ') + part);
            ++depth;
        }
        for (const auto& name : Subfolders(directory_)) {
            entries_.push_back(JoinPath(directory_, name));
            lines_.push_back(std::string(depth * 2, ' ') + name);
        }
    }
    Fill();
}

void TDirectoryListBox::HandleCreated() { Fill(); }

void TDirectoryListBox::Fill() {
    if (!Handle()) return;
    SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
    SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
    for (const auto& line : lines_) SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    // The open folder is the last line of the way down.
    const auto current = std::find(entries_.begin(), entries_.end(), directory_);
    if (current != entries_.end())
        SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(current - entries_.begin()), 0);
    SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TDirectoryListBox::OpenEntry(int index) {
    if (index < 0 || index >= static_cast<int>(entries_.size())) return;
    const std::string target = entries_[static_cast<size_t>(index)];
    if (target == directory_) return;
    if (SetDirectory(target) && OnChange) OnChange();
}

bool TDirectoryListBox::Notify(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg != WM_COMMAND || HIWORD(wp) != LBN_DBLCLK) return false;
    const LRESULT index = SendMessageA(Handle(), LB_GETCURSEL, 0, 0);
    OpenEntry(index == LB_ERR ? -1 : static_cast<int>(index));
    result = 0;
    return true;
}

}  // namespace dorvane
