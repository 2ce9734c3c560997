// The main window over a program folder of the test's own, on the test's
// thread: the application is set up before each test; after it the window
// is gone and its quit message taken, so the next test starts clean.
#pragma once
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>
#include "PeerWindow.h"
#include "TempFolder.h"
#include "app/Application.h"
#include "app/Unit1.h"

namespace dorvane::test {

struct PanelInFolderTest : ::testing::Test {
    void SetUp() override { app.Initialize(); }
    void TearDown() override {
        form.reset();
        dorvane::testing::TakeQuit();
    }
    // The system as a panel started from the folder sees it.
    SystemInfo System() const {
        SystemInfo system;
        system.ProgramFolder = program.Path() + "\\";
        return system;
    }
    void MakeForm(const SystemInfo& system, IShell& shell = PlatformShell()) {
        form = std::make_unique<TForm1>(app, system, std::vector<std::string>{}, TWinmmApi::Real(), shell);
        // The pages as a user who opened the window has them.
        form->RealizePages();
    }

    TempFolder program;
    TApplication app;
    std::unique_ptr<TForm1> form;
};

}  // namespace dorvane::test
