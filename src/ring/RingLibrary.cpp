// The ring tone folder, the chosen tone and Skype's silent ring tone.
#include "app/Unit1.h"
#include "i18n/PathText.h"
#include "i18n/TextConvert.h"
#include "link/LinkProtocol.h"
#include "ring/FileExists.h"
#include "ring/RingFiles.h"
#include "settings/ProgramFiles.h"
#include "settings/TextLines.h"

namespace dorvane {

std::string TForm1::RingFolder() const { return system_.ProgramFolder + "ring"; }

void TForm1::LoadRingTone() {
    const std::string vob = system_.ProgramFolder + "ring.vob";
    CurrentRingTone.clear();
    if (!FileExists(vob)) {
        // A first start names the default tone, which becomes current once
        // the file is really there.
        CurrentRingTone = JoinPath(RingFolder(), "ring_in.wav");
        SaveRingTone();
        CurrentRingTone.clear();
    }
    // Only the first line counts.
    const std::string line = TextLines(ReadFileStart(vob, TextBytesFor(1)).value_or("")).Next();
    if (!line.empty() && FileExists(line)) CurrentRingTone = line;
    ShowRingToneLabels();
}

void TForm1::SaveRingTone() {
    if (!CurrentRingTone.empty()) WriteFileBytes(system_.ProgramFolder + "ring.vob", TextFileBytes({CurrentRingTone}), false);
    ShowRingToneLabels();
}

void TForm1::ShowRingToneLabels() {
    LabelRingPath->SetCaption(FolderPart(CurrentRingTone));
    LabelRingTone->SetCaption(NamePart(CurrentRingTone));
}

std::string TForm1::EnsureMuteFile() {
    const std::string path = JoinPath(RingFolder(), "mute.wav");
    // Never overwritten: a mute file of any content stays as it is.
    if (!FileExists(path)) WriteFileBytes(path, MuteWaveBytes(), true);
    return path;
}

void TForm1::SendSkypeRingTone() {
    if ((StatusWord & kSkypeBit) == 0 || !RingToneSendPending) return;
    // Sent once: a command dropped for want of a service is not repeated.
    RingToneSendPending = false;
    SendCommand(WideToUtf8(WidenText("SET RINGTONE 1 " + EnsureMuteFile(), CP_ACP)));
}

void TForm1::ShowRingFolder() {
    const std::string folder = RingFolder();
    CreateDirectoryA(folder.c_str(), nullptr);
    FileListBoxTest->SetMask("*.wav");
    suiDriveComboBoxTest->SetDrive(folder[0]);
    DirectoryListBoxTest->SetDirectory(folder);
    DirectoryListBoxTest->Update();
    FileListBoxTest->Update();
    SelectRingEntry(0);
}

void TForm1::SelectRingEntry(int n) {
    // While a call rings, the list is the user's to browse: the tone plays on.
    if (Ringing) return;
    StopTone();
    FileListBoxTest->SetItemIndex(n >= 0 && n < FileListBoxTest->Count() ? n : -1);
    SelectedRingFile = FileListBoxTest->FileName();
}

void TForm1::FileListBoxTestChange() {
    if (FileListBoxTest->Count() == 0) FileListBoxTest->SetItemIndex(-1);
    SelectRingEntry(FileListBoxTest->ItemIndex());
}

void TForm1::AdoptSelectedTone() {
    if (Ringing || FileListBoxTest->ItemIndex() < 0) return;
    const std::string path = FileListBoxTest->FileName();
    if (!FileExists(path) || path == CurrentRingTone) return;
    CurrentRingTone = path;
    SaveRingTone();
    RingToneSendPending = true;
    SendSkypeRingTone();
}

void TForm1::suiButtonDefaultClick() { ShowRingFolder(); }

}  // namespace dorvane
