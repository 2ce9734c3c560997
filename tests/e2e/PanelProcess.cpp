#include "PanelProcess.h"
#include <chrono>
#include "PeerWindow.h"
#include "i18n/TextConvert.h"
#include "link/LinkProtocol.h"

namespace dorvane::testing {

std::string PathFromEnvironment(const char* name, const char* built) {
    char value[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string(built);
}

std::string ProgramPath(const std::string& file) {
    return PathFromEnvironment("DORVANE_PANEL_BIN", DORVANE_BIN_WINDOWS) + "\\" + file;
}

std::string EndpointSimFolder() { return PathFromEnvironment("DORVANE_PANEL_ENDPOINTSIM", DORVANE_ENDPOINTSIM_WINDOWS); }

namespace {
KernelHandle Start(const std::vector<std::string>& args, const std::wstring& folder) {
    const std::wstring program =
        folder.empty() ? WidenText(ProgramPath("DorvaneUI.exe"), CP_ACP) : folder + L"\\DorvaneUI.exe";
    std::wstring command = L"\"" + program + L"\"";
    for (const auto& a : args) command += L" \"" + WidenText(a, CP_ACP) + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return KernelHandle();
    CloseHandle(pi.hThread);
    return KernelHandle(pi.hProcess);
}
}  // namespace

PanelProcess::PanelProcess(const std::vector<std::string>& args, const std::string& folder)
    : process_(Start(args, WidenText(folder, CP_ACP))) {}

PanelProcess::PanelProcess(const std::vector<std::string>& args, const std::wstring& folder)
    : process_(Start(args, folder)) {}

PanelProcess::~PanelProcess() {
    if (!Running()) return;
    RunPanelToEnd({"VobDestroyMode"});
    if (WaitExit(5000) == -1) TerminateProcess(process_.get(), 1);
}

bool PanelProcess::Running() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

long PanelProcess::WaitExit(DWORD timeout_ms) {
    if (!process_) return -1;
    // Keep answering sent messages meanwhile: the panel's broadcasts reach
    // this process's windows too.
    if (!PumpUntil([&] { return !Running(); }, timeout_ms)) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return static_cast<long>(code);
}

long RunPanelToEnd(const std::vector<std::string>& args, DWORD timeout_ms) {
    PanelProcess p(args);
    return p.WaitExit(timeout_ms);
}

HWND FindPanelForm() {
    HWND application = FindWindowA("TApplication", "Dorvane UI");
    return application ? static_cast<HWND>(GetPropA(application, "Dorvane UI Form")) : nullptr;
}

std::vector<HWND> Descendants(HWND parent, const char* window_class) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[64] = {};
        GetClassNameA(child, name, sizeof name);
        if (lstrcmpiA(name, window_class) == 0) found.push_back(child);
        for (HWND below : Descendants(child, window_class)) found.push_back(below);
    }
    return found;
}

HWND WaitForPanelForm(DWORD timeout_ms) {
    HWND form = nullptr;
    PumpUntil([&] { return (form = FindPanelForm()) != nullptr; }, timeout_ms);
    return form;
}

bool OpenAndClosePanelWindow(HWND form) {
    DWORD_PTR shown = 0, closed = 0;
    if (!SendMessageTimeoutA(form, WM_UI_SHOW, kInstanceSignatureW, kInstanceSignatureL, SMTO_NORMAL, 5000, &shown) ||
        shown != 1)
        return false;
    if (!SendMessageTimeoutA(form, WM_CLOSE, 0, 0, SMTO_NORMAL, 5000, &closed)) return false;
    return !IsWindowVisible(form);
}

void Collect(HWND parent, const char* window_class, std::vector<HWND>& found) {
    for (HWND window : Descendants(parent, window_class)) found.push_back(window);
}

HWND FindControl(HWND parent, const char* window_class, const std::string& caption) {
    std::vector<HWND> found;
    Collect(parent, window_class, found);
    for (HWND window : found) {
        char text[256] = {};
        GetWindowTextA(window, text, sizeof text);
        if (caption == text) return window;
    }
    return nullptr;
}

std::wstring ItemText(HWND control, UINT length_message, UINT text_message, int index) {
    // LB_ERR and CB_ERR are both -1.
    const LRESULT length = SendMessageW(control, length_message, static_cast<WPARAM>(index), 0);
    if (length < 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(control, text_message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

std::map<std::string, int> ChildTexts(HWND parent) {
    std::map<std::string, int> texts;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM lp) {
            std::string text(4096, '\0');
            text.resize(static_cast<size_t>(GetWindowTextA(child, text.data(), static_cast<int>(text.size()))));
            if (!text.empty()) ++(*reinterpret_cast<std::map<std::string, int>*>(lp))[text];
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

}  // namespace dorvane::testing
