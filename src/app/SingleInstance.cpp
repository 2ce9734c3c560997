#include "app/SingleInstance.h"
#include "app/Application.h"
#include "link/LinkProtocol.h"
#include "i18n/TextConvert.h"
#include <shellapi.h>

namespace dorvane {

StartWord StartWordOf(const std::vector<std::string>& args) {
    if (args.size() != 1) return StartWord::None;
    if (args[0] == kDestroyWord) return StartWord::Destroy;
    if (args[0] == kSearchWord) return StartWord::Search;
    return StartWord::None;
}

UINT SecondInstanceRequest(const std::vector<std::string>& args) {
    return StartWordOf(args) == StartWord::Destroy ? WM_UI_EXIT : WM_UI_SHOW;
}

KernelHandle CreateInstanceSemaphore(bool& first) {
    SetLastError(0);
    KernelHandle semaphore(CreateSemaphoreA(nullptr, 1, 1, kSemaphoreName));
    first = GetLastError() != ERROR_ALREADY_EXISTS;
    return semaphore;
}

void RunSecondInstance(const std::vector<std::string>& args, DWORD sleep_ms) {
    HWND application = FindWindowA(kApplicationClass, kApplicationTitle);
    if (application) {
        HWND form = static_cast<HWND>(GetPropA(application, kFormProperty));
        if (form) {
            DWORD_PTR reply = 0;
            // Neither the outcome nor the reply changes what this start does.
            SendMessageTimeoutA(form, SecondInstanceRequest(args), kInstanceSignatureW, kInstanceSignatureL,
                                SMTO_ABORTIFHUNG, 3000, &reply);
        }
    }
    Sleep(sleep_ms);
}

std::vector<std::string> CommandLineArguments() {
    // Parsed the way the C runtime splits a command line, quotes and all.
    std::vector<std::string> args;
    int count = 0;
    LocalMemory<LPWSTR*> argv(CommandLineToArgvW(GetCommandLineW(), &count));
    if (!argv) return args;
    for (int i = 1; i < count; ++i) {
        args.push_back(NarrowText(argv.get()[i], CP_ACP));
    }
    return args;
}

}  // namespace dorvane
