// Starts DorvaneUI.exe as its own process and finds its windows.
#pragma once
#include <windows.h>
#include <map>
#include <string>
#include <vector>
#include "controls/Handles.h"

namespace dorvane::testing {

// The path an environment variable names, or `built` (this build's) when it
// is unset: a run may point the scenarios at another build's programs (the
// 32-bit panel, the x86 installer).
std::string PathFromEnvironment(const char* name, const char* built);
std::string ProgramPath(const std::string& file);
// A folder holding the panel with the simulated endpoint library beside it,
// as the panel finds the real one on a Vista machine.
std::string EndpointSimFolder();

class PanelProcess {
public:
    // Starts the panel with the given command-line arguments, from the
    // build's program folder or from `folder`.
    explicit PanelProcess(const std::vector<std::string>& args = {}, const std::string& folder = {});
    // From a folder that the 8-bit calls may not be able to name.
    PanelProcess(const std::vector<std::string>& args, const std::wstring& folder);
    // Ends a panel that is still running (VobDestroyMode, then by force).
    ~PanelProcess();
    PanelProcess(const PanelProcess&) = delete;
    PanelProcess& operator=(const PanelProcess&) = delete;

    bool Started() const { return static_cast<bool>(process_); }
    // Waits for the process to end; its exit code, or -1 on time-out.
    long WaitExit(DWORD timeout_ms);
    bool Running() const;

private:
    KernelHandle process_;
};

// Runs the panel with these arguments to its end; its exit code, -1 when it
// did not end in time.
long RunPanelToEnd(const std::vector<std::string>& args, DWORD timeout_ms = 10000);

// The running panel's main window, through the application window's
// property; nullptr until it is there or when no panel runs.
HWND FindPanelForm();
// Waits for the running panel's main window.
HWND WaitForPanelForm(DWORD timeout_ms = 10000);

// Opens the panel's window as a second start does, then closes it with its
// close box, as a user who looks once: the pages' controls get their windows
// when the window first opens, and a scenario reads them from then on. True
// when the panel took both and its window is hidden again.
bool OpenAndClosePanelWindow(HWND form);

// Every descendant of `parent` of that window class, depth first.
std::vector<HWND> Descendants(HWND parent, const char* window_class);
// Adds every window of that class below `parent` (at any depth) to `found`.
void Collect(HWND parent, const char* window_class, std::vector<HWND>& found);
// The first window of that class and caption below `parent`, nullptr if none.
HWND FindControl(HWND parent, const char* window_class, const std::string& caption);
// The texts of a window's child windows (at any depth), each with how often
// it shows; a window without text is left out.
std::map<std::string, int> ChildTexts(HWND parent);
// The text of a list's or a combo box's entry (LB_GETTEXTLEN and LB_GETTEXT,
// or the CB_ pair), through the W messages: across processes Wine answers
// the A ones in UTF-16.
std::wstring ItemText(HWND control, UINT length_message, UINT text_message, int index);

}  // namespace dorvane::testing
