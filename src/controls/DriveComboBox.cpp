#include "DriveComboBox.h"
#include <cctype>
#include "DirectoryListBox.h"

namespace dorvane {
namespace {
char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

std::string DriveText(const char* root) {
    std::string text{Lower(root[0]), ':'};
    // Only fixed drives are asked for a label: a floppy or network drive may
    // keep the caller waiting.
    if (GetDriveTypeA(root) == DRIVE_FIXED) {
        char label[MAX_PATH + 1] = {};
        if (GetVolumeInformationA(root, label, sizeof(label), nullptr, nullptr, nullptr, nullptr, 0) && label[0])
            text += std::string(" [") + label + "]";
    }
    return text;
}
}  // namespace

TDriveComboBox::TDriveComboBox(HWND parent, std::string name, int x, int y, int width, int height)
    : TsuiComboBox(parent, std::move(name), x, y, width, height) {
    Update();
    char current[MAX_PATH] = {};
    if (GetCurrentDirectoryA(MAX_PATH, current) > 0) SetDrive(current[0]);
}

void TDriveComboBox::Update() {
    const char keep = Drive();
    Clear();
    char roots[26 * 4 + 1] = {};
    const DWORD length = GetLogicalDriveStringsA(sizeof(roots) - 1, roots);
    if (length > 0 && length < sizeof(roots))
        for (const char* root = roots; *root; root += lstrlenA(root) + 1) AddItem(DriveText(root));
    if (keep) SetDrive(keep);
}

char TDriveComboBox::Drive() const {
    const std::string text = Item(ItemIndex());
    return text.empty() ? '\0' : text[0];
}

bool TDriveComboBox::SetDrive(char letter) {
    letter = Lower(letter);
    for (int i = 0; i < Count(); ++i) {
        if (Item(i)[0] != letter) continue;
        SetItemIndex(i);
        FollowInDirList();
        return true;
    }
    return false;
}

void TDriveComboBox::FollowInDirList() {
    const char drive = Drive();
    if (!dir_list_ || !drive || Lower(dir_list_->Drive()) == drive) return;
    dir_list_->SetDirectory(std::string{drive, ':', '\\'});
}

bool TDriveComboBox::Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_COMMAND && HIWORD(wp) == CBN_SELCHANGE) FollowInDirList();
    return TsuiComboBox::Notify(msg, wp, lp, result);
}

}  // namespace dorvane
