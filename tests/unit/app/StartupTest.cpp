// Single instance: the command-line words, the hand-over to a running panel,
// and what the main window does with them at creation and teardown.
#include <gtest/gtest.h>
#include <memory>
#include "PeerWindow.h"
#include "app/Application.h"
#include "app/SingleInstance.h"
#include "app/Unit1.h"
#include "link/LinkProtocol.h"

namespace dorvane::testing {
namespace {

using Args = std::vector<std::string>;

TEST(StartWords, CountOnlyAsTheOneArgumentInFullAndInCase) {
    EXPECT_EQ(StartWordOf({"VobDestroyMode"}), StartWord::Destroy);
    EXPECT_EQ(StartWordOf({"VobSearchMode"}), StartWord::Search);
    EXPECT_EQ(StartWordOf({}), StartWord::None);
    EXPECT_EQ(StartWordOf({"vobdestroymode"}), StartWord::None);
    EXPECT_EQ(StartWordOf({"VobDestroyMode "}), StartWord::None);
    EXPECT_EQ(StartWordOf({"VobDestroy"}), StartWord::None);
    EXPECT_EQ(StartWordOf({"VobDestroyMode", "x"}), StartWord::None);
    EXPECT_EQ(StartWordOf({"VobSearchMode", "VobSearchMode"}), StartWord::None);
}

TEST(StartWords, OnlyTheDestroyWordAsksTheRunningPanelToExit) {
    EXPECT_EQ(SecondInstanceRequest({"VobDestroyMode"}), WM_UI_EXIT);
    for (const Args& args : {Args{}, Args{"VobSearchMode"}, Args{"VOBDESTROYMODE"}, Args{"VobDestroyMode", "x"},
                             Args{"/s"}})
        EXPECT_EQ(SecondInstanceRequest(args), WM_UI_SHOW);
}

TEST(VersionClass, TellsTheThreeVersionsApart) {
    EXPECT_EQ(VersionClassOf(5, 0), 1);
    EXPECT_EQ(VersionClassOf(5, 1), 2);
    EXPECT_EQ(VersionClassOf(6, 0), 3);
    EXPECT_EQ(VersionClassOf(5, 2), 0);
    EXPECT_EQ(VersionClassOf(6, 1), 0);
    EXPECT_EQ(VersionClassOf(4, 0), 0);
    EXPECT_EQ(VersionClassOf(10, 0), 0);
}

TEST(InstanceSemaphore, ASecondCreationIsNotTheFirst) {
    bool first = false;
    KernelHandle one = CreateInstanceSemaphore(first);
    ASSERT_TRUE(one);
    EXPECT_TRUE(first);
    bool again = true;
    KernelHandle two = CreateInstanceSemaphore(again);
    EXPECT_FALSE(again);
    LONG previous = -1;
    EXPECT_TRUE(ReleaseSemaphore(one.get(), 1, &previous) == FALSE);  // maximum count 1, taken by nobody
}

class HandOverTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.Initialize();
        app.SetTitle("Dorvane UI");
    }
    // The later start runs on the peer's thread; this thread is the panel.
    void RunLaterStart(const Args& args) {
        auto f = later_start.Run([args] {
            RunSecondInstance(args, 0);
            return LRESULT(0);
        });
        PumpFor(f);
    }
    TApplication app;
    PeerWindow running_form;  // stands in for the running panel's main window
    PeerWindow later_start;
};

TEST_F(HandOverTest, SendsTheRequestWithTheSignatureToTheFormInTheProperty) {
    SetPropA(app.Handle(), "Dorvane UI Form", running_form.Handle());
    RunLaterStart({});
    RunLaterStart({"VobDestroyMode"});
    RunLaterStart({"VobDestroyMode", "now"});
    auto got = running_form.Messages();
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0].msg, WM_UI_SHOW);
    EXPECT_EQ(got[1].msg, WM_UI_EXIT);
    EXPECT_EQ(got[2].msg, WM_UI_SHOW);
    for (const auto& r : got) {
        EXPECT_EQ(r.wp, 51362u);
        EXPECT_EQ(r.lp, 0x5D2E6A17);
    }
    RemovePropA(app.Handle(), "Dorvane UI Form");
}

TEST_F(HandOverTest, SendsNothingBeforeTheRunningPanelHasItsForm) {
    RunLaterStart({"VobDestroyMode"});
    EXPECT_TRUE(running_form.Messages().empty());
}

class FormLifeTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.Initialize();
        app.SetTitle("Dorvane UI");
    }
    void TearDown() override { TakeQuit(); }
    std::unique_ptr<TForm1> Make(Args args) {
        auto form = std::make_unique<TForm1>(app, SystemInfo{}, std::move(args));
        form->FormCreate();
        return form;
    }
    TApplication app;
};

TEST_F(FormLifeTest, CreationPublishesTheFormAndTeardownWithdrawsIt) {
    auto form = Make({});
    EXPECT_EQ(GetPropA(app.Handle(), "Dorvane UI Form"), form->Handle());
    EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), app.Handle());
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_FALSE(form->SearchMode);
    EXPECT_FALSE(form->ExitRequested);
    form.reset();
    EXPECT_EQ(GetPropA(app.Handle(), "Dorvane UI Form"), nullptr);
}

TEST_F(FormLifeTest, TheSearchWordSetsSearchMode) {
    EXPECT_TRUE(Make({"VobSearchMode"})->SearchMode);
    EXPECT_FALSE(Make({"VobSearchMode", "x"})->SearchMode);
    EXPECT_FALSE(Make({"vobsearchmode"})->SearchMode);
    EXPECT_FALSE(TakeQuit());
}

TEST_F(FormLifeTest, TheDestroyWordEndsAFirstStartAfterTheQueuedMessages) {
    auto form = Make({"VobDestroyMode"});
    EXPECT_FALSE(form->ExitRequested);
    app.Run();
    EXPECT_TRUE(app.Terminated());
}

TEST_F(FormLifeTest, TheExitActionEndsTheLoop) {
    auto form = Make({});
    form->ItemExitClick();
    EXPECT_TRUE(form->ExitRequested);
    app.Run();
    EXPECT_TRUE(app.Terminated());
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
}

}  // namespace
}  // namespace dorvane::testing
