// An installer as a user runs it (x64, or the x86 one the run names), in a
// fresh prefix: a silent install that starts the panel, an upgrade over the
// running panel that keeps the user's files, and a silent uninstall that
// keeps them too. The scenarios build on each other and run in this order.
#include <windows.h>
#include <shlobj.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include "PanelProcess.h"
#include "PeerWindow.h"
#include "TempFolder.h"
#include "controls/Handles.h"
#include "phonesim/PhoneService.h"

namespace dorvane::testing {
namespace {
using dorvane::test::FileContents;

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kSettingsKey[] = "SoftWare\\TALVEX\\USB_PHONE_K52";

std::string Folder(int csidl) {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, csidl, nullptr, 0, path);
    return path;
}
std::string InstallFolder() { return Folder(CSIDL_LOCAL_APPDATA) + "\\Programs\\DorvaneUI"; }
std::string Shortcut() { return Folder(CSIDL_PROGRAMS) + "\\Dorvane UI.lnk"; }
bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A value of the user's registry, or "<none>".
std::string UserValue(const char* key, const char* name) {
    char value[1024] = {};
    DWORD size = sizeof value - 1;
    if (RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ | RRF_RT_REG_DWORD, nullptr, value, &size) != 0)
        return "<none>";
    return value;
}

// Runs a program to its end; its exit code, or -1.
long RunToEnd(const std::string& command_line, DWORD timeout_ms = 120000) {
    std::string command = command_line;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
    CloseHandle(pi.hThread);
    KernelHandle process(pi.hProcess);
    if (!PumpUntil([&] { return WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0; }, timeout_ms)) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process.get(), &code);
    return static_cast<long>(code);
}

// The version a file's version resource gives, or "".
std::string FileVersion(const std::string& path) {
    DWORD ignored = 0;
    std::string block(GetFileVersionInfoSizeA(path.c_str(), &ignored), '\0');
    if (block.empty() || !GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data())) return "";
    char* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\StringFileInfo\\040904E4\\FileVersion", reinterpret_cast<void**>(&text), &length))
        return "";
    return std::string(text, length ? length - 1 : 0);
}

// The panel that runs now, as a process handle.
KernelHandle RunningPanel() {
    HWND form = WaitForPanelForm(15000);
    if (!form) return KernelHandle();
    DWORD pid = 0;
    GetWindowThreadProcessId(form, &pid);
    return KernelHandle(OpenProcess(SYNCHRONIZE, FALSE, pid));
}

class InstallerScenario : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        phonesim::ServiceConfig config;
        config.phone_present = true;
        service = new phonesim::PhoneService(config);
        service->Start();
    }
    static void TearDownTestSuite() {
        if (FindPanelForm()) RunPanelToEnd({"VobDestroyMode"});
        delete service;
        service = nullptr;
    }
    // This build's installer, or the one the run names (the x86 one).
    static std::string SetupCommand() {
        return "\"" + PathFromEnvironment("DORVANE_SETUP", DORVANE_SETUP_WINDOWS) + "\" /S";
    }
    static size_t AttachCount() {
        size_t count = 0;
        for (const auto& line : service->Log().Lines()) count += line.find("recv attach") != std::string::npos;
        return count;
    }
    // Waits for a panel to attach to the phone service afresh.
    static bool Attached() {
        const bool more = PumpUntil([] { return AttachCount() > attaches; }, 15000);
        attaches = AttachCount();
        return more;
    }

    static inline phonesim::PhoneService* service = nullptr;
    static inline size_t attaches = 0;
};

TEST_F(InstallerScenario, ASilentInstallPutsThePanelInTheUsersProgramsAndStartsIt) {
    ASSERT_EQ(RunToEnd(SetupCommand()), 0);
    const std::string dir = InstallFolder();
    for (const char* file : {"DorvaneUI.exe", "zeldevtopvolctrl.dll", "ring\\ring_in.wav", "Uninstall.exe"})
        EXPECT_TRUE(Exists(dir + "\\" + file)) << file;
    EXPECT_TRUE(Exists(Shortcut()));
    EXPECT_EQ(UserValue(kRunKey, "Dorvane UI"), "\"" + dir + "\\DorvaneUI.exe\"");
    // What Explorer shows: the version of both files and the program's icon.
    EXPECT_EQ(FileVersion(dir + "\\DorvaneUI.exe"), DORVANE_VERSION_TEXT);
    EXPECT_EQ(FileVersion(dir + "\\zeldevtopvolctrl.dll"), DORVANE_VERSION_TEXT);
    EXPECT_GE(ExtractIconExA((dir + "\\DorvaneUI.exe").c_str(), -1, nullptr, nullptr, 0), 1u);
    EXPECT_TRUE(Attached());
}

TEST_F(InstallerScenario, AnUpgradeEndsTheRunningPanelAndKeepsTheUsersFiles) {
    const std::string dir = InstallFolder();
    KernelHandle old_panel = RunningPanel();
    ASSERT_TRUE(old_panel);
    const std::string list = "Mail\r\nhttp://mail.example/\r\nN/A\r\n\r\nN/A\r\n\r\nN/A\r\n\r\n";
    {
        KernelHandle file(CreateFileA((dir + "\\urlList.vob").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        DWORD written = 0;
        WriteFile(file.get(), list.data(), static_cast<DWORD>(list.size()), &written, nullptr);
    }
    const std::string ring_vob = FileContents(dir + "\\ring.vob");
    EXPECT_NE(ring_vob, "<none>");  // the panel wrote it at its first start

    ASSERT_EQ(RunToEnd(SetupCommand()), 0);
    EXPECT_EQ(WaitForSingleObject(old_panel.get(), 0), WAIT_OBJECT_0);
    EXPECT_EQ(FileContents(dir + "\\urlList.vob"), list);
    EXPECT_EQ(FileContents(dir + "\\ring.vob"), ring_vob);
    EXPECT_TRUE(Attached());  // the new panel
}

TEST_F(InstallerScenario, ASilentUninstallRemovesTheProgramAndKeepsTheUsersFiles) {
    const std::string dir = InstallFolder();
    KernelHandle panel = RunningPanel();
    ASSERT_TRUE(panel);
    ASSERT_EQ(RunToEnd("\"" + dir + "\\Uninstall.exe\" /S"), 0);
    // The uninstaller goes on from a copy of itself.
    EXPECT_TRUE(PumpUntil([&] { return !Exists(dir + "\\DorvaneUI.exe") && !Exists(dir + "\\Uninstall.exe"); }, 30000));
    EXPECT_EQ(WaitForSingleObject(panel.get(), 0), WAIT_OBJECT_0);
    EXPECT_FALSE(Exists(dir + "\\zeldevtopvolctrl.dll"));
    EXPECT_FALSE(Exists(dir + "\\ring\\ring_in.wav"));
    EXPECT_FALSE(Exists(Shortcut()));
    EXPECT_EQ(UserValue(kRunKey, "Dorvane UI"), "<none>");
    for (const char* kept : {"urlList.vob", "defaultWeb.vob", "ring.vob"}) EXPECT_TRUE(Exists(dir + "\\" + kept)) << kept;
    HKEY settings = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &settings), ERROR_SUCCESS);
    if (settings) RegCloseKey(settings);
}

}  // namespace
}  // namespace dorvane::testing
