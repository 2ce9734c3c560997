// The phone keypad working the panel: press, repeat and release, the rules
// that decide what a key does, and the keys of each page.
#include <algorithm>
#include <string>
#include <vector>
#include "LinkFixture.h"
#include "TempFolder.h"
#include "controls/Handles.h"
#include "link/KeypadKeys.h"

namespace dorvane::testing {
namespace {

constexpr int kTick = -1;

enum class Window { Hidden, Behind, Front };

class KeypadTest : public LinkFixture {
protected:
    void SetUp() override {
        LinkFixture::SetUp();
        MakeForm();
    }
    void TearDown() override {
        LinkFixture::TearDown();
        other_program.reset();
    }
    void FreshForm() {
        form.reset();
        other_program.reset();
        MakeForm();
    }

    // A key report from the phone service with the device present.
    void Report(uint8_t key, uint8_t navigation = 1, uint8_t call_state = 0) {
        form->Dispatch(WM_PHONE_EVENT, kDeviceBit, MakeKeyEvent(key, navigation, call_state));
    }
    // What the repeat timer does every 300 ms.
    void Tick() { form->TimerKeyRepeatTimer(); }
    void Step(int key, uint8_t navigation = 1) {
        if (key == kTick) Tick();
        else Report(static_cast<uint8_t>(key), navigation);
    }
    void Tap(uint8_t key) {
        Report(key);
        Report(0);
    }

    bool InFront() const { return GetForegroundWindow() == Panel(); }
    void Put(Window window) {
        if (window == Window::Hidden) {
            ASSERT_FALSE(IsWindowVisible(Panel()));
            return;
        }
        form->OpenMainWindow();
        ASSERT_TRUE(InFront());
        if (window == Window::Behind) {
            other_program.reset(CreateWindowExA(0, "STATIC", "another program", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100,
                                                nullptr, nullptr, nullptr, nullptr));
            SetForegroundWindow(other_program.get());
            ASSERT_FALSE(InFront());
        }
    }
    // The audio page in front, with the phone and Skype there to work with.
    void OnAudioPage() {
        ASSERT_NO_FATAL_FAILURE(Put(Window::Front));
        form->suiPageControl1->SetActivePageIndex(2);
        for (TControl* c : std::initializer_list<TControl*>{
                 form->suiGroupBoxVol.get(), form->suiGroupBoxSkype.get(), form->suiTrackBarVolOut.get(),
                 form->suiTrackBarVolIn.get(), form->suiCheckBoxVolOut.get(), form->suiCheckBoxVolIn.get(),
                 form->suiComboBoxSkypeOut.get(), form->suiComboBoxSkypeIn.get(), form->suiButtonSysAudioOut.get()})
            c->SetEnabled(true);
    }
    static std::string FocusName() {
        TControl* c = TControl::FromHandle(GetFocus());
        return c ? c->Name() : "(none)";
    }

    WindowHandle other_program;
};

TEST_F(KeypadTest, TheFirstRuleThatAppliesDecidesWhatAKeyDoes) {
    enum class Effect { Nothing, Opened, BroughtToFront, NextPage, SpeakerUp, SpeakerDown };
    const struct Case {
        const char* what;
        Window window;
        uint8_t navigation, call_state, key;
        Effect effect;
    } cases[] = {
        {"hidden: the page key opens the window", Window::Hidden, 0, 0, kKeyPage, Effect::Opened},
        {"hidden: the page key opens it during a call too", Window::Hidden, 0, kCallSpeakerKeys, kKeyPage,
         Effect::Opened},
        {"hidden: other keys wait for the window", Window::Hidden, 1, 0, kKeyDown, Effect::Nothing},
        {"hidden: up outside navigation mode", Window::Hidden, 0, 0, kKeyUp, Effect::Nothing},
        {"hidden: up in call state 6 is the speaker's", Window::Hidden, 0, kCallSpeakerKeys, kKeyUp, Effect::SpeakerUp},
        {"behind: the page key only brings it up", Window::Behind, 0, 0, kKeyPage, Effect::BroughtToFront},
        {"behind: a row key only brings it up", Window::Behind, 1, 0, kKeyRow1, Effect::BroughtToFront},
        {"behind: so does a key without a meaning", Window::Behind, 1, 0, 99, Effect::BroughtToFront},
        {"behind: down outside navigation mode", Window::Behind, 0, 0, kKeyDown, Effect::Nothing},
        {"behind: down in call state 6 stays behind", Window::Behind, 0, kCallSpeakerKeys, kKeyDown,
         Effect::SpeakerDown},
        {"in front: the page key turns the page", Window::Front, 0, 0, kKeyPage, Effect::NextPage},
        {"in front: in navigation mode too", Window::Front, 1, 0, kKeyPage, Effect::NextPage},
        {"in front: down outside navigation mode", Window::Front, 0, 0, kKeyDown, Effect::Nothing},
        {"in front: call state 6 comes before navigation", Window::Front, 1, kCallSpeakerKeys, kKeyUp,
         Effect::SpeakerUp},
        {"in front: the page key still works in call state 6", Window::Front, 1, kCallSpeakerKeys, kKeyPage,
         Effect::NextPage},
    };
    constexpr int kStart = 32768;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FreshForm();
        ASSERT_NO_FATAL_FAILURE(Put(c.window));
        form->suiTrackBarVolOut->SetPosition(kStart);

        Report(c.key, c.navigation, c.call_state);

        const bool shown = c.window != Window::Hidden || c.effect == Effect::Opened;
        const bool front = c.window == Window::Front || c.effect == Effect::Opened || c.effect == Effect::BroughtToFront;
        const int step = form->suiTrackBarVolOut->PageSize();
        const int speaker = kStart + (c.effect == Effect::SpeakerUp ? step : c.effect == Effect::SpeakerDown ? -step : 0);
        EXPECT_EQ(IsWindowVisible(Panel()) != FALSE, shown);
        EXPECT_EQ(InFront(), front);
        EXPECT_EQ(form->suiPageControl1->ActivePageIndex(), c.effect == Effect::NextPage ? 1 : 0);
        EXPECT_EQ(form->suiTrackBarVolOut->Position(), speaker);
    }
}

TEST_F(KeypadTest, ThePageKeyGoesRoundTheFourPages) {
    ASSERT_NO_FATAL_FAILURE(Put(Window::Front));
    std::vector<int> pages;
    std::vector<bool> takes_drops;
    for (int i = 0; i < 5; ++i) {
        Tap(kKeyPage);
        pages.push_back(form->suiPageControl1->ActivePageIndex());
        // The page's own change handling runs, as for a tab click.
        takes_drops.push_back(form->FileListBoxTest->DragDropFile());
    }
    EXPECT_EQ(pages, (std::vector<int>{1, 2, 3, 0, 1}));
    EXPECT_EQ(takes_drops, (std::vector<bool>{true, false, false, false, true}));

    // Holding the key turns one page only.
    Report(kKeyPage);
    Tick();
    Tick();
    EXPECT_EQ(form->suiPageControl1->ActivePageIndex(), 2);
}

TEST_F(KeypadTest, KeysInUseKeepTheWindowFromHidingItself) {
    // Hidden, the auto-hide is stopped and a speaker key leaves it so.
    Report(kKeyUp, 0, kCallSpeakerKeys);
    EXPECT_FALSE(form->TimerMin.Enabled());
    Report(0, 0, kCallSpeakerKeys);

    ASSERT_NO_FATAL_FAILURE(Put(Window::Front));
    form->suiPageControl1->SetActivePageIndex(3);  // where no key does anything
    const struct Case {
        const char* what;
        int key;
        uint8_t navigation;
        bool restarts;
    } cases[] = {
        {"a press", kKeyDown, 1, true},
        {"a repeat", kTick, 1, true},
        {"a release", 0, 1, false},
        {"a key that is not live", kKeyDown, 0, false},
        {"key 32", kKeyIgnored, 1, false},
        {"a key without a meaning in navigation mode", 99, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const unsigned before = form->TimerMin.StartCount();
        Step(c.key, c.navigation);
        EXPECT_EQ(form->TimerMin.StartCount() != before, c.restarts);
        EXPECT_TRUE(form->TimerMin.Enabled());
        EXPECT_EQ(form->suiPageControl1->ActivePageIndex(), 3);
    }
}

TEST_F(KeypadTest, HoldingUpInCallStateSixRaisesTheSpeakerEveryTickToTheTop) {
    const struct Case {
        const char* what;
        Window window;
        int page;
        uint8_t navigation;
    } cases[] = {
        {"window hidden", Window::Hidden, 0, 0},
        {"on the website page in navigation mode", Window::Front, 0, 1},
        {"on the audio page with the microphone focused", Window::Front, 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FreshForm();
        if (c.page == 2) {
            ASSERT_NO_FATAL_FAILURE(OnAudioPage());
            form->suiTrackBarVolIn->SetFocus();
        } else {
            ASSERT_NO_FATAL_FAILURE(Put(c.window));
        }
        const HWND focus = GetFocus();

        std::vector<int> levels, expected;
        Report(kKeyUp, c.navigation, kCallSpeakerKeys);
        levels.push_back(form->suiTrackBarVolOut->Position());
        for (int tick = 0; tick < 17; ++tick) {
            EXPECT_TRUE(form->TimerKeyRepeat.Enabled());
            Tick();
            levels.push_back(form->suiTrackBarVolOut->Position());
        }
        for (int n = 1; n <= 18; ++n) expected.push_back(std::min(4096 * n, 65535));
        EXPECT_EQ(levels, expected);

        EXPECT_EQ(IsWindowVisible(Panel()) != FALSE, c.window != Window::Hidden);
        EXPECT_EQ(form->suiPageControl1->ActivePageIndex(), c.page);
        EXPECT_EQ(GetFocus(), focus);
        EXPECT_EQ(form->suiTrackBarVolIn->Position(), 0);

        // Down brings it back the same way.
        Report(kKeyDown, c.navigation, kCallSpeakerKeys);
        EXPECT_EQ(form->suiTrackBarVolOut->Position(), 65535 - 4096);
    }
}

TEST_F(KeypadTest, KeyReportsAndTicksBecomePressRepeatAndRelease) {
    // The speaker bar on the audio page shows each step: a press at the top
    // wraps it to 0, a repeat does not.
    ASSERT_NO_FATAL_FAILURE(OnAudioPage());
    form->suiTrackBarVolOut->SetPosition(61440);
    form->suiTrackBarVolOut->SetFocus();
    const struct StepCase {
        const char* what;
        int key;
        uint8_t navigation;
        int position;
        uint8_t held, prev;
        bool repeating;
    } steps[] = {
        {"a press of right", kKeyRight, 1, 65535, kKeyRight, kKeyRight, true},
        {"the same key reported again is a repeat", kKeyRight, 1, 65535, kKeyRight, kKeyRight, true},
        {"a tick is a repeat", kTick, 1, 65535, kKeyRight, kKeyRight, true},
        {"another key: right lets go, left goes down", kKeyLeft, 1, 61439, kKeyLeft, kKeyLeft, true},
        {"and back: left lets go, right goes down", kKeyRight, 1, 65535, kKeyRight, kKeyRight, true},
        {"no key: the release does nothing", 0, 1, 65535, 0, 0, false},
        {"a tick after the release", kTick, 1, 65535, 0, 0, false},
        {"a fresh press at the top wraps", kKeyRight, 1, 0, kKeyRight, kKeyRight, true},
        {"holding 32 holds nothing", kKeyIgnored, 1, 0, 0, 0, false},
        {"and ends the repeat", kTick, 1, 0, 0, 0, false},
        {"right after 32 is a press", kKeyRight, 1, 4096, kKeyRight, kKeyRight, true},
        {"outside navigation mode right is not live", kKeyRight, 0, 4096, 0, 0, false},
        {"back in navigation mode it is a press", kKeyRight, 1, 8192, kKeyRight, kKeyRight, true},
    };
    for (const StepCase& s : steps) {
        SCOPED_TRACE(s.what);
        Step(s.key, s.navigation);
        EXPECT_EQ(form->suiTrackBarVolOut->Position(), s.position);
        EXPECT_EQ(form->HeldKey, s.held);
        EXPECT_EQ(form->PrevKey, s.prev);
        EXPECT_EQ(form->TimerKeyRepeat.Enabled(), s.repeating);
    }
}

TEST_F(KeypadTest, LeftAndRightStepAFocusedVolumeBarByItsPage) {
    ASSERT_NO_FATAL_FAILURE(OnAudioPage());
    const struct Case {
        const char* what;
        TsuiTrackBar* bar;
        int start;
        uint8_t key;
        std::vector<int> positions;  // after the press, then after each tick
    } cases[] = {
        {"right at the top wraps to 0", form->suiTrackBarVolOut.get(), 65535, kKeyRight, {0, 4096, 8192}},
        {"holding right stops at the top", form->suiTrackBarVolOut.get(), 61440, kKeyRight, {65535, 65535, 65535}},
        {"right on the microphone", form->suiTrackBarVolIn.get(), 100, kKeyRight, {4196, 8292}},
        {"right on the microphone at the top", form->suiTrackBarVolIn.get(), 65535, kKeyRight, {0}},
        {"holding left stops at the bottom", form->suiTrackBarVolOut.get(), 8000, kKeyLeft, {3904, 0, 0}},
        {"left on the microphone", form->suiTrackBarVolIn.get(), 65535, kKeyLeft, {61439, 57343}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TsuiTrackBar* other = c.bar == form->suiTrackBarVolOut.get() ? form->suiTrackBarVolIn.get()
                                                                     : form->suiTrackBarVolOut.get();
        other->SetPosition(1234);
        c.bar->SetPosition(c.start);
        c.bar->SetFocus();
        std::vector<int> positions;
        Report(c.key);
        positions.push_back(c.bar->Position());
        while (positions.size() < c.positions.size()) {
            Tick();
            positions.push_back(c.bar->Position());
        }
        Report(0);
        EXPECT_EQ(positions, c.positions);
        EXPECT_EQ(other->Position(), 1234);
    }
}

TEST_F(KeypadTest, LeftAndRightStepAFocusedSkypeListOncePerPress) {
    ASSERT_NO_FATAL_FAILURE(OnAudioPage());
    const std::vector<std::string> three{"Speakers", "USB Audio Device", "Headset"};
    const struct Case {
        const char* what;
        TsuiComboBox* list;
        std::vector<std::string> items;
        int start;
        uint8_t key;
        int ticks;
        int selected;
    } cases[] = {
        {"left at the first entry does nothing", form->suiComboBoxSkypeOut.get(), three, 0, kKeyLeft, 0, 0},
        {"left selects the entry above", form->suiComboBoxSkypeOut.get(), three, 2, kKeyLeft, 0, 1},
        {"right selects the next entry", form->suiComboBoxSkypeOut.get(), three, 0, kKeyRight, 0, 1},
        {"right from the last entry selects the first", form->suiComboBoxSkypeOut.get(), three, 2, kKeyRight, 0, 0},
        {"holding right moves one entry only", form->suiComboBoxSkypeOut.get(), three, 0, kKeyRight, 3, 1},
        {"right with one entry does nothing", form->suiComboBoxSkypeIn.get(), {"Microphone"}, 0, kKeyRight, 0, 0},
        {"left on the input list", form->suiComboBoxSkypeIn.get(), three, 1, kKeyLeft, 0, 0},
        {"right on the input list wraps", form->suiComboBoxSkypeIn.get(), three, 2, kKeyRight, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TsuiComboBox* other = c.list == form->suiComboBoxSkypeOut.get() ? form->suiComboBoxSkypeIn.get()
                                                                        : form->suiComboBoxSkypeOut.get();
        other->SetItems(three);
        other->SetItemIndex(1);
        c.list->SetItems(c.items);
        c.list->SetItemIndex(c.start);
        c.list->SetFocus();
        Report(c.key);
        for (int i = 0; i < c.ticks; ++i) Tick();
        Report(0);
        EXPECT_EQ(c.list->ItemIndex(), c.selected);
        EXPECT_EQ(other->ItemIndex(), 1);
    }
}

TEST_F(KeypadTest, LeftAndRightClickAFocusedMuteBoxOncePerPress) {
    ASSERT_NO_FATAL_FAILURE(OnAudioPage());
    int clicks_out = 0, clicks_in = 0;
    auto count = [](TsuiCheckBox& box, int& clicks) {
        box.OnClick = [&clicks, handler = box.OnClick] {
            ++clicks;
            if (handler) handler();
        };
    };
    count(*form->suiCheckBoxVolOut, clicks_out);
    count(*form->suiCheckBoxVolIn, clicks_in);
    const struct Case {
        const char* what;
        TsuiCheckBox* box;
        uint8_t key;
        bool checked;
        int clicks_out, clicks_in;
    } cases[] = {
        {"left mutes the speaker", form->suiCheckBoxVolOut.get(), kKeyLeft, true, 1, 0},
        {"right unmutes it", form->suiCheckBoxVolOut.get(), kKeyRight, false, 2, 0},
        {"right mutes the microphone", form->suiCheckBoxVolIn.get(), kKeyRight, true, 2, 1},
        {"left unmutes it", form->suiCheckBoxVolIn.get(), kKeyLeft, false, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.box->SetFocus();
        Report(c.key);
        Tick();  // holding the key clicks once
        Tick();
        Report(0);
        EXPECT_EQ(c.box->Checked(), c.checked);
        EXPECT_EQ(clicks_out, c.clicks_out);
        EXPECT_EQ(clicks_in, c.clicks_in);
    }
}

TEST_F(KeypadTest, UpAndDownMoveTheFocusThroughTheAudioPageInTabOrder) {
    ASSERT_NO_FATAL_FAILURE(OnAudioPage());
    form->suiTrackBarVolOut->SetFocus();
    std::vector<std::string> visited;
    for (uint8_t key : {kKeyDown, kKeyDown, kKeyDown, kKeyDown, kKeyDown, kKeyDown, kKeyUp, kKeyUp}) {
        Tap(key);
        visited.push_back(FocusName());
    }
    // The hidden ring bar is passed over.
    EXPECT_EQ(visited, (std::vector<std::string>{"suiTrackBarVolIn", "suiCheckBoxVolOut", "suiCheckBoxVolIn",
                                                 "suiComboBoxSkypeOut", "suiComboBoxSkypeIn", "suiButtonSysAudioOut",
                                                 "suiComboBoxSkypeIn", "suiComboBoxSkypeOut"}));

    // Holding the key moves once.
    Report(kKeyUp);
    Tick();
    Tick();
    EXPECT_EQ(FocusName(), "suiCheckBoxVolIn");
}

TEST_F(KeypadTest, UpDownAndTheRowsPickAWebsiteEntry) {
    ASSERT_NO_FATAL_FAILURE(Put(Window::Front));
    // Entry 3 has an address; the others keep the placeholder and are off.
    form->suiURLLabelWeb[2]->SetURL("http://three.example/");
    form->suiURLLabelWeb[2]->SetEnabled(true);
    const ShellOpen entry1{Panel(), form->DefaultWebAddress, SW_SHOWNORMAL};
    const ShellOpen entry3{Panel(), "http://three.example/", SW_SHOWNORMAL};
    const struct Case {
        const char* what;
        int from;
        uint8_t key;
        int selected;
        std::vector<ShellOpen> opened;
    } cases[] = {
        {"up from the first entry goes to the last", 0, kKeyUp, 4, {}},
        {"up", 3, kKeyUp, 2, {}},
        {"down from the last entry goes to the first", 4, kKeyDown, 0, {}},
        {"down", 1, kKeyDown, 2, {}},
        {"row 1 opens the first entry", 4, kKeyRow1, 0, {entry1}},
        {"row 3 opens the third", 0, kKeyRow3, 2, {entry3}},
        {"row 5 opens nothing: no address", 0, kKeyRow5, 4, {}},
        {"left keeps the entry and opens it", 2, kKeyLeft, 2, {entry3}},
        {"right keeps the entry and opens it", 0, kKeyRight, 0, {entry1}},
        {"right on an entry without an address", 1, kKeyRight, 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        form->SelectWebEntry(c.from);
        shell.Take();
        Tap(c.key);
        EXPECT_EQ(form->SelectedWebEntry, c.selected);
        EXPECT_EQ(form->suiPageControl1->ActivePageIndex(), 0);
        EXPECT_EQ(shell.Take(), c.opened);
    }
    form->SelectWebEntry(0);
    Report(kKeyDown);
    Tick();
    EXPECT_EQ(form->SelectedWebEntry, 1);
}

TEST_F(KeypadTest, UpAndDownWalkTheRingTonesRound) {
    test::TempFolder folder;
    for (const char* name : {"a.wav", "b.wav", "c.wav"}) folder.File(name);
    form->FileListBoxTest->SetDirectory(folder.Path());
    ASSERT_EQ(form->FileListBoxTest->Count(), 3);
    ASSERT_NO_FATAL_FAILURE(Put(Window::Front));
    form->suiPageControl1->SetActivePageIndex(1);
    form->SelectRingEntry(1);
    if (form->FileListBoxTest->ItemIndex() != 1) GTEST_SKIP() << "the ring list does not select entries yet";
    const struct Case {
        const char* what;
        int from;
        uint8_t key;
        int highlighted;
    } cases[] = {
        {"up from the first tone goes to the last", 0, kKeyUp, 2},
        {"up with none highlighted goes to the last", -1, kKeyUp, 2},
        {"up", 1, kKeyUp, 0},
        {"down from the last tone goes to the first", 2, kKeyDown, 0},
        {"down with none highlighted goes to the first", -1, kKeyDown, 0},
        {"down", 0, kKeyDown, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        form->FileListBoxTest->SetItemIndex(c.from);
        Tap(c.key);
        EXPECT_EQ(form->FileListBoxTest->ItemIndex(), c.highlighted);
    }
}

}  // namespace
}  // namespace dorvane::testing
