// The ring folder, ring.vob, the mute file and the Skype ring tone command,
// with the panel in a program folder of its own.
#include <gtest/gtest.h>
#include <memory>
#include "PanelInFolder.h"
#include "link/LinkProtocol.h"
#include "ring/RingFiles.h"
#include <shlobj.h>

namespace dorvane::test {
namespace {
using dorvane::testing::PeerWindow;
using dorvane::testing::PumpFor;

// A drop as the shell hands it over: a DROPFILES block of 8-bit names.
HDROP MakeDrop(const std::vector<std::string>& names) {
    size_t bytes = sizeof(DROPFILES) + 1;
    for (const auto& name : names) bytes += name.size() + 1;
    HGLOBAL memory = GlobalAlloc(GHND, bytes);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    char* at = reinterpret_cast<char*>(drop + 1);
    for (const auto& name : names) at = std::copy(name.begin(), name.end(), at) + 1;
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

bool AcceptsDrops(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0; }

struct RingLibraryTest : PanelInFolderTest {
    void Start() {
        MakeForm(System());
        auto discovered = service.Send(form->Handle(), RegisterWindowMessageA(kDiscoverMessageName),
                                       reinterpret_cast<WPARAM>(service.Handle()), 0);
        PumpFor(discovered);
        service.Clear();
    }
    void StatusUpdate(uint32_t status, uint8_t call_state = 0) {
        auto sent =
            service.Send(form->Handle(), WM_PHONE_EVENT, status, MakeKeyEvent(kStatusUpdateKey, 0, call_state));
        PumpFor(sent);
    }
    bool Playing() const { return form->MediaPlayerTest->ButtonEnabled(TMediaPlayer::Button::Stop); }
    std::vector<std::string> RingToneCommands() {
        std::vector<std::string> texts;
        for (const auto& m : service.MessagesOf(WM_COPYDATA))
            if (m.bytes.find("RINGTONE") != std::string::npos) texts.push_back(m.bytes.substr(1, m.bytes.size() - 2));
        service.Clear();
        return texts;
    }
    std::string Ring() const { return program.Path() + "\\ring"; }

    PeerWindow service;
};

TEST_F(RingLibraryTest, AFirstStartNamesTheDefaultToneAndMakesTheMuteFileWhenSkypeComes) {
    Start();
    EXPECT_EQ(FileContents(program.Path() + "\\ring.vob"), Ring() + "\\ring_in.wav\r\n");
    EXPECT_EQ(GetFileAttributesA(Ring().c_str()) & FILE_ATTRIBUTE_DIRECTORY, static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_TRUE(form->CurrentRingTone.empty());  // ring_in.wav is not there
    EXPECT_EQ(form->LabelRingTone->Caption(), "");
    EXPECT_EQ(FileContents(Ring() + "\\mute.wav"), "<none>");

    StatusUpdate(kDeviceBit);  // no Skype: nothing yet
    EXPECT_TRUE(RingToneCommands().empty());
    StatusUpdate(kSkypeBit);
    EXPECT_EQ(RingToneCommands(), (std::vector<std::string>{"SET RINGTONE 1 " + Ring() + "\\mute.wav"}));
    EXPECT_EQ(FileContents(Ring() + "\\mute.wav").size(), 96044u);
    StatusUpdate(kSkypeBit);  // Skype seen again: not sent again
    EXPECT_TRUE(RingToneCommands().empty());
}

TEST_F(RingLibraryTest, RingVobMakesCurrentOnlyAFileThatIsThere) {
    program.Folder("elsewhere");
    const std::string outside = program.File("elsewhere\\bell.wav");
    const struct {
        std::string line;
        std::string current;
    } cases[] = {
        {outside + "\r\n", outside},                          // outside the ring folder is fine
        {program.Path() + "\\gone.wav\r\n", ""},              // vanished
        {outside + "\r", ""},                                 // a CR alone: no such name
    };
    for (const auto& c : cases) {
        program.File("ring.vob", c.line);
        Start();
        EXPECT_EQ(form->CurrentRingTone, c.current) << c.line;
        EXPECT_EQ(form->LabelRingTone->Caption(), c.current.empty() ? "" : "bell.wav");
        EXPECT_EQ(form->LabelRingPath->Caption(), c.current.empty() ? "" : program.Path() + "\\elsewhere\\");
        EXPECT_EQ(FileContents(program.Path() + "\\ring.vob"), c.line);  // read, never rewritten
        TearDown();
    }
}

TEST_F(RingLibraryTest, AdoptingATonePassesItOnAndTheCurrentOneChangesNothing) {
    program.Folder("ring");
    program.File("ring\\mute.wav", "kept");  // any content stays
    const std::string a = program.File("ring\\a.wav"), b = program.File("ring\\b.wav");
    program.File("ring.vob", a + "\r\n");
    Start();
    StatusUpdate(kSkypeBit);
    RingToneCommands();
    ASSERT_EQ(form->FileListBoxTest->Count(), 3);  // a, b, mute
    EXPECT_EQ(form->SelectedRingFile, a);          // the first entry is highlighted

    form->SelectRingEntry(0);
    form->AdoptSelectedTone();  // already current
    EXPECT_TRUE(RingToneCommands().empty());
    form->SelectRingEntry(1);
    form->AdoptSelectedTone();
    EXPECT_EQ(form->CurrentRingTone, b);
    EXPECT_EQ(FileContents(program.Path() + "\\ring.vob"), b + "\r\n");
    EXPECT_EQ(RingToneCommands().size(), 1u);
    EXPECT_EQ(FileContents(Ring() + "\\mute.wav"), "kept");

    // While a call rings the list may move but the tone and its file stay.
    form->Ringing = true;
    form->SelectRingEntry(0);
    EXPECT_EQ(form->SelectedRingFile, b);
    form->Ringing = false;
    form->SelectRingEntry(7);  // beyond the last entry
    EXPECT_EQ(form->FileListBoxTest->ItemIndex(), -1);
    EXPECT_TRUE(form->SelectedRingFile.empty());
}

TEST_F(RingLibraryTest, ACallRingsAtTheFifthUpdateLoudAndStopsWithTheCall) {
    program.Folder("ring");
    const std::string tone = program.File("ring\\tone.wav", MuteWaveBytes());
    program.File("ring.vob", tone + "\r\n");
    Start();
    ASSERT_EQ(form->CurrentRingTone, tone);
    form->suiTrackBarVolOut->SetPosition(12000);
    form->suiCheckBoxVolOut->SetChecked(true);

    // Two short calls: the count is not reset between them.
    for (int i = 0; i < 2; ++i) StatusUpdate(kDeviceBit, 1);
    StatusUpdate(kDeviceBit, 0);
    EXPECT_FALSE(form->Ringing);
    EXPECT_EQ(form->RingCountdown, 2);
    StatusUpdate(kDeviceBit, 1);
    StatusUpdate(kDeviceBit, 1);
    EXPECT_FALSE(form->Ringing);
    StatusUpdate(kDeviceBit, 1);
    ASSERT_TRUE(form->Ringing);
    EXPECT_EQ(form->RingCountdown, 4);
    EXPECT_TRUE(Playing());
    EXPECT_TRUE(form->TimerMediaPlayerNotify.Enabled());
    EXPECT_EQ(form->suiTrackBarVolOut->Position(), 65535);  // loud and unmuted while it rings
    EXPECT_FALSE(form->suiCheckBoxVolOut->Checked());

    // A tick that finds the tone at its end plays it again; the user's
    // buttons do nothing meanwhile.
    form->MediaPlayerTest->Seek(0);
    form->TimerMediaPlayerNotifyTimer();
    form->TimerMediaPlayerNotifyTimer();
    form->MediaPlayerTestClick(TMediaPlayer::Button::Stop);
    EXPECT_TRUE(form->Ringing);
    EXPECT_TRUE(Playing());

    // The call is answered: silence, and the speaker as it was.
    StatusUpdate(kDeviceBit, 2);
    EXPECT_FALSE(form->Ringing);
    EXPECT_FALSE(Playing());
    EXPECT_FALSE(form->TimerMediaPlayerNotify.Enabled());
    EXPECT_EQ(form->suiTrackBarVolOut->Position(), 12000);
    EXPECT_TRUE(form->suiCheckBoxVolOut->Checked());

    // The watchdog ends a ringing call too.
    for (int i = 0; i < 5; ++i) StatusUpdate(kDeviceBit, 1);
    ASSERT_TRUE(form->Ringing);
    form->TimerDrvCheckTimer();
    EXPECT_FALSE(form->Ringing);
    EXPECT_FALSE(Playing());
    EXPECT_EQ(form->suiTrackBarVolOut->Position(), 12000);
}

TEST_F(RingLibraryTest, PlayingAFileIsPreviewingAndChoosingIt) {
    program.Folder("ring");
    const std::string a = program.File("ring\\a.wav", MuteWaveBytes());
    const std::string b = program.File("ring\\b.wav", MuteWaveBytes());
    program.File("ring.vob", a + "\r\n");
    Start();
    StatusUpdate(kSkypeBit);
    RingToneCommands();
    form->SelectRingEntry(1);
    ASSERT_EQ(form->SelectedRingFile, b);
    form->suiTrackBarVolOut->SetPosition(12000);
    form->suiCheckBoxVolOut->SetChecked(true);
    form->MediaPlayerTestClick(TMediaPlayer::Button::Play);
    EXPECT_TRUE(Playing());
    EXPECT_EQ(form->suiTrackBarVolOut->Position(), 65535);  // loud and unmuted while it plays
    EXPECT_FALSE(form->suiCheckBoxVolOut->Checked());
    EXPECT_EQ(form->CurrentRingTone, b);
    EXPECT_EQ(FileContents(program.Path() + "\\ring.vob"), b + "\r\n");
    EXPECT_EQ(RingToneCommands().size(), 1u);
    // A tick that reads no position ends the preview.
    form->MediaPlayerTest->Stop();
    form->MediaPlayerTest->Seek(0);
    form->TimerMediaPlayerNotifyTimer();
    EXPECT_FALSE(Playing());
    EXPECT_FALSE(form->TimerMediaPlayerNotify.Enabled());
    EXPECT_EQ(form->suiTrackBarVolOut->Position(), 12000);
    EXPECT_TRUE(form->suiCheckBoxVolOut->Checked());
    // Playing the current tone again only plays it.
    form->FileListBoxTestDblClick();
    EXPECT_TRUE(Playing());
    EXPECT_TRUE(RingToneCommands().empty());
    form->FileListBoxTestDblClick();
    EXPECT_FALSE(Playing());
}

TEST_F(RingLibraryTest, AFileThePlayerCannotOpenShowsItsErrorAndIsNotChosen) {
    program.Folder("ring");
    const std::string a = program.File("ring\\a.wav", MuteWaveBytes());
    program.File("ring\\b.wav", "not a wave");
    program.File("ring.vob", a + "\r\n");
    std::vector<std::string> errors;
    Start();
    app.ShowErrorBox = [&](const std::string& text, const std::string&) { errors.push_back(text); };
    StatusUpdate(kSkypeBit);
    RingToneCommands();
    form->SelectRingEntry(1);
    form->suiTrackBarVolOut->SetPosition(12000);
    // Pressed as the user presses it: the error reaches the error box.
    HWND play = FindWindowExA(form->MediaPlayerTest->Handle(), nullptr, "Button", "Play");
    ASSERT_TRUE(play);
    SendMessageA(play, BM_CLICK, 0, 0);
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_FALSE(Playing());
    EXPECT_EQ(form->suiTrackBarVolOut->Position(), 12000);
    EXPECT_EQ(form->CurrentRingTone, a);
    EXPECT_EQ(FileContents(program.Path() + "\\ring.vob"), a + "\r\n");
    EXPECT_TRUE(RingToneCommands().empty());
}

TEST_F(RingLibraryTest, DroppedFilesAreCopiedIntoTheShownFolderAndNothingIsOverwritten) {
    program.Folder("ring");
    program.File("ring\\b.wav", "old b");
    program.Folder("in");
    program.Folder("in\\folder.wav");
    program.Folder("other");
    // Too long for the name buffer (258 characters and a 0), and its first
    // 258 characters name a file that is there: neither is copied.
    const std::string too_long = program.Path() + "\\in\\" + std::string(300, 'x') + ".wav";
    const std::string cut = too_long.substr(0, 258), cut_name = cut.substr(cut.rfind('\\') + 1);
    program.File("in\\" + cut_name, "cut");
    const std::vector<std::string> dropped = {
        program.File("in\\a.wav", "new a"), program.File("in\\b.wav", "new b"), program.File("in\\notes.txt", "n"),
        program.Path() + "\\in\\folder.wav", program.Path() + "\\in\\gone.wav", too_long};
    Start();
    HWND list = form->FileListBoxTest->Handle();

    // Only the ring page takes drops.
    const struct {
        int page;
        bool accepts;
    } pages[] = {{1, true}, {2, false}, {1, true}, {0, false}};
    for (const auto& p : pages) {
        form->suiPageControl1->SetActivePageIndex(p.page);
        EXPECT_EQ(AcceptsDrops(list), p.accepts) << p.page;
    }
    form->suiPageControl1->SetActivePageIndex(1);

    // Every item counts, copied or not; a status update queued meanwhile is
    // handled during the copy.
    std::vector<std::pair<int, int>> copying;
    std::vector<uint32_t> status_seen;
    auto progress = form->FileListBoxTest->OnCopying;
    form->FileListBoxTest->OnCopying = [&](int count, int index) {
        copying.emplace_back(count, index);
        status_seen.push_back(form->StatusWord);
        EXPECT_EQ(form->suiProgressBarCopy->Max(), count);
        progress(count, index);
    };
    PostMessageA(form->Handle(), WM_PHONE_EVENT, kDeviceBit, MakeKeyEvent(kStatusUpdateKey, 0, 0));
    SendMessageA(list, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(dropped)), 0);

    EXPECT_EQ(copying, (std::vector<std::pair<int, int>>{{6, 0}, {6, 1}, {6, 2}, {6, 3}, {6, 4}, {6, 5}}));
    EXPECT_EQ(status_seen.front(), kDeviceBit);
    EXPECT_EQ(FileContents(Ring() + "\\a.wav"), "new a");
    EXPECT_EQ(FileContents(Ring() + "\\b.wav"), "old b");
    EXPECT_EQ(FileContents(Ring() + "\\notes.txt"), "n");  // copied, but not a sound file
    EXPECT_EQ(GetFileAttributesA((Ring() + "\\folder.wav").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(FileContents(Ring() + "\\" + cut_name), "<none>");
    EXPECT_EQ(form->FileListBoxTest->Items(), (std::vector<std::string>{"a.wav", "b.wav", "mute.wav"}));
    EXPECT_EQ(form->SelectedRingFile, Ring() + "\\a.wav");
    EXPECT_EQ(form->suiProgressBarCopy->Position(), form->suiProgressBarCopy->Max());

    // The list copies into whatever folder it shows.
    form->DirectoryListBoxTest->SetDirectory(program.Path() + "\\other");
    SendMessageA(list, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({dropped[0]})), 0);
    EXPECT_EQ(FileContents(program.Path() + "\\other\\a.wav"), "new a");
    EXPECT_EQ(form->FileListBoxTest->Items(), (std::vector<std::string>{"a.wav"}));
}

}  // namespace
}  // namespace dorvane::test
