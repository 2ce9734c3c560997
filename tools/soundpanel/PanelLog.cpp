#include "PanelLog.h"
#include <windows.h>
#include "controls/Handles.h"

namespace dorvane::soundpanel {

void PanelLog(const std::string& line) {
    wchar_t path[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableW(L"DORVANE_SOUNDPANEL_LOG", path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return;
    // Opened for each line: the panel may be ended at any moment.
    KernelHandle file(CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    const std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace dorvane::soundpanel
