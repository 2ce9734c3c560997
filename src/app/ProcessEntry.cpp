#include "app/ProcessEntry.h"
#include "app/Application.h"
#include "app/SingleInstance.h"
#include "app/StartupSteps.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "controls/OleApartment.h"
#include <exception>
#include <memory>

namespace dorvane {

int ProcessEntry(const SystemInfo& system, const std::vector<std::string>& args) {
    // OLE first, before anything on this thread can initialise COM: the web
    // browser control needs a single-threaded apartment, and a library that
    // asks for the multithreaded one later keeps working in this one.
    MarkStartupStep("process entry");
    OleApartment ole;
    MarkStartupStep("OLE");
    bool first = true;
    // Only its existence matters; it stays open until the process ends.
    KernelHandle semaphore = CreateInstanceSemaphore(first);
    if (!first) {
        RunSecondInstance(args);
        return 0;
    }

    TApplication application;
    try {
        application.Initialize();
        application.SetTitle(kApplicationTitle);
        MarkStartupStep("application window");
        // Created hidden, and the loop never shows it: at start only the tray
        // icon shows.
        auto form = std::make_unique<TForm1>(application, system, args);
        form->FormCreate();
        ReportStartupSteps();
        TForm2 overlay(application);
        form->Form2 = &overlay;
        application.Run();
        form.reset();
    } catch (const std::exception& e) {
        application.ShowException(e.what());
    } catch (...) {
        application.ShowException(std::string());
    }
    return 0;
}

}  // namespace dorvane
